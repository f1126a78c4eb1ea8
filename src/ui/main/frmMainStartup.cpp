// Start-up and shutdown of the main window: the settings, the first ledger, the save prompt, the status bar.
#include "ui/main/frmMain.h"

#include "ledger/Ledger.h"
#include "platform/Locale.h"
#include "platform/Prompt.h"
#include "platform/widgets/Contrast.h"
#include "register/ForecastText.h"
#include "register/RegisterRows.h"
#include "settings/ProgramKey.h"
#include "settings/RecentFiles.h"
#include "settings/Registry.h"
#include "storage/LedgerFile.h"
#include "storage/LedgerHold.h"
#include "storage/Recovery.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

QString frmMain::SettingsKey() {
    return ProgramSettingsKey();
}

namespace {

// The data file named on the command line: its first argument, without the pair of double quotes that the file
// association puts around it. A relative path is taken from the current folder, since the name is kept as the
// full path of the data file.
QString CommandLineDataFile(const QStringList& arguments) {
    if (arguments.isEmpty())
        return {};
    QString path = arguments.constFirst();
    if (path.size() >= 2 && path.startsWith(QLatin1Char('"')) && path.endsWith(QLatin1Char('"')))
        path = path.mid(1, path.size() - 2);
    if (path.isEmpty())
        return {};
    return QDir::current().absoluteFilePath(path);
}

} // namespace

void frmMain::Form_Initialize(const QStringList& arguments) {
    Registry registry;
    if (!registry.RegOpen(Registry::HKEY_CURRENT_USER, SettingsKey(), Registry::KEY_READ)) {
        platform::MsgBox(tr("can't find settings"));
    } else {
        if (!registry.GetStr(QStringLiteral("UserName"), userName))
            userName.clear();
        QString name;
        if (arguments.isEmpty() || arguments.constFirst().isEmpty()) {
            if (!registry.GetStr(QStringLiteral("DataFile"), name))
                name.clear();
        } else {
            name = CommandLineDataFile(arguments);
        }
        if (!registry.GetLong(QStringLiteral("Height"), RegHeight))
            RegHeight = 0;
        registry.RegClose();
        ledger::SetDataFileName(name);
    }
    Text5->setText(userName);
}

void frmMain::Form_Load() {
    Text4->setMaxLength(8);
    // Payee and description boxes stop where the record does, so nothing typed is dropped unseen.
    Text7->setMaxLength(ledger::DescriptionLength);
    Combo1->lineEdit()->setMaxLength(ledger::DescriptionLength);
    ResetEntryFields();
    Command4->setEnabled(false);
    if (!ledger::GetDataFileName().isEmpty() && OpenLedgerFile()) {
        settings::NoteRecentLedger(ledger::GetDataFileName());
        FillPayeeList();
        if (ledger::GetTransactionCount() >= 2)
            Command4->setEnabled(true);
    } else {
        New_Click();
        // A new ledger that was never saved may have been lost in a crash as well.
        OfferRecovery(QString());
    }
    ShowNextCheckNumber();
}

void frmMain::closeEvent(QCloseEvent* event) {
    if (!PromptToSaveData()) {
        event->ignore();
        return;
    }
    // Saved, or the user chose not to: either way nothing is left to recover, and the file is let go.
    (void)platform::ShowIfFailed(ledger::DiscardJournal());
    ledger::KeepHold({});
    SaveSettings();
    event->accept();
}

bool frmMain::PromptToSaveData() {
    if (!ledger::IsModified())
        return true;
    switch (platform::MsgBox(tr("Save Data?"), platform::Buttons::YesNoCancel, platform::ProgramTitle(),
                             platform::Icon::None, platform::Answer::Yes)) {
    case platform::Answer::Yes:
        return ledger::SaveLedger();
    case platform::Answer::No:
        return true;
    default:
        return false;
    }
}

void frmMain::SaveSettings() {
    Registry registry;
    if (!registry.RegCreate(SettingsKey(), QString(), Registry::HKEY_CURRENT_USER))
        return;
    registry.SaveLong(QStringLiteral("Height"), RegHeight);
    if (SettingsChanged) {
        registry.SaveStr(QStringLiteral("UserName"), userName);
        const QString dataFile = ledger::GetDataFileName();
        if (!dataFile.isEmpty())
            registry.SaveStr(QStringLiteral("DataFile"), dataFile);
    }
    registry.RegClose();
}

void frmMain::UpdateStatusBar() {
    Panel1->setText(ledger::GetDataFileName());
    Panel1->setToolTip(ledger::GetDataFileName());
    double lockDate = 0;
    if (ledger::GetLockDate(lockDate))
        Panel2->setText(tr("Bal:  %1").arg(platform::FormatShortDate(lockDate)));
    else
        Panel2->setText(tr("Unlocked"));
    const platform::LocaleCodec codec;
    const std::vector<RegisterRow> rows = BuildRegisterRows(codec);
    Panel4->setText(tr("Today: %1").arg(platform::FormatCents(BalanceThrough(rows, platform::Today()))));
    Panel3->setVisible(!ledger::Schedules().empty());
    if (Panel3->isHidden())
        return;
    const frmRegister::LookAhead lookAhead = RegisterLookAhead();
    const Forecast forecast = StoreForecast(rows, lookAhead.today, lookAhead.horizonDays);
    Panel3->setText(ForecastBrief(forecast, codec));
    Panel3->setToolTip(ForecastNote(forecast, codec));
    platform::ShowAsWarning(*Panel3, IsLowForecast(forecast, lookAhead.cushionCents));
}

QString frmMain::UserName() const {
    return userName;
}

void frmMain::SetUserName(const QString& str) {
    userName = str;
    Text5->setText(str);
    SettingsChanged = true;
}
