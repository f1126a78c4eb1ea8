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

template <typename... Args> void Call(void (*hook)(Args...), const Args&... args) {
    if (hook)
        hook(args...);
}

template <typename... Args>
platform::Result<> CallJournal(platform::Result<> (*hook)(Args...), const std::decay_t<Args>&... args) {
    if (!hook)
        return {};
    return hook(args...);
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
        ShowJournalFailure(CallJournal(H().journal.batchEnded));
    ReleaseStoreNotices();
}

int ChangeBatchDepth() {
    return H().batchDepth;
}

platform::Result<> JournalSlot(int index) {
    NoteStoreChange();
    return CallJournal(H().journal.slot, index);
}
platform::Result<> JournalValues() {
    NoteStoreChange();
    return CallJournal(H().journal.values);
}
platform::Result<> JournalMark(int index) {
    NoteStoreChange();
    return CallJournal(H().journal.mark, index);
}
platform::Result<> JournalDetail(int index) {
    NoteStoreChange();
    return CallJournal(H().journal.detail, index);
}
platform::Result<> JournalCategory(int index) {
    NoteStoreChange();
    return CallJournal(H().journal.category, index);
}
platform::Result<> JournalCategoryList() {
    NoteStoreChange();
    return CallJournal(H().journal.categoryList);
}
platform::Result<> JournalStatement(const ReconciledStatement& statement) {
    NoteStoreChange();
    return CallJournal(H().journal.statement, statement);
}
platform::Result<> JournalAllMarks() {
    NoteStoreChange();
    return CallJournal(H().journal.allMarks);
}
platform::Result<> JournalSchedules() {
    NoteStoreChange();
    return CallJournal(H().journal.schedules);
}
platform::Result<> EndJournal() {
    return CallJournal(H().journal.end);
}
platform::Result<> RestartJournal() {
    return CallJournal(H().journal.restart);
}
void ReleaseFile() {
    Call(H().release);
}

} // namespace ledger
