// The commands that open the program's other windows, all modal over the main window.
#include "ui/main/frmMain.h"

#include "ledger/Ledger.h"
#include "ledger/Recovery.h"
#include "platform/Locale.h"
#include "settings/ForecastSettings.h"
#include "ui/about/frmAbout.h"
#include "ui/main/FileAssociation.h"
#include "ui/register/StatementDialog.h"
#include "ui/register/frmRegister.h"
#include "ui/settings/SettingsDialog.h"

#include <QCoreApplication>
#include <QDate>

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

frmRegister::LookAhead frmMain::RegisterLookAhead() {
    const settings::ForecastSettings forecast = settings::ReadForecastSettings();
    frmRegister::LookAhead values;
    values.today = platform::DayCountFromDate(QDate::currentDate());
    values.horizonDays = forecast.horizonDays;
    values.cushionCents = forecast.cushionCents;
    return values;
}

void frmMain::Command4_Click() {
    frmRegister Register(this, RegHeight);
    Register.SetReadOnly(ReadOnlyLedger);
    Register.SetLookAhead(RegisterLookAhead());
    Register.exec();
    // The register may have set or cleared the lock date.
    UpdateStatusBar();
}

void frmMain::BalanceToStatement_Click() {
    StatementDialog statement(this);
    if (statement.exec() != QDialog::Accepted)
        return;
    frmRegister Register(this, RegHeight);
    Register.SetLookAhead(RegisterLookAhead());
    Register.BalanceToStatement(statement.Day(), statement.BalanceCents());
    Register.exec();
    UpdateStatusBar();
}

void frmMain::Command5_Click() {
    frmAbout About(AppName(), AppDescription(), AppCopyright());
    About.exec();
}
