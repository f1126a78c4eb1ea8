#pragma once
// The store's state, private to the ledger module (the store and its data file). Nothing else includes this.

#include "ledger/Ledger.h"
#include <vector>

namespace ledger {

struct LedgerState {
    std::vector<TransactionRecord> Records; // size = upper bound + 1; empty before the first ledger exists
    int32_t NextSlot = 0;
    int32_t LiveCount = 0;
    int16_t Cursor = 0;
    int16_t NextCheckNumber = 0;
    float StartingBalance = 0;
    double LockDate = 0;
    bool Modified = false;
    bool RecordsLocked = false;
    QString DataFileName;

    int UpperBound() const { return int(Records.size()) - 1; }
};

// The one program-wide ledger.
LedgerState& State();

// Slots are added 50 at a time, never one by one.
constexpr int SlotGrowth = 50;
// A fresh slot array: slots 0 to 2, all zero.
std::vector<TransactionRecord> FreshSlots();

} // namespace ledger
