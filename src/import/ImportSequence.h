#pragma once
// The one way a statement is imported, driven by File ▸ Import... and by tallix-cli import alike: read the file,
// know a CSV's columns, choose the account, open the ledger, plan, preview, add every planned line or none,
// remember the columns, keep the ledger. What differs between the two (dialogs or options, message boxes or
// standard error, leaving the ledger changed or saving it) is the front end's.

#include "import/ImportPlan.h"
#include "import/Statement.h"

namespace import {

struct ImportRequest {
    QString path;                 // the statement file
    std::optional<Format> format; // none: told by the file's name and content
    // The account to import from a statement of several; one the statement lacks is asked for as if none were named.
    std::optional<QString> account;
    // The order of ambiguous dates (QIF, CSV) the user gave; none: taken from the statement, or the columns chosen.
    std::optional<DateOrder> dateOrder = std::nullopt;
};

// Where an import failed; nothing was added.
enum class ImportFailure {
    ReadFile,      // the reason names the file
    ReadStatement, // the reason names the line at fault, not the file
    Apply,         // the ledger has no room for the lines
};

// The steps the window and the terminal answer each in their own way, asked in this order, each at most once.
class ImportFrontEnd {
public:
    virtual ~ImportFrontEnd() = default;
    // A CSV statement's columns: `columns` holds those remembered for its header line, if any; the user's own may
    // take their place. False stops the import. A statement left without columns cannot be read.
    virtual bool ChooseColumns(const QByteArray& statement, std::optional<CsvMapping>& columns) = 0;
    // The account to import, asked for a statement of several accounts that names none the request named. None
    // stops the import.
    virtual std::optional<QString> ChooseAccount(const std::vector<StatementAccount>& accounts) = 0;
    // The ledger store holds the ledger to import into, once the statement is known to be readable; false stops the
    // import.
    virtual bool OpenLedger() = 0;
    // Shows what the plan does to each line, with the reader's notes and the statement's OpeningNote, a sentence
    // each; true adds the lines planned as Add with the categories the plan then holds (the user may choose others
    // and make rules: ChooseCategory, AddRule) and marks the matched records cleared.
    virtual bool Preview(ImportPlan& plan, const QStringList& notes) = 0;
    // The ledger with the lines added: saved, or left changed for a later save; false when it could not be kept.
    virtual bool KeepLedger() = 0;
    virtual void Failed(ImportFailure failure, const QString& reason) = 0;
};

enum class ImportOutcome {
    Stopped,   // a step failed or said no: nothing was added
    Previewed, // nothing changed: the preview was declined, or the plan adds no line and marks no record
    Imported,  // the lines were added, the matches marked and the ledger kept
    NotKept,   // the lines were added, but the ledger could not be kept
};

struct ImportResult {
    ImportOutcome outcome = ImportOutcome::Stopped;
    int refused = 0;               // lines of the plan that the ledger cannot take
    bool columnsForgotten = false; // the settings could not keep the columns an import added lines with
};

ImportResult ImportStatement(const ImportRequest& request, ImportFrontEnd& frontEnd);

} // namespace import
