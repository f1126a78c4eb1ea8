#pragma once
// A year of believable household transactions, for trying the program out (`tallix --demo`) and for measuring it.

#include <QDate>

namespace ledger {

// Replaces the store's ledger with a sample: a year of paychecks, rent, bills, groceries, fees and interest up to
// `lastDay`, starting balance 2,500.00, checks numbered from 1001, and everything up to the end of the first
// quarter locked as balanced. The same `lastDay` always gives the same ledger. The store is left modified and
// without a file name.
void BuildSampleLedger(const QDate& lastDay);

} // namespace ledger
