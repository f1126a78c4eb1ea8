#pragma once
// The transaction rules (model/TransactionRules.h) that ask the store: a check's number, the lock date that new
// and edited dates must follow.

#include "model/TransactionRecord.h"
#include "platform/Result.h"

#include <cstdint>
#include <optional>

namespace ledger {

// The first check in the ledger with this number; none for a number no check carries (a payment's -1, the 0 of
// the other kinds). Deleted records are no checks.
std::optional<TransactionRecord> FindCheck(int16_t checkNumber);
// New entries and edited dates must fall after the lock date. A failure ("Date must be greater than " and the lock
// date) when `date` may not be used.
platform::Result<> CheckAfterLockDate(double date);

} // namespace ledger
