// The commands that open the program's other windows, all modal over the main window.
#include "ui/main/frmMain.h"

#include "ledger/Ledger.h"
#include "ledger/Recovery.h"
#include "platform/Locale.h"
#include "platform/LocaleCodec.h"
#include "register/BalanceSeries.h"
#include "settings/ForecastSettings.h"
#include "ui/about/frmAbout.h"
#include "ui/chart/frmChart.h"
#include "ui/main/FileAssociation.h"
#include "ui/register/StatementDialog.h"
#include "ui/register/frmRegister.h"
#include "ui/settings/SettingsDialog.h"

#include <QCoreApplication>
#include <QFileInfo>

void frmMain::Options_Click() {
    SettingsDialog Settings(this, {UserName(), ledger::GetStartingBalance(), ledger::GetNextCheckNumber()});
    if (Settings.exec() == QDialog::Accepted) {
        const SettingsValues values = Settings.Values();
        SetUserName(values.userName);
        const ledger::ChangeBatch batch;
        ledger::SetStartingBalance(values.startingBalance);
        ledger::SetNextCheckNumber(values.nextCheckNumber);
        // The ledger counts as changed even when nothing was edited, so the next save writes it.
        ledger::SetModified();
    }
    // The dialog may have changed the next check number.
    ShowNextCheckNumber();
}

void frmMain::Associate_Click() {
    AssociateFiles(QCoreApplication::applicationFilePath());
}

void frmMain::Command4_Click() {
    frmRegister Register(this, RegHeight);
    Register.SetReadOnly(ReadOnlyLedger);
    Register.exec();
    // The register may have set or cleared the lock date.
    UpdateStatusBar();
}

void frmMain::BalanceToStatement_Click() {
    StatementDialog statement(this);
    if (statement.exec() != QDialog::Accepted)
        return;
    frmRegister Register(this, RegHeight);
    Register.BalanceToStatement(statement.Day(), statement.BalanceCents());
    Register.exec();
    UpdateStatusBar();
}

void frmMain::Command5_Click() {
    frmAbout About(AppName(), AppDescription(), AppCopyright());
    About.exec();
}

void frmMain::BalanceChart_Click() {
    const QString file = ledger::GetDataFileName();
    const QString title = file.isEmpty() ? QStringLiteral("Balance Chart")
                                         : QStringLiteral("Balance Chart: %1").arg(QFileInfo(file).completeBaseName());
    const platform::LocaleCodec codec;
    frmChart Chart(this, StoreBalanceSeries(codec, platform::Today(), settings::ReadForecastSettings().horizonDays),
                   title);
    Chart.exec();
}
