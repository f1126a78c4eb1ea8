// The commands that open the program's other windows, all modal over the main window.
#include "ui/main/frmMain.h"

#include "ledger/Ledger.h"
#include "ledger/Schedules.h"
#include "platform/Locale.h"
#include "platform/LocaleCodec.h"
#include "register/BalanceSeries.h"
#include "settings/ForecastSettings.h"
#include "storage/Recovery.h"
#include "ui/about/frmAbout.h"
#include "ui/categories/CategoriesWindow.h"
#include "ui/chart/ChartWindow.h"
#include "ui/checks/ChecksWindow.h"
#include "ui/main/FileAssociation.h"
#include "ui/register/StatementDialog.h"
#include "ui/register/frmRegister.h"
#include "ui/reports/ReportTables.h"
#include "ui/reports/ReportsWindow.h"
#include "ui/schedules/ScheduleEditor.h"
#include "ui/schedules/SchedulesWindow.h"
#include "ui/settings/SettingsDialog.h"

#include <QApplication>
#include <QFileInfo>
#include <QPushButton>

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
    values.today = platform::Today();
    values.horizonDays = forecast.horizonDays;
    values.cushionCents = forecast.cushionCents;
    // Repeat... in the register: the editor opens over the register window, which is modal.
    values.editSchedule = [today = values.today](const ledger::Schedule& offered) -> std::optional<ledger::Schedule> {
        ScheduleEditor editor(QApplication::activeModalWidget(), offered, today);
        if (editor.exec() != QDialog::Accepted)
            return std::nullopt;
        return editor.Edited();
    };
    return values;
}

void frmMain::Command4_Click() {
    frmRegister Register(this, RegHeight);
    Register.SetReadOnly(ReadOnlyLedger);
    Register.SetLookAhead(RegisterLookAhead());
    Register.exec();
}

void frmMain::BalanceToStatement_Click() {
    StatementDialog statement(this);
    if (statement.exec() != QDialog::Accepted)
        return;
    frmRegister Register(this, RegHeight);
    Register.SetLookAhead(RegisterLookAhead());
    Register.BalanceToStatement(statement.Day(), statement.BalanceCents());
    Register.exec();
}

void frmMain::Schedules_Click() {
    const settings::ForecastSettings forecast = settings::ReadForecastSettings();
    SchedulesWindow window(this, {ledger::Schedules(), forecast.horizonDays, forecast.cushionCents}, platform::Today());
    if (window.exec() != QDialog::Accepted)
        return;
    const SchedulesValues values = window.Values();
    // The window offers only schedules the ledger takes; an unchanged list leaves the ledger unmodified.
    ledger::SetSchedules(values.schedules);
    settings::WriteForecastSettings({values.horizonDays, values.cushionCents});
    // The horizon and the balance to warn below are settings, not the store's: the look ahead's panel follows them
    // here.
    UpdateStatusBar();
}

void frmMain::Categories_Click() {
    CategoriesWindow window(this);
    window.exec();
}

void frmMain::Command5_Click() {
    frmAbout About(AppName(), AppDescription(), AppCopyright());
    About.exec();
}

void frmMain::BalanceChart_Click() {
    const QString file = ledger::GetDataFileName();
    const QString title =
        file.isEmpty() ? tr("Balance Chart") : tr("Balance Chart: %1").arg(QFileInfo(file).completeBaseName());
    const platform::LocaleCodec codec;
    ChartWindow Chart(this, StoreBalanceSeries(codec, platform::Today(), settings::ReadForecastSettings().horizonDays),
                      title);
    Chart.exec();
}

void frmMain::Reports_Click() {
    const QString file = ledger::GetDataFileName();
    ReportsWindow Reports(this, file.isEmpty() ? QString() : QFileInfo(file).completeBaseName(),
                          platform::DateFromDayCount(platform::Today()));
    connect(&Reports, &ReportsWindow::CategoryChosen, this,
            [this, &Reports](const QString& path, const report::Period& period) {
                frmRegister Register(&Reports, RegHeight);
                Register.SetReadOnly(ReadOnlyLedger);
                Register.SetLookAhead(RegisterLookAhead());
                const QString what = path.isEmpty() ? tr("No category") : path;
                Register.ShowOnlySlots(report::SlotsInCategory(path, period),
                                       tr("%1, %2").arg(what, reports::PeriodText(period)));
                Register.exec();
            });
    Reports.exec();
}

void frmMain::PrintChecks_Click() {
    ChecksWindow Checks(this);
    Checks.exec();
    // Renumbering moves the next check number past the forms printed; voided forms are new checks.
    ShowNextCheckNumber();
    FillPayeeList();
    if (ledger::GetTransactionCount() >= 2)
        Command4->setEnabled(true);
}
