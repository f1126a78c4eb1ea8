#include "ui/main/frmMain.h"

#include "Version.h"

QString frmMain::AppName() {
    return tr("Tallix v%1").arg(QLatin1String(TallixVersion));
}

QString frmMain::AppDescription() {
    return tr("This program will create a check register that you can use to balance your checkbook. You enter the "
              "checks and deposits just as you would on the register that comes with your checks. The balances will "
              "automatically be calculated.");
}

// Two lines joined by a bare carriage return.
QString frmMain::AppCopyright() {
    return QString::fromUtf8(TallixCopyright) + QChar(13) + tr("All rights reserved.");
}
