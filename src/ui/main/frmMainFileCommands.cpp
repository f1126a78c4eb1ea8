// The File menu: New, Open, Save, Import and Print Register, and the file dialog that names the ledger's data file.
#include "ui/main/frmMain.h"

#include "import/ImportPlan.h"
#include "import/Statement.h"
#include "ledger/Ledger.h"
#include "ledger/Recovery.h"
#include "platform/Prompt.h"
#include "print/RegisterPrint.h"
#include "ui/import/ImportDialogs.h"

#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <optional>

bool frmMain::PromptForFileName(const bool& bOpen) {
    const QString path = platform::ShowFileDialog(bOpen, QStringLiteral("tlx"), QStringLiteral("Check data|*.tlx"));
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
    UpdateStatusBar();
    Command2_Click();
}

void frmMain::Open_Click() {
    if (!PromptToSaveData())
        return;
    const QString previousFile = ledger::GetDataFileName();
    if (!PromptForFileName(true))
        return;
    if (!OpenLedgerFile()) {
        // The ledger in memory stays; it must not go on to be saved over the file that failed to load.
        ledger::SetDataFileName(previousFile);
        return;
    }
    UpdateStatusBar();
    FillPayeeList();
    Command4->setEnabled(true);
    ShowNextCheckNumber();
}

void frmMain::Save_Click() {
    ledger::SaveLedger();
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
    // The window holds the new file now, so a read-only ledger saved under a name of its own can be changed.
    SetReadOnly(false);
    UpdateStatusBar();
}

void frmMain::Import_Click() {
    const QString path =
        platform::ShowFileDialog(true, QString(), QStringLiteral("Bank statements|*.ofx *.qfx *.qif *.csv"));
    if (path.isEmpty())
        return;
    const QString name = QFileInfo(path).fileName();
    const auto cannotImport = [&name](const QString& why) {
        platform::MsgBox(QStringLiteral("%1 cannot be imported.\r%2").arg(name, why));
    };
    QByteArray data;
    QString readError;
    if (!import::ReadStatementBytes(path, data, readError))
        return cannotImport(readError);
    const import::Format format = import::DetectFormat(path, data);
    std::optional<import::CsvMapping> mapping;
    bool columnsChosen = false;
    if (format == import::Format::Csv) {
        if (const QString problem = import::CsvProblem(data); !problem.isEmpty())
            return cannotImport(problem);
        mapping = import::StoredCsvMapping(import::CsvHeaderLine(data));
        if (!mapping) {
            CsvMappingDialog columns(this, data);
            if (columns.exec() != QDialog::Accepted)
                return;
            mapping = columns.Mapping();
            columnsChosen = true;
        }
    }
    const import::ReadResult statement = import::ReadStatement(data, format, mapping);
    if (!statement.Ok())
        return cannotImport(statement.error);
    std::vector<import::StatementLine> lines = statement.lines;
    if (const auto accounts = import::StatementAccounts(lines); accounts.size() > 1) {
        AccountDialog choice(this, accounts);
        if (choice.exec() != QDialog::Accepted)
            return;
        lines = import::AccountLines(lines, choice.Account());
    }
    const import::ImportPlan plan = import::PlanImport(lines);
    ImportPreview preview(this, name, plan, import::OpeningNote(statement.openingCents));
    if (preview.exec() != QDialog::Accepted)
        return;
    QString error;
    bool applied = false;
    {
        // One journal entry: after a crash the whole statement comes back, or none of it.
        const ledger::ChangeBatch batch;
        applied = import::ApplyPlan(plan, error);
    }
    if (!applied)
        return cannotImport(error);
    // Columns are remembered per header line only once they made an import; a preview that looked wrong was
    // cancelled, and the next import asks again.
    if (columnsChosen)
        import::StoreCsvMapping(import::CsvHeaderLine(data), *mapping);
    // As after Add: the ledger is changed, so the next save or exit writes it.
    ledger::SetModified();
    Command4->setEnabled(true);
    FillPayeeList();
    ShowNextCheckNumber();
    UpdateStatusBar();
}

void frmMain::PrintRegister_Click() {
    QPrinter printer(QPrinter::HighResolution);
    const QString file = ledger::GetDataFileName();
    const QString title = file.isEmpty() ? QStringLiteral("Check Register")
                                         : QStringLiteral("Check Register: %1").arg(QFileInfo(file).completeBaseName());
    // The print dialog names its PDF after the document: the ledger's own name, which makes a plain file name.
    printer.setDocName(file.isEmpty() ? title : QFileInfo(file).completeBaseName());
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(QStringLiteral("Print Register"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (!print::PrintRegister(printer, title, QDate::currentDate()).ok)
        platform::MsgBox(QStringLiteral("Unable to print the register."));
}

void frmMain::ShowNextCheckNumber() {
    Text4->setText(QString::number(ledger::GetNextCheckNumber()));
}
