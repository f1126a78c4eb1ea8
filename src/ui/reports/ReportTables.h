#pragma once
// The reports' figures as the tables and charts the window shows, prints and exports: one table for the screen and
// the page (amounts in the locale) and for CSV (plain numbers, dot decimals), so that all three agree.

#include "print/ReportChart.h"
#include "register/CategoryReport.h"

#include <QString>
#include <optional>
#include <vector>

namespace reports {

enum class NumberForm { Locale, Plain };

// "Spending" and "Income" with their totals, each followed by its categories one level deeper. Columns: Category,
// Amount, Share, and with `compare` Previous and Change; in the plain form a category's whole path. `paths` (when
// given) receives each row's category path, none for the two sides' rows; "no category" has the empty path.
print::ReportTable CategoryTable(const report::CategoryReport& figures, bool compare, NumberForm form,
                                 std::vector<std::optional<QString>>* paths = nullptr);
// Month, Income, Spending, Net (with `compare` the previous period's income and spending), and a total row.
print::ReportTable MonthTable(const std::vector<report::MonthLine>& months, bool compare, NumberForm form);
// Payee, Spending, Transactions (with `compare` Previous and Change), and a total row.
print::ReportTable PayeeTable(const std::vector<report::PayeeLine>& payees, bool compare, NumberForm form);

// The top-level categories of one side as bars or a pie, with the previous period beside when compared.
print::ReportChart CategoryChart(const report::CategoryReport& figures, bool income, bool compare,
                                 print::ReportChartKind kind);
// Income and spending of every month, in their order.
print::ReportChart MonthChart(const std::vector<report::MonthLine>& months);

// "1/1/2026 to 12/31/2026" in the locale's short dates.
QString PeriodText(const report::Period& period);
// RFC 4180: the headers, then the rows, CRLF line ends, fields quoted where needed.
QString CsvText(const print::ReportTable& table);

} // namespace reports
