#include "ui/main/frmMain.h"

#include "Version.h"

QString frmMain::AppName() {
    return QStringLiteral("Tallix v") + QLatin1String(TallixVersion);
}

QString frmMain::AppDescription() {
    return QStringLiteral("This program will create a check register that you can use to balance your ") +
           QStringLiteral("checkbook. You enter the checks and deposits just as you would on the register that "
                          "comes with your ") +
           QStringLiteral("checks. The balances will automatically be calculated.");
}

// Two lines joined by a bare carriage return.
QString frmMain::AppCopyright() {
    return QString::fromUtf8(TallixCopyright) + QChar(13) + QStringLiteral("All rights reserved.");
}
