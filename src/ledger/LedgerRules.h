#pragma once
// The transaction rules (model/TransactionRules.h) that ask the store: a check's number, the lock date that new
// and edited dates must follow.

#include "model/TransactionRecord.h"

#include <cstdint>
#include <optional>

namespace ledger {

// The first check in the ledger with this number; none for a number no check carries (a payment's -1, the 0 of
// the other kinds). Deleted records are no checks.
std::optional<TransactionRecord> FindCheck(int16_t checkNumber);
// New entries and edited dates must fall after the lock date. True when `date` may be used; otherwise the user
// has been told "Date must be greater than " and the lock date.
bool CheckAfterLockDate(double date);

} // namespace ledger
