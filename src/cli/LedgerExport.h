#pragma once
// The ledger in the store as CSV or QIF, in the register's order, for other finance
// programs (GnuCash, KMyMoney, HomeBank) to import.

#include <QString>

namespace cli {

// RFC 4180: a header row, CRLF line ends, fields quoted where needed; ISO dates; debits negative, credits positive.
// Columns: Date, Number, Description, Type, Amount, Balance, Locked. The first row after the header is the
// opening balance (type "Opening", dated the day before the first transaction, amount and balance the starting
// balance), so that every Balance is the running sum of the Amounts above it.
QString ExportCsv();
// !Type:Bank with D (MM/DD/YYYY), T (signed), N (check number), P (payee or description), CX for locked records
// (reconciled), each record ended by ^. A non-zero starting balance comes first as QIF's opening balance: an
// "Opening Balance" record with L[account], the account being the data file's name.
QString ExportQif();

} // namespace cli
