#pragma once
// The ledger's checks as they are printed: read from the store in check-number order, with their memos and
// addresses. The Print Checks window and tallix-cli checks print the same ones.

#include "model/TransactionRecord.h"
#include "print/CheckPrint.h"

#include <cstdint>
#include <vector>

namespace print {

struct LedgerCheck {
    int16_t slot = 0;
    ledger::TransactionRecord record;
};

// Every check of the ledger (deleted records and payments aside), by check number, then slot.
std::vector<LedgerCheck> ChecksByNumber();

CheckToPrint CheckToPrintOf(const LedgerCheck& check);

} // namespace print
