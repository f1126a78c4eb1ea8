#pragma once
// The store knows nothing of files. Storage, above it, hooks in here: the recovery journal hears of each change
// (the Journal* calls of LedgerState.h), and the hold of the data file ends with the ledger. A hook not set does
// nothing.

#include "model/ClearMark.h"
#include "platform/Result.h"

namespace ledger {

// Each returns the journal's failure, in words for the user; the store shows it.
struct JournalHooks {
    platform::Result<> (*slot)(int index) = nullptr;
    platform::Result<> (*values)() = nullptr;
    platform::Result<> (*mark)(int index) = nullptr;
    platform::Result<> (*detail)(int index) = nullptr;
    platform::Result<> (*category)(int index) = nullptr;
    platform::Result<> (*categoryList)() = nullptr;
    platform::Result<> (*statement)(const ReconciledStatement& statement) = nullptr;
    platform::Result<> (*allMarks)() = nullptr;
    platform::Result<> (*schedules)() = nullptr;
    platform::Result<> (*batchEnded)() = nullptr; // the outermost ChangeBatch ended
    platform::Result<> (*end)() = nullptr;
    platform::Result<> (*restart)() = nullptr;
};
void SetJournalHooks(const JournalHooks& hooks);

// Called by NewLedger (ReleaseFile).
void SetReleaseFileHook(void (*release)());

} // namespace ledger
