#include "import/ImportSequence.h"

#include "ledger/ChangeBatch.h"

#include <QCoreApplication>
#include <algorithm>

namespace import {

namespace {

bool HasAccount(const std::vector<StatementAccount>& accounts, const QString& id) {
    return std::any_of(accounts.begin(), accounts.end(), [&id](const StatementAccount& a) { return a.id == id; });
}

// Accounts a statement only lists leave nothing to choose between.
bool SeveralWithLines(const std::vector<StatementAccount>& accounts) {
    return std::count_if(accounts.begin(), accounts.end(), [](const StatementAccount& a) { return a.lines > 0; }) > 1;
}

} // namespace

ImportResult ImportStatement(const ImportRequest& request, ImportFrontEnd& frontEnd) {
    ImportResult result;
    const platform::Result<QByteArray> read = ReadStatementBytes(request.path);
    if (!read) {
        frontEnd.Failed(ImportFailure::ReadFile, read.Error());
        return result;
    }
    const QByteArray& data = read.Value();
    const Format format = request.format ? *request.format : DetectFormat(request.path, data);
    std::optional<CsvMapping> remembered;
    std::optional<CsvMapping> columns;
    if (format == Format::Csv) {
        // What is no CSV statement at all is told before anyone is asked for its columns.
        if (const QString problem = CsvProblem(data); !problem.isEmpty()) {
            frontEnd.Failed(ImportFailure::ReadStatement, problem);
            return result;
        }
        remembered = columns = StoredCsvMapping(CsvHeaderLine(data));
        if (!frontEnd.ChooseColumns(data, columns))
            return result;
    }
    const ReadResult statement = ReadStatement(data, format, columns, request.dateOrder);
    if (!statement.Ok()) {
        frontEnd.Failed(ImportFailure::ReadStatement, statement.error);
        return result;
    }

    std::optional<QString> account = request.account;
    const std::vector<StatementAccount> accounts = StatementAccounts(statement.lines, statement.accounts);
    if (account ? !HasAccount(accounts, *account) : SeveralWithLines(accounts)) {
        account = frontEnd.ChooseAccount(accounts);
        if (!account)
            return result;
    }
    if (!frontEnd.OpenLedger())
        return result;
    ImportPlan plan = PlanImport(account ? AccountLines(statement.lines, *account) : statement.lines);
    result.refused = plan.Count(PlanKind::Refused);
    result.outcome = ImportOutcome::Previewed;
    QStringList notes = statement.notes;
    if (account && plan.lines.empty() && !statement.lines.empty())
        notes.append(QCoreApplication::translate("ImportSequence", "Account %1 has no transactions in this statement.")
                         .arg(*account));
    // The opening balance comes before any line: it is the first account's.
    const bool openingIsChosen = !account || (!accounts.empty() && accounts.front().id == *account);
    if (const QString opening = OpeningNote(openingIsChosen ? statement.openingCents : std::nullopt);
        !opening.isEmpty())
        notes.append(opening);
    if (!frontEnd.Preview(plan, notes) || (plan.Count(PlanKind::Add) == 0 && plan.Marks() == 0))
        return result;

    platform::Result<> applied;
    {
        // One journal entry: after a crash the whole statement comes back, or none of it.
        const ledger::ChangeBatch batch;
        applied = ApplyPlan(plan);
    }
    if (!applied) {
        frontEnd.Failed(ImportFailure::Apply, applied.Error());
        result.outcome = ImportOutcome::Stopped;
        return result;
    }
    // Columns are remembered per header line only once they made an import: a preview that looked wrong was
    // declined, a dry run only looked, and the next import asks again.
    if (columns != remembered)
        result.columnsForgotten = !StoreCsvMapping(CsvHeaderLine(data), *columns);
    result.outcome = frontEnd.KeepLedger() ? ImportOutcome::Imported : ImportOutcome::NotKept;
    return result;
}

} // namespace import
