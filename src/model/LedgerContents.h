#pragma once
// What a data file carries: the records by slot and the ledger-wide values of its header. The store keeps its
// ledger in this shape, and the data file's reader fills one.

#include "model/TransactionRecord.h"

#include <vector>

namespace ledger {

// Slots are added 50 at a time, never one by one.
constexpr int SlotGrowth = 50;

struct LedgerContents {
    std::vector<TransactionRecord> Records; // size = upper bound + 1; empty before the first ledger exists
    int32_t NextSlot = 0;
    int32_t LiveCount = 0;
    int16_t NextCheckNumber = 0;
    float StartingBalance = 0;
    double LockDate = 0;

    int UpperBound() const { return int(Records.size()) - 1; }
};

} // namespace ledger
