#include "cli/CliImport.h"

#include "cli/CommandLine.h"
#include "import/ImportPlan.h"
#include "import/Statement.h"
#include "ledger/Ledger.h"
#include "ledger/LedgerHold.h"
#include "ledger/TransactionRules.h"
#include "platform/Locale.h"
#include "register/LedgerBalance.h"

#include <algorithm>
#include <cmath>
#include <csignal>

namespace cli {

namespace {

constexpr int Sound = 0;
constexpr int Failed = 1;
constexpr int UsageError = 2;
constexpr int SomeRefused = 3;

int Usage(QTextStream& err, const QString& problem) {
    err << "tallix-cli: " << problem << "\n"
        << "Usage: tallix-cli import LEDGER STATEMENT [--dry-run] [--format qif|csv|ofx] [--account ID]\n"
        << "                         [CSV columns]\n"
        << "  or:  tallix-cli balance LEDGER --date D\n"
        << "Try 'tallix-cli --help' for more information.\n";
    return UsageError;
}

bool LoadLedgerFile(const QString& path) {
    ledger::NewLedger();
    ledger::SetDataFileName(path);
    return ledger::LoadLedger();
}

// ISO 8601 from scripts, or the locale's short date as the user types it.
std::optional<double> ParseDateArgument(const QString& text) {
    const QDate iso = QDate::fromString(text, Qt::ISODate);
    if (iso.isValid() && platform::IsDayCountInRange(platform::DayCountFromDate(iso)))
        return platform::DayCountFromDate(iso);
    return platform::ParseTypedDate(text);
}

// Statement text may hold anything; the terminal shows it, never acts on it.
QString Shown(const QString& text) {
    return ledger::EscapeControlCharacters(text);
}

} // namespace

int RunBalance(const QStringList& args, QTextStream& out, QTextStream& err) {
    QCommandLineParser parser;
    const QCommandLineOption dateOption(QStringLiteral("date"), {}, QStringLiteral("D"));
    parser.addOption(dateOption);
    QString problem;
    if (!ParseCommand(parser, QStringLiteral("balance"), args, problem))
        return Usage(err, problem);
    if (parser.positionalArguments().size() > 1)
        return Usage(err, QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments()[1]));
    const QString file = parser.positionalArguments().value(0);
    const QString dateText = parser.value(dateOption);
    if (file.isEmpty() || dateText.isEmpty())
        return Usage(err, QStringLiteral("balance needs a FILE and --date D"));
    const auto day = ParseDateArgument(dateText);
    if (!day)
        return Usage(err, QStringLiteral("not a date: '%1'").arg(dateText));
    if (!LoadLedgerFile(file))
        return Failed;
    out << platform::FormatCents(BalanceOn(*day)) << "\n";
    return Sound;
}

int RunImport(const QStringList& args, QTextStream& out, QTextStream& err) {
    // Output cut short by a reader that has seen enough (| head) must not end the import before it saves.
    std::signal(SIGPIPE, SIG_IGN);
    QCommandLineParser parser;
    const QCommandLineOption dryRunOption(QStringLiteral("dry-run"));
    const QCommandLineOption formatOption(QStringLiteral("format"), {}, QStringLiteral("qif|csv|ofx"));
    const QCommandLineOption dateOrderOption(QStringLiteral("date-order"), {}, QStringLiteral("mdy|dmy|ymd"));
    const QCommandLineOption decimalOption(QStringLiteral("decimal"), {}, QStringLiteral(".|,"));
    const QCommandLineOption accountOption(QStringLiteral("account"), {}, QStringLiteral("ID"));
    import::CsvMapping columns;
    columns.decimalSeparator = QChar(); // unless --decimal says: from the amounts
    // Each column option and the field of the mapping it sets.
    const std::pair<QCommandLineOption, int*> columnOptions[] = {
        {QCommandLineOption(QStringLiteral("date-col"), {}, QStringLiteral("N")), &columns.date},
        {QCommandLineOption(QStringLiteral("amount-col"), {}, QStringLiteral("N")), &columns.amount},
        {QCommandLineOption(QStringLiteral("debit-col"), {}, QStringLiteral("N")), &columns.debit},
        {QCommandLineOption(QStringLiteral("credit-col"), {}, QStringLiteral("N")), &columns.credit},
        {QCommandLineOption(QStringLiteral("payee-col"), {}, QStringLiteral("N")), &columns.payee},
        {QCommandLineOption(QStringLiteral("check-col"), {}, QStringLiteral("N")), &columns.checkNumber},
        {QCommandLineOption(QStringLiteral("type-col"), {}, QStringLiteral("N")), &columns.type},
    };
    parser.addOptions({dryRunOption, formatOption, dateOrderOption, decimalOption, accountOption});
    for (const auto& [option, field] : columnOptions)
        parser.addOption(option);
    QString problem;
    if (!ParseCommand(parser, QStringLiteral("import"), args, problem))
        return Usage(err, problem);

    const QStringList files = parser.positionalArguments();
    const QString formatName = parser.value(formatOption);
    const bool dryRun = parser.isSet(dryRunOption);
    bool columnsGiven = false;
    for (const auto& [option, field] : columnOptions) {
        if (!parser.isSet(option))
            continue;
        bool ok = false;
        const int column = parser.value(option).toInt(&ok) - 1;
        if (!ok || column < 0)
            return Usage(err, QStringLiteral("--%1 needs a column number from 1").arg(option.names().first()));
        *field = column;
        columnsGiven = true;
    }
    if (parser.isSet(dateOrderOption)) {
        const QString order = parser.value(dateOrderOption).toLower();
        if (order == QLatin1String("mdy"))
            columns.dateOrder = import::DateOrder::MonthDayYear;
        else if (order == QLatin1String("dmy"))
            columns.dateOrder = import::DateOrder::DayMonthYear;
        else if (order == QLatin1String("ymd"))
            columns.dateOrder = import::DateOrder::YearMonthDay;
        else
            return Usage(err, QStringLiteral("--date-order takes mdy, dmy or ymd"));
    }
    if (parser.isSet(decimalOption)) {
        const QString separator = parser.value(decimalOption);
        if (separator != QLatin1String(".") && separator != QLatin1String(","))
            return Usage(err, QStringLiteral("--decimal takes . or ,"));
        columns.decimalSeparator = separator[0];
    }
    if (files.size() != 2)
        return Usage(err, QStringLiteral("import needs a LEDGER and a STATEMENT"));
    std::optional<import::Format> named;
    if (!formatName.isEmpty() && !(named = import::FormatFromName(formatName)))
        return Usage(err, QStringLiteral("--format takes qif, csv or ofx"));
    const QString& statementPath = files[1];
    QByteArray data;
    QString readError;
    if (!import::ReadStatementBytes(statementPath, data, readError)) {
        err << "tallix-cli: " << Shown(readError) << "\n";
        return Failed;
    }
    const import::Format format = named ? *named : import::DetectFormat(statementPath, data);
    std::optional<import::CsvMapping> mapping;
    if (format == import::Format::Csv) {
        const QString header = import::CsvHeaderLine(data);
        // Columns given on the command line are remembered for the next statement with this header.
        mapping = columnsGiven ? std::optional(columns) : import::StoredCsvMapping(header);
        if (columnsGiven && !dryRun && !import::StoreCsvMapping(header, columns))
            err << "tallix-cli: warning: the columns could not be remembered in the settings\n";
    }
    const import::ReadResult statement = import::ReadStatement(data, format, mapping);
    if (!statement.Ok()) {
        err << "tallix-cli: " << Shown(statementPath) << ": " << Shown(statement.error) << "\n";
        return Failed;
    }
    std::vector<import::StatementLine> lines = statement.lines;
    const std::vector<import::StatementAccount> accounts = import::StatementAccounts(lines);
    const bool accountGiven = parser.isSet(accountOption);
    const QString account = parser.value(accountOption);
    if (accountGiven || accounts.size() > 1) {
        const bool known = std::any_of(accounts.begin(), accounts.end(),
                                       [&account](const import::StatementAccount& a) { return a.id == account; });
        if (!accountGiven || !known) {
            err << "tallix-cli: " << Shown(statementPath) << ": "
                << (accountGiven ? QStringLiteral("no account %1; ").arg(Shown(account)) : QString()) << "it holds "
                << accounts.size() << " accounts; choose one with --account ID:\n";
            for (const import::StatementAccount& a : accounts)
                err << "  " << (a.id.isEmpty() ? QStringLiteral("\"\"") : Shown(a.id)) << "  " << a.lines
                    << (a.lines == 1 ? " transaction\n" : " transactions\n");
            return Failed;
        }
        lines = import::AccountLines(lines, account);
    }
    // Held from the read to the save, so no window or other import can save between them and lose one side.
    ledger::NewLedger();
    ledger::LedgerHold hold = ledger::LedgerHold::Take(files[0]);
    if (!dryRun && hold.Status() == ledger::HoldStatus::HeldByOther) {
        const ledger::LedgerHolder& holder = hold.Holder();
        if (holder.program == QLatin1String("tallix-cli"))
            err << "tallix-cli: " << Shown(files[0]) << " is being changed by another tallix-cli ("
                << ledger::DescribeHolder(holder) << "); try again once it is done\n";
        else
            err << "tallix-cli: " << Shown(files[0]) << " is open in Tallix (" << ledger::DescribeHolder(holder)
                << "); import the statement there, with File > Import..., instead\n";
        return Failed;
    }
    ledger::SetDataFileName(files[0]);
    if (!ledger::LoadLedger())
        return Failed;
    ledger::KeepHold(std::move(hold));
    const import::ImportPlan plan = import::PlanImport(lines);
    for (const import::PlannedLine& p : plan.lines) {
        out << "line " << p.line.source << "  " << platform::FormatShortDate(p.line.date) << "  "
            << platform::FormatCents(p.line.cents) << "  " << p.description.trimmed() << "  "
            << Shown(import::PlanText(p)) << "\n";
    }
    if (const QString note = import::OpeningNote(statement.openingCents); !note.isEmpty())
        out << note << "\n";
    const int adds = plan.Count(import::PlanKind::Add);
    out << adds << " added, " << plan.Count(import::PlanKind::Duplicate) << " skipped, "
        << plan.Count(import::PlanKind::Refused) << " refused" << (dryRun && adds ? " (dry run: nothing written)" : "")
        << "\n";
    // Lines the ledger refused are told apart from a statement imported whole.
    const int done = plan.Count(import::PlanKind::Refused) ? SomeRefused : Sound;
    if (dryRun || adds == 0)
        return done;
    QString error;
    if (!import::ApplyPlan(plan, error)) {
        err << "tallix-cli: " << error << "\n";
        return Failed;
    }
    return ledger::SaveLedger() ? done : Failed;
}

} // namespace cli
