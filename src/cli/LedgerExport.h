#pragma once
// The ledger in the store as CSV or QIF, in the order of a register filled from it (FillRegister), for other finance
// programs (GnuCash, KMyMoney, HomeBank) to import.

#include "platform/FlexGrid.h"

#include <QString>

namespace cli {

// RFC 4180: a header row, CRLF line ends, fields quoted where needed; ISO dates; debits negative, credits positive.
// Columns: Date, Number, Description, Type, Amount, Balance, Locked.
QString ExportCsv(const platform::FlexGrid& grid);
// !Type:Bank with D (MM/DD/YYYY), T (signed), N (check number), P (payee or description), C* for locked records
// (cleared), each record ended by ^. A non-zero starting balance comes first as an "Opening Balance" record.
QString ExportQif(const platform::FlexGrid& grid);

} // namespace cli
