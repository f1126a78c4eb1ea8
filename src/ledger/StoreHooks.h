#pragma once
// The store knows nothing of files. Storage, above it, hooks in here: the recovery journal hears of each change
// (the Journal* calls of LedgerState.h), and the hold of the data file ends with the ledger. A hook not set does
// nothing.

#include "model/ClearMark.h"

namespace ledger {

struct JournalHooks {
    void (*slot)(int index) = nullptr;
    void (*values)() = nullptr;
    void (*mark)(int index) = nullptr;
    void (*statement)(const ReconciledStatement& statement) = nullptr;
    void (*allMarks)() = nullptr;
    void (*schedules)() = nullptr;
    void (*batchEnded)() = nullptr; // the outermost ChangeBatch ended
    void (*end)() = nullptr;
    void (*restart)() = nullptr;
};
void SetJournalHooks(const JournalHooks& hooks);

// Called by NewLedger (ReleaseFile).
void SetReleaseFileHook(void (*release)());

} // namespace ledger
