#include "ui/import/WindowImport.h"

#include "import/ImportSequence.h"
#include "ledger/Ledger.h"
#include "platform/Prompt.h"
#include "ui/import/ImportDialogs.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

class WindowFrontEnd final : public import::ImportFrontEnd {
public:
    WindowFrontEnd(QWidget* parent, const QString& path) : parent(parent), name(QFileInfo(path).fileName()) {}

    // Remembered columns are used as they are; others are chosen in the column dialog.
    bool ChooseColumns(const QByteArray& statement, std::optional<import::CsvMapping>& columns) override {
        if (columns)
            return true;
        CsvMappingDialog dialog(parent, statement);
        if (dialog.exec() != QDialog::Accepted)
            return false;
        columns = dialog.Mapping();
        return true;
    }

    std::optional<QString> ChooseAccount(const std::vector<import::StatementAccount>& accounts) override {
        AccountDialog dialog(parent, accounts);
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        return dialog.Account();
    }

    // The window's ledger is the one in memory; a read-only one offers no Import.
    bool OpenLedger() override { return true; }

    bool Preview(import::ImportPlan& plan, const QStringList& notes) override {
        ImportPreview preview(parent, name, plan, notes);
        return preview.exec() == QDialog::Accepted;
    }

    // As after Add: the ledger is changed, so the next save or exit writes it.
    bool KeepLedger() override {
        ledger::SetModified();
        return true;
    }

    void Failed(import::ImportFailure, const QString& reason) override {
        platform::MsgBox(QCoreApplication::translate("WindowImport", "%1 cannot be imported.").arg(name) +
                         QLatin1Char('\r') + reason);
    }

private:
    QWidget* const parent;
    const QString name;
};

} // namespace

bool ImportInWindow(QWidget* parent, const QString& path) {
    WindowFrontEnd frontEnd(parent, path);
    return import::ImportStatement({path, std::nullopt, std::nullopt}, frontEnd).outcome ==
           import::ImportOutcome::Imported;
}
