#pragma once
// A year of believable household transactions, for trying the program out (`tallix --demo`) and for measuring it.

#include <QDate>

namespace ledger {

// Replaces the store's ledger with a sample: a year of paychecks, rent, bills, groceries, fees and interest up to
// `lastDay`, starting balance 2,500.00, checks numbered from 1001, everything up to the end of the first quarter
// reconciled and locked, and everything since cleared up to the end of last month but that month's last checks; the
// rent, the paycheck, the car insurance and the electric bill (its amount varies) scheduled from the day after
// `lastDay`; every transaction in a category of DefaultCategories() (the supermarket's larger bills split into
// groceries and household goods), with import rules for the paycheck and fuel. The same `lastDay` always gives the same
// ledger. The store is left modified and without a file name.
void BuildSampleLedger(const QDate& lastDay);

// Writes the sample ending `lastDay` to `path` (replacing what is there) and leaves the store with an empty ledger.
// False, with the save's own message shown, when the file cannot be written.
bool WriteSampleLedger(const QString& path, const QDate& lastDay);

} // namespace ledger
