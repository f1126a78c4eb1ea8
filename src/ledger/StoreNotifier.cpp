#include "ledger/StoreNotifier.h"

namespace ledger {

namespace {

int held = 0;
bool changedWhileHeld = false;

} // namespace

StoreNotifier& Notifier() {
    static StoreNotifier notifier;
    return notifier;
}

void NoteStoreChange() {
    if (held > 0)
        changedWhileHeld = true;
    else
        Q_EMIT Notifier().Changed();
}

void HoldStoreNotices() {
    ++held;
}

void ReleaseStoreNotices() {
    if (--held > 0 || !changedWhileHeld)
        return;
    changedWhileHeld = false;
    Q_EMIT Notifier().Changed();
}

} // namespace ledger
