#pragma once
// `tallix-cli report`: the report's figures (register/CategoryReport.h) in the terminal or as CSV.

#include "register/CategoryReport.h"

#include <QString>
#include <QStringList>
#include <QTextStream>

namespace cli {

enum class ReportBy { Category, Payee, Month };

// The figures of the ledger in the store for `period`, each beside the previous period's. As text: aligned columns,
// amounts and dates in the user's locale, a total under each side. As CSV (RFC 4180, for other programs): English
// headers, plain amounts with a "." and no grouping, ISO dates, no totals.
QString ReportText(ReportBy by, const report::Period& period, bool csv);

// `tallix-cli report LEDGER --by category|payee|month [--from D --to D] [--csv]`: this year unless --from or --to
// replaces its first or last day. 0 on success, 1 when the ledger cannot be read, 2 on a usage error.
int RunReport(const QStringList& args, QTextStream& out, QTextStream& err);

} // namespace cli
