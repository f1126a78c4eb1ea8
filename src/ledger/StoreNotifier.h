#pragma once
// What shows the ledger store learns here that the store changed, instead of being refreshed by hand after each
// command: its records, marks, statements, lock date, starting balance, next check number or schedules, or the
// ledger as a whole (new, loaded, recovered). Not its file name: a save changes no figure. A ChangeBatch is told once,
// when it ends, so that a statement imported or a register written back costs one refresh, not one per record.

#include <QObject>

namespace ledger {

class StoreNotifier : public QObject {
    Q_OBJECT
public:
    Q_SIGNAL void Changed();
};

// The notifier of the one program-wide store.
StoreNotifier& Notifier();

// Called by the store's changing operations (through their journal hooks, StoreHooks.cpp), a load and a recovery.
void NoteStoreChange();
// A batch of changes begins and ends (ChangeBatch): the listeners hear of them once, at the outermost end.
void HoldStoreNotices();
void ReleaseStoreNotices();

} // namespace ledger
