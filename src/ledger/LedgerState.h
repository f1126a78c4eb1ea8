#pragma once
// The store's state, private to the ledger module (the store and its data file). Nothing else includes this.

#include "ledger/DiskStamp.h"
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
    // The file as the store last read or wrote it (symbolic links followed) and its bytes, so that a save notices
    // a file that someone else has replaced since; no stamp for a ledger that has no file yet.
    QString StampedFile;
    DiskStamp Stamp;
    QByteArray StampedBytes;

    int UpperBound() const { return int(Records.size()) - 1; }
};

// The one program-wide ledger.
LedgerState& State();

// Recovery journal hooks of the store's changing operations (LedgerRecovery.cpp); nothing happens while the
// journal is off. A slot's record or the ledger-wide values have changed.
void JournalSlot(int index);
void JournalValues();
// The ledger in memory was replaced (New, a load) or saved: its journal, which it no longer needs, is removed.
void EndJournal();

// Slots are added 50 at a time, never one by one.
constexpr int SlotGrowth = 50;
// A fresh slot array: slots 0 to 2, all zero.
std::vector<TransactionRecord> FreshSlots();

} // namespace ledger
