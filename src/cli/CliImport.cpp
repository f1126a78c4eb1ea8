#include "cli/CliImport.h"

#include "cli/CommandLine.h"
#include "import/ImportPlan.h"
#include "import/Statement.h"
#include "ledger/Ledger.h"
#include "ledger/LedgerHold.h"
#include "ledger/TransactionRules.h"
#include "platform/Locale.h"
#include "register/LedgerBalance.h"

#include <QFile>
#include <cmath>

namespace cli {

namespace {

constexpr int Sound = 0;
constexpr int Failed = 1;
constexpr int UsageError = 2;

int Usage(QTextStream& err, const QString& problem) {
    err << "tallix-cli: " << problem << "\n"
        << "Usage: tallix-cli import LEDGER STATEMENT [--dry-run] [--format qif|csv|ofx] [CSV columns]\n"
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

QString SourceText(import::Format format, int source) {
    return format == import::Format::Ofx ? QStringLiteral("STMTTRN %1").arg(source)
                                         : QStringLiteral("line %1").arg(source);
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
    QCommandLineParser parser;
    const QCommandLineOption dryRunOption(QStringLiteral("dry-run"));
    const QCommandLineOption formatOption(QStringLiteral("format"), {}, QStringLiteral("qif|csv|ofx"));
    const QCommandLineOption dateOrderOption(QStringLiteral("date-order"), {}, QStringLiteral("mdy|dmy|ymd"));
    const QCommandLineOption decimalOption(QStringLiteral("decimal"), {}, QStringLiteral(".|,"));
    import::CsvMapping columns;
    // Each column option and the field of the mapping it sets.
    const std::pair<QCommandLineOption, int*> columnOptions[] = {
        {QCommandLineOption(QStringLiteral("date-col"), {}, QStringLiteral("N")), &columns.date},
        {QCommandLineOption(QStringLiteral("amount-col"), {}, QStringLiteral("N")), &columns.amount},
        {QCommandLineOption(QStringLiteral("debit-col"), {}, QStringLiteral("N")), &columns.debit},
        {QCommandLineOption(QStringLiteral("credit-col"), {}, QStringLiteral("N")), &columns.credit},
        {QCommandLineOption(QStringLiteral("payee-col"), {}, QStringLiteral("N")), &columns.payee},
        {QCommandLineOption(QStringLiteral("check-col"), {}, QStringLiteral("N")), &columns.checkNumber},
    };
    parser.addOptions({dryRunOption, formatOption, dateOrderOption, decimalOption});
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
    QFile statementFile(statementPath);
    if (!statementFile.open(QIODevice::ReadOnly)) {
        err << "tallix-cli: cannot read " << statementPath << ": " << statementFile.errorString() << "\n";
        return Failed;
    }
    const QByteArray head = statementFile.read(4096);
    statementFile.close();
    const import::Format format = named ? *named : import::DetectFormat(statementPath, head);
    std::optional<import::CsvMapping> mapping;
    if (format == import::Format::Csv) {
        const QString header = import::CsvHeaderLine(head);
        // Columns given on the command line are remembered for the next statement with this header.
        mapping = columnsGiven ? std::optional(columns) : import::StoredCsvMapping(header);
        if (columnsGiven && !dryRun)
            import::StoreCsvMapping(header, columns);
    }
    const import::ReadResult statement = import::ReadStatementFile(statementPath, format, mapping);
    if (!statement.Ok()) {
        err << "tallix-cli: " << statementPath << ": " << statement.error << "\n";
        return Failed;
    }
    // Held from the read to the save, so no window or other import can save between them and lose one side.
    ledger::NewLedger();
    ledger::LedgerHold hold = ledger::LedgerHold::Take(files[0]);
    if (!dryRun && hold.Status() == ledger::HoldStatus::HeldByOther) {
        const ledger::LedgerHolder& holder = hold.Holder();
        if (holder.program == QLatin1String("tallix-cli"))
            err << "tallix-cli: " << files[0] << " is being changed by another tallix-cli ("
                << ledger::DescribeHolder(holder) << "); try again once it is done\n";
        else
            err << "tallix-cli: " << files[0] << " is open in Tallix (" << ledger::DescribeHolder(holder)
                << "); import the statement there, with File > Import..., instead\n";
        return Failed;
    }
    ledger::SetDataFileName(files[0]);
    if (!ledger::LoadLedger())
        return Failed;
    ledger::KeepHold(std::move(hold));
    const import::ImportPlan plan = import::PlanImport(statement.lines);
    for (const import::PlannedLine& p : plan.lines) {
        out << SourceText(format, p.line.source) << "  " << platform::FormatShortDate(p.line.date) << "  "
            << platform::FormatCents(p.line.cents) << "  " << p.description.trimmed() << "  " << import::PlanText(p)
            << "\n";
    }
    const int adds = plan.Count(import::PlanKind::Add);
    out << adds << " added, " << plan.Count(import::PlanKind::Duplicate) << " skipped, "
        << plan.Count(import::PlanKind::Refused) << " refused" << (dryRun && adds ? " (dry run: nothing written)" : "")
        << "\n";
    if (dryRun || adds == 0)
        return Sound;
    QString error;
    if (!import::ApplyPlan(plan, error)) {
        err << "tallix-cli: " << error << "\n";
        return Failed;
    }
    return ledger::SaveLedger() ? Sound : Failed;
}

} // namespace cli
