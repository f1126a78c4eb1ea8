// The File menu: New, Open, Save, Import and Print Register, and the file dialog that names the ledger's data file.
#include "ui/main/frmMain.h"

#include "ledger/Ledger.h"
#include "platform/Prompt.h"
#include "print/RegisterPrint.h"
#include "settings/RecentFiles.h"
#include "storage/LedgerFile.h"
#include "ui/import/WindowImport.h"

#include <QDate>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

namespace {
// The ledger's folder, else that of the ledger used last; empty (the working folder) before any.
QString LedgerFolder() {
    QString path = ledger::GetDataFileName();
    if (path.isEmpty())
        path = settings::ReadRecentLedgers().value(0);
    return path.isEmpty() ? QString() : QFileInfo(path).absolutePath();
}
} // namespace

bool frmMain::PromptForFileName(const bool& bOpen) {
    const QString path = platform::ShowFileDialog(bOpen, QStringLiteral("tlx"),
                                                  tr("Check data") + QStringLiteral("|*.tlx"), LedgerFolder());
    if (path.isEmpty())
        return false;
    ledger::SetDataFileName(path);
    SettingsChanged = true;
    return true;
}

void frmMain::New_Click() {
    if (!PromptToSaveData())
        return;
    ledger::NewLedger();
    SetReadOnly(false);
    ResetEntryFields();
    Command4->setEnabled(false);
    Command2_Click();
}

void frmMain::Open_Click() {
    if (!PromptToSaveData())
        return;
    const QString previousFile = ledger::GetDataFileName();
    if (!PromptForFileName(true))
        return;
    OpenChosenLedger(previousFile);
}

void frmMain::OpenRecent_AboutToShow() {
    OpenRecent->clear();
    const QStringList paths = settings::ReadRecentLedgers();
    for (int i = 0; i < paths.size(); ++i) {
        QString shown = paths.at(i);
        shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* item = OpenRecent->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(shown));
        connect(item, &QAction::triggered, this, [this, path = paths.at(i)] { OpenRecentLedger(path); });
    }
    if (paths.isEmpty())
        OpenRecent->addAction(tr("No ledgers yet"))->setEnabled(false);
}

void frmMain::OpenRecentLedger(const QString& path) {
    if (!PromptToSaveData())
        return;
    const QString previousFile = ledger::GetDataFileName();
    ledger::SetDataFileName(path);
    SettingsChanged = true;
    OpenChosenLedger(previousFile);
}

void frmMain::OpenChosenLedger(const QString& previousFile) {
    if (!OpenLedgerFile()) {
        // The ledger in memory stays; it must not go on to be saved over the file that failed to load.
        ledger::SetDataFileName(previousFile);
        return;
    }
    settings::NoteRecentLedger(ledger::GetDataFileName());
    FillPayeeList();
    Command4->setEnabled(true);
    ShowNextCheckNumber();
}

void frmMain::SaveChart() {
    if (ledger::SaveLedger())
        settings::NoteRecentLedger(ledger::GetDataFileName());
}

void frmMain::SaveAs_Click() {
    const QString previousFile = ledger::GetDataFileName();
    const bool wasModified = ledger::IsModified();
    if (!PromptForFileName(false))
        return;
    // The chosen file is written even when nothing changed: that is what Save As is for.
    ledger::SetModified();
    if (!ledger::SaveLedger()) {
        ledger::SetDataFileName(previousFile);
        ledger::SetModified(wasModified);
        return;
    }
    settings::NoteRecentLedger(ledger::GetDataFileName());
    // The window holds the new file now, so a read-only ledger saved under a name of its own can be changed.
    SetReadOnly(false);
    // The ledger's name is no figure of the store: the status bar shows the new one here.
    UpdateStatusBar();
}

void frmMain::Import_Click() {
    const QString path =
        platform::ShowFileDialog(true, QString(), tr("Bank statements") + QStringLiteral("|*.ofx *.qfx *.qif *.csv"),
                                 settings::ReadStatementFolder());
    if (path.isEmpty())
        return;
    settings::WriteStatementFolder(QFileInfo(path).absolutePath());
    if (!ImportInWindow(this, path))
        return;
    Command4->setEnabled(true);
    FillPayeeList();
    ShowNextCheckNumber();
}

void frmMain::PrintRegister_Click() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(print::RegisterPageLayout()); // as tallix-cli prints it; the dialog may change it
    const QString file = ledger::GetDataFileName();
    const QString title =
        file.isEmpty() ? tr("Check Register") : tr("Check Register: %1").arg(QFileInfo(file).completeBaseName());
    // The print dialog names its PDF after the document: the ledger's own name, which makes a plain file name.
    printer.setDocName(file.isEmpty() ? title : QFileInfo(file).completeBaseName());
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(tr("Print Register"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (!print::PrintRegister(printer, title, QDate::currentDate()).ok)
        platform::MsgBox(tr("Unable to print the register."));
}

void frmMain::ShowNextCheckNumber() {
    Text4->setText(QString::number(ledger::GetNextCheckNumber()));
}
