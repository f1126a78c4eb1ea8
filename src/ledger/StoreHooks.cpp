#include "ledger/StoreHooks.h"

#include "ledger/ChangeBatch.h"
#include "ledger/LedgerState.h"
#include "ledger/StoreNotifier.h"

namespace ledger {

namespace {
struct Hooks {
    JournalHooks journal;
    void (*release)() = nullptr;
    int batchDepth = 0;
};

Hooks& H() {
    static Hooks hooks;
    return hooks;
}

template <typename Hook, typename... Args> void Call(Hook hook, const Args&... args) {
    if (hook)
        hook(args...);
}
} // namespace

void SetJournalHooks(const JournalHooks& hooks) {
    H().journal = hooks;
}

void SetReleaseFileHook(void (*release)()) {
    H().release = release;
}

ChangeBatch::ChangeBatch() {
    H().batchDepth += 1;
    HoldStoreNotices();
}

ChangeBatch::~ChangeBatch() {
    if (--H().batchDepth == 0)
        Call(H().journal.batchEnded);
    ReleaseStoreNotices();
}

int ChangeBatchDepth() {
    return H().batchDepth;
}

void JournalSlot(int index) {
    NoteStoreChange();
    Call(H().journal.slot, index);
}
void JournalValues() {
    NoteStoreChange();
    Call(H().journal.values);
}
void JournalMark(int index) {
    NoteStoreChange();
    Call(H().journal.mark, index);
}
void JournalStatement(const ReconciledStatement& statement) {
    NoteStoreChange();
    Call(H().journal.statement, statement);
}
void JournalAllMarks() {
    NoteStoreChange();
    Call(H().journal.allMarks);
}
void JournalSchedules() {
    NoteStoreChange();
    Call(H().journal.schedules);
}
void EndJournal() {
    Call(H().journal.end);
}
void RestartJournal() {
    Call(H().journal.restart);
}
void ReleaseFile() {
    Call(H().release);
}

} // namespace ledger
