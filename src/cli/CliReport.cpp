#include "cli/CliReport.h"

#include "cli/CommandLine.h"
#include "model/Category.h"
#include "model/TransactionRules.h"
#include "platform/Locale.h"

#include <QCoreApplication>
#include <QLocale>
#include <algorithm>

namespace cli {

namespace {

int Usage(QTextStream& err, const QString& problem) {
    err << "tallix-cli: " << problem << "\n"
        << QCoreApplication::translate(
               "CliReport", "Usage: tallix-cli report LEDGER --by category|payee|month [--from D] [--to D] [--csv]")
        << "\n"
        << QCoreApplication::translate("CliReport", "Try 'tallix-cli --help' for more information.") << "\n";
    return UsageError;
}

// Rows of cells printed in columns two spaces apart; the first column left-aligned, the others right-aligned.
class Table {
public:
    void Add(QStringList cells) { rows.push_back(std::move(cells)); }
    void Rule() { rows.push_back({}); }
    QString Text() const {
        std::vector<qsizetype> widths;
        for (const QStringList& row : rows)
            for (qsizetype i = 0; i < row.size(); ++i) {
                widths.resize(std::max(widths.size(), size_t(i + 1)));
                widths[size_t(i)] = std::max(widths[size_t(i)], row[i].size());
            }
        qsizetype total = 0;
        for (qsizetype width : widths)
            total += width + 2;
        QString text;
        for (const QStringList& row : rows) {
            if (row.isEmpty()) {
                text += QString(std::max<qsizetype>(total - 2, 0), u'-') + u'\n';
                continue;
            }
            QString line;
            for (qsizetype i = 0; i < row.size(); ++i)
                line += i == 0 ? row[i].leftJustified(widths[0])
                               : QStringLiteral("  ") + row[i].rightJustified(widths[size_t(i)]);
            while (line.endsWith(u' '))
                line.chop(1);
            text += line + u'\n';
        }
        return text;
    }

private:
    std::vector<QStringList> rows;
};

QString DateText(const QDate& date) {
    return platform::FormatShortDate(platform::DayCountFromDate(date));
}

QString PeriodText(const report::Period& period) {
    return QCoreApplication::translate("CliReport", "%1 to %2").arg(DateText(period.from), DateText(period.to));
}

QString ShareText(double share) {
    return QLocale().toString(share * 100, 'f', 1) + QLocale().percent();
}

QString Plain(int64_t cents) {
    return ledger::CentsText(cents, u'.');
}

// RFC 4180's quoting, for payees and category names that hold a comma or a quote.
QString CsvField(const QString& text) {
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\n') && !text.contains(u'\r'))
        return text;
    return u'"' + QString(text).replace(QStringLiteral("\""), QStringLiteral("\"\"")) + u'"';
}

QString CsvLine(const QStringList& fields) {
    QStringList quoted;
    for (const QString& field : fields)
        quoted << CsvField(field);
    return quoted.join(u',') + QStringLiteral("\r\n");
}

QString CategoryCsv(const report::CategoryReport& r) {
    QString csv = CsvLine({"Side", "Category", "Depth", "Amount", "Own", "Share", "Previous", "Transactions"});
    for (const auto& [name, side] : {std::pair("spending", &r.spending), std::pair("income", &r.income)})
        for (const report::CategoryLine& line : side->lines)
            csv += CsvLine({QString::fromLatin1(name), line.path, QString::number(line.depth), Plain(line.cents),
                            Plain(line.ownCents), QString::number(line.share, 'f', 4), Plain(line.previousCents),
                            QString::number(line.transactions)});
    return csv;
}

// Both sides in one table, so that their columns line up; each side's title heads its first column.
QString CategoryTable(const report::CategoryReport& r) {
    Table table;
    for (const auto& [title, side] :
         {std::pair(QCoreApplication::translate("CliReport", "Spending by category"), &r.spending),
          std::pair(QCoreApplication::translate("CliReport", "Income by category"), &r.income)}) {
        if (side == &r.income)
            table.Add({QString()});
        table.Add({title, QCoreApplication::translate("CliReport", "Amount"),
                   QCoreApplication::translate("CliReport", "Share"),
                   QCoreApplication::translate("CliReport", "Previous"),
                   QCoreApplication::translate("CliReport", "Transactions")});
        table.Rule();
        for (const report::CategoryLine& line : side->lines) {
            const QString name = line.path.isEmpty() ? QCoreApplication::translate("CliReport", "(no category)")
                                                     : ledger::CategoryLeaf(line.path);
            table.Add({QString(line.depth * 2, u' ') + name, platform::FormatCents(line.cents), ShareText(line.share),
                       platform::FormatCents(line.previousCents), QLocale().toString(line.transactions)});
        }
        table.Rule();
        table.Add({QCoreApplication::translate("CliReport", "Total"),
                   platform::FormatCents(side->totalCents),
                   {},
                   platform::FormatCents(side->previousTotalCents)});
    }
    return table.Text();
}

QString MonthReport(const std::vector<report::MonthLine>& months, bool csv) {
    if (csv) {
        QString text = CsvLine({"Month", "Income", "Spending", "Previous income", "Previous spending"});
        for (const report::MonthLine& m : months)
            text += CsvLine({m.month.toString(QStringLiteral("yyyy-MM")), Plain(m.incomeCents), Plain(m.spendingCents),
                             Plain(m.previousIncomeCents), Plain(m.previousSpendingCents)});
        return text;
    }
    Table table;
    table.Add({QCoreApplication::translate("CliReport", "Month"), QCoreApplication::translate("CliReport", "Income"),
               QCoreApplication::translate("CliReport", "Spending"),
               QCoreApplication::translate("CliReport", "Difference"),
               QCoreApplication::translate("CliReport", "Previous income"),
               QCoreApplication::translate("CliReport", "Previous spending")});
    table.Rule();
    report::MonthLine total;
    for (const report::MonthLine& m : months) {
        table.Add({QLocale().toString(m.month, QStringLiteral("MMM yyyy")), platform::FormatCents(m.incomeCents),
                   platform::FormatCents(m.spendingCents), platform::FormatCents(m.incomeCents - m.spendingCents),
                   platform::FormatCents(m.previousIncomeCents), platform::FormatCents(m.previousSpendingCents)});
        total.incomeCents += m.incomeCents;
        total.spendingCents += m.spendingCents;
        total.previousIncomeCents += m.previousIncomeCents;
        total.previousSpendingCents += m.previousSpendingCents;
    }
    table.Rule();
    table.Add({QCoreApplication::translate("CliReport", "Total"), platform::FormatCents(total.incomeCents),
               platform::FormatCents(total.spendingCents),
               platform::FormatCents(total.incomeCents - total.spendingCents),
               platform::FormatCents(total.previousIncomeCents), platform::FormatCents(total.previousSpendingCents)});
    return table.Text();
}

QString PayeeReport(const std::vector<report::PayeeLine>& payees, bool csv) {
    if (csv) {
        QString text = CsvLine({"Payee", "Spending", "Previous", "Transactions"});
        for (const report::PayeeLine& p : payees)
            text += CsvLine({ledger::ControlCharactersAsSpaces(p.payee), Plain(p.spendingCents),
                             Plain(p.previousSpendingCents), QString::number(p.transactions)});
        return text;
    }
    Table table;
    table.Add({QCoreApplication::translate("CliReport", "Payee"), QCoreApplication::translate("CliReport", "Spending"),
               QCoreApplication::translate("CliReport", "Previous"),
               QCoreApplication::translate("CliReport", "Transactions")});
    table.Rule();
    int64_t total = 0;
    int64_t previous = 0;
    for (const report::PayeeLine& p : payees) {
        table.Add({ledger::EscapeControlCharacters(p.payee), platform::FormatCents(p.spendingCents),
                   platform::FormatCents(p.previousSpendingCents), QLocale().toString(p.transactions)});
        total += p.spendingCents;
        previous += p.previousSpendingCents;
    }
    table.Rule();
    table.Add({QCoreApplication::translate("CliReport", "Total"), platform::FormatCents(total),
               platform::FormatCents(previous)});
    return table.Text();
}

// ISO 8601 from scripts, or the locale's short date as the user types it: as balance --date takes it.
std::optional<QDate> DateArgument(const QString& text) {
    if (const std::optional<double> day = ParseDateArgument(text))
        return platform::DateFromDayCount(*day);
    return std::nullopt;
}

} // namespace

QString ReportText(ReportBy by, const report::Period& period, bool csv) {
    QString text;
    if (!csv)
        text = QCoreApplication::translate("CliReport", "%1 (previous: %2)")
                   .arg(PeriodText(period), PeriodText(report::PreviousPeriod(period))) +
               QStringLiteral("\n\n");
    switch (by) {
    case ReportBy::Category: {
        const report::CategoryReport r = report::ByCategory(period);
        return text + (csv ? CategoryCsv(r) : CategoryTable(r));
    }
    case ReportBy::Month:
        return text + MonthReport(report::ByMonth(period), csv);
    case ReportBy::Payee:
        break;
    }
    return text + PayeeReport(report::ByPayee(period), csv);
}

int RunReport(const QStringList& args, QTextStream& out, QTextStream& err) {
    QCommandLineParser parser;
    const QCommandLineOption byOption(QStringLiteral("by"), {}, QStringLiteral("category|payee|month"));
    const QCommandLineOption fromOption(QStringLiteral("from"), {}, QStringLiteral("D"));
    const QCommandLineOption toOption(QStringLiteral("to"), {}, QStringLiteral("D"));
    const QCommandLineOption csvOption(QStringLiteral("csv"));
    parser.addOptions({byOption, fromOption, toOption, csvOption});
    if (const platform::Result<> parsed = ParseCommand(parser, QStringLiteral("report"), args); !parsed)
        return Usage(err, parsed.Error());
    if (parser.positionalArguments().size() != 1)
        return Usage(err, QCoreApplication::translate("CliReport", "report needs exactly one LEDGER"));
    const QString by = parser.value(byOption);
    const std::optional<ReportBy> kind = by == QLatin1String("category") ? std::optional(ReportBy::Category)
                                         : by == QLatin1String("payee")  ? std::optional(ReportBy::Payee)
                                         : by == QLatin1String("month")  ? std::optional(ReportBy::Month)
                                                                         : std::nullopt;
    if (!kind)
        return Usage(err,
                     QCoreApplication::translate("CliReport", "report needs --by category, --by payee or --by month"));
    report::Period period = report::PeriodOf(report::PeriodKind::ThisYear, QDate::currentDate());
    for (const auto& [option, bound] : {std::pair(&fromOption, &period.from), std::pair(&toOption, &period.to)}) {
        if (!parser.isSet(*option))
            continue;
        const std::optional<QDate> date = DateArgument(parser.value(*option));
        if (!date)
            return Usage(err, QCoreApplication::translate("CliReport", "not a date: '%1'").arg(parser.value(*option)));
        *bound = *date;
    }
    if (period.to < period.from)
        return Usage(err, QCoreApplication::translate("CliReport", "--from must not be after --to"));
    if (!LoadLedgerFile(parser.positionalArguments().first()))
        return Failed;
    out << ReportText(*kind, period, parser.isSet(csvOption));
    return Sound;
}

} // namespace cli
