#include "ui/reports/ReportTables.h"

#include "model/Category.h"
#include "model/TransactionRules.h"
#include "platform/Locale.h"

#include <QCoreApplication>
#include <QLocale>
#include <QRegularExpression>

namespace reports {

namespace {

QString Cents(int64_t cents, NumberForm form) {
    return form == NumberForm::Plain ? ledger::CentsText(cents, QLatin1Char('.')) : platform::FormatCents(cents);
}

QString Share(double share, NumberForm form) {
    return form == NumberForm::Plain ? QString::number(share * 100, 'f', 1) : print::ShareText(share);
}

QString Count(int count, NumberForm form) {
    return form == NumberForm::Plain ? QString::number(count) : QLocale().toString(count);
}

QString MonthName(const QDate& month, NumberForm form, const QString& localeForm) {
    return form == NumberForm::Plain ? month.toString(QStringLiteral("yyyy-MM"))
                                     : QLocale().toString(month, localeForm);
}

// Amount and share, then previous and change when compared.
QStringList Figures(int64_t cents, double share, int64_t previous, bool compare, NumberForm form) {
    QStringList cells{Cents(cents, form), Share(share, form)};
    if (compare)
        cells << Cents(previous, form) << Cents(cents - previous, form);
    return cells;
}

} // namespace

print::ReportTable CategoryTable(const report::CategoryReport& figures, bool compare, NumberForm form,
                                 std::vector<std::optional<QString>>* paths) {
    print::ReportTable table;
    table.headers = QStringList{QCoreApplication::translate("ReportTables", "Category"),
                                QCoreApplication::translate("ReportTables", "Amount"),
                                QCoreApplication::translate("ReportTables", "Share")};
    if (compare)
        table.headers << QCoreApplication::translate("ReportTables", "Previous")
                      << QCoreApplication::translate("ReportTables", "Change");
    if (paths)
        paths->clear();
    const auto side = [&](const QString& name, const report::CategorySide& lines) {
        table.rows.push_back({QStringList{name} + Figures(lines.totalCents, lines.totalCents != 0 ? 1.0 : 0.0,
                                                          lines.previousTotalCents, compare, form),
                              0, true});
        if (paths)
            paths->push_back(std::nullopt);
        for (const report::CategoryLine& line : lines.lines) {
            // Indented on screen and paper, whole in a file where the indent is lost.
            const QString label = line.path.isEmpty() ? QCoreApplication::translate("ReportTables", "No category")
                                  : form == NumberForm::Plain ? line.path
                                                              : ledger::CategoryLeaf(line.path);
            table.rows.push_back(
                {QStringList{label} + Figures(line.cents, line.share, line.previousCents, compare, form),
                 line.depth + 1, false});
            if (paths)
                paths->push_back(line.path);
        }
    };
    side(QCoreApplication::translate("ReportTables", "Spending"), figures.spending);
    side(QCoreApplication::translate("ReportTables", "Income"), figures.income);
    return table;
}

print::ReportTable MonthTable(const std::vector<report::MonthLine>& months, bool compare, NumberForm form) {
    print::ReportTable table;
    table.headers = QStringList{
        QCoreApplication::translate("ReportTables", "Month"), QCoreApplication::translate("ReportTables", "Income"),
        QCoreApplication::translate("ReportTables", "Spending"), QCoreApplication::translate("ReportTables", "Net")};
    if (compare)
        table.headers << QCoreApplication::translate("ReportTables", "Previous income")
                      << QCoreApplication::translate("ReportTables", "Previous spending");
    report::MonthLine total;
    const auto cells = [&](const QString& name, const report::MonthLine& line) {
        QStringList row{name, Cents(line.incomeCents, form), Cents(line.spendingCents, form),
                        Cents(line.incomeCents - line.spendingCents, form)};
        if (compare)
            row << Cents(line.previousIncomeCents, form) << Cents(line.previousSpendingCents, form);
        return row;
    };
    for (const report::MonthLine& line : months) {
        table.rows.push_back({cells(MonthName(line.month, form, QStringLiteral("MMMM yyyy")), line), 0, false});
        total.incomeCents += line.incomeCents;
        total.spendingCents += line.spendingCents;
        total.previousIncomeCents += line.previousIncomeCents;
        total.previousSpendingCents += line.previousSpendingCents;
    }
    table.rows.push_back({cells(QCoreApplication::translate("ReportTables", "Total"), total), 0, true});
    return table;
}

print::ReportTable PayeeTable(const std::vector<report::PayeeLine>& payees, bool compare, NumberForm form) {
    print::ReportTable table;
    table.headers = QStringList{QCoreApplication::translate("ReportTables", "Payee"),
                                QCoreApplication::translate("ReportTables", "Spending"),
                                QCoreApplication::translate("ReportTables", "Transactions")};
    if (compare)
        table.headers << QCoreApplication::translate("ReportTables", "Previous")
                      << QCoreApplication::translate("ReportTables", "Change");
    report::PayeeLine total;
    const auto cells = [&](const QString& name, const report::PayeeLine& line) {
        QStringList row{name, Cents(line.spendingCents, form), Count(line.transactions, form)};
        if (compare)
            row << Cents(line.previousSpendingCents, form)
                << Cents(line.spendingCents - line.previousSpendingCents, form);
        return row;
    };
    for (const report::PayeeLine& line : payees) {
        table.rows.push_back({cells(line.payee, line), 0, false});
        total.spendingCents += line.spendingCents;
        total.previousSpendingCents += line.previousSpendingCents;
        total.transactions += line.transactions;
    }
    table.rows.push_back({cells(QCoreApplication::translate("ReportTables", "Total"), total), 0, true});
    return table;
}

print::ReportChart CategoryChart(const report::CategoryReport& figures, bool income, bool compare,
                                 print::ReportChartKind kind) {
    print::ReportChart chart;
    chart.title = income ? QCoreApplication::translate("ReportTables", "Income by category")
                         : QCoreApplication::translate("ReportTables", "Spending by category");
    chart.kind = kind;
    if (compare)
        chart.series = QStringList{QCoreApplication::translate("ReportTables", "This period"),
                                   QCoreApplication::translate("ReportTables", "Previous period")};
    for (const report::CategoryLine& line : (income ? figures.income : figures.spending).lines)
        if (line.depth == 0)
            chart.items.push_back(
                {line.path.isEmpty() ? QCoreApplication::translate("ReportTables", "No category") : line.path,
                 line.cents, line.previousCents});
    return chart;
}

print::ReportChart MonthChart(const std::vector<report::MonthLine>& months) {
    print::ReportChart chart;
    chart.title = QCoreApplication::translate("ReportTables", "Income and spending by month");
    chart.series = QStringList{QCoreApplication::translate("ReportTables", "Income"),
                               QCoreApplication::translate("ReportTables", "Spending")};
    chart.keepOrder = true;
    for (const report::MonthLine& line : months)
        chart.items.push_back({MonthName(line.month, NumberForm::Locale, QStringLiteral("MMM yyyy")), line.incomeCents,
                               line.spendingCents});
    return chart;
}

QString PeriodText(const report::Period& period) {
    return QCoreApplication::translate("ReportTables", "%1 to %2")
        .arg(platform::FormatShortDate(platform::DayCountFromDate(period.from)),
             platform::FormatShortDate(platform::DayCountFromDate(period.to)));
}

QString CsvText(const print::ReportTable& table) {
    static const QRegularExpression needsQuotes(QStringLiteral("[\",\r\n]|^\\s|\\s$"));
    const auto line = [](const QStringList& cells) {
        QStringList fields;
        for (QString cell : cells) {
            if (cell.contains(needsQuotes))
                cell = u'"' + cell.replace(QStringLiteral("\""), QStringLiteral("\"\"")) + u'"';
            fields << cell;
        }
        return fields.join(u',') + QStringLiteral("\r\n");
    };
    QString text = line(table.headers);
    for (const print::ReportTable::Row& row : table.rows)
        text += line(row.cells);
    return text;
}

} // namespace reports
