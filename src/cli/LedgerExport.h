#pragma once
// The ledger in the store as CSV, QIF or a plain-text accounting journal, in the register's order, with its
// categories and splits, for other finance programs (GnuCash, KMyMoney, HomeBank, hledger, ledger-cli) to import.

#include <QString>

namespace cli {

// RFC 4180: a header row, CRLF line ends, fields quoted where needed; ISO dates; debits negative, credits positive.
// Columns: Date, Number, Description, Type, Amount, Balance, Locked, Category, Split. The first row after the header
// is the opening balance (type "Opening", dated the day before the first transaction, amount and balance the
// starting balance), so that every Balance is the running sum of the Amounts above it. One row per transaction, so
// that the amounts import back as they are: a split's Category is empty and its Split holds the parts as
// CATEGORY=AMOUNT or CATEGORY=AMOUNT=MEMO joined by "|" (a "\", "|" or "=" in a name or memo after a "\"), each
// amount signed as the Amount column, which they add up to.
QString ExportCsv();
// !Type:Bank with D (MM/DD/YYYY), T (signed), N (check number), P (payee or description), CX for locked records
// (reconciled), L the category, and for a split an S (category), E (memo) and $ (amount, signed as T) per part; a
// category "Transfer:X" is written as the transfer [X]. Each record ended by ^. A non-zero starting balance comes
// first as QIF's opening balance: an "Opening Balance" record with L[account], the account being the data file's
// name.
QString ExportQif();
// A journal hledger and ledger-cli read: a transaction per record (date, * when locked, the check number as its
// code, the description), a posting per category or part to Expenses:PATH or Income:PATH by the side of its
// top-level category (report::IsIncomeCategory), Expenses:Uncategorized or Income:Uncategorized by its direction
// when it has none, and one to the ledger's account, Assets:NAME after the data file's name (Assets:Checking without
// one). Amounts plain with two decimals, so that the balances of those accounts are the report's figures. The
// starting balance comes first against Equity:Opening Balances. In account names a run of blanks becomes one
// space and ";" a ","; a description loses "|", ";" and a leading "*" or "!", and a leading "(" becomes "[".
QString ExportJournal();

} // namespace cli
