#pragma once
// Recovery of unsaved changes. While the journal is on (the window turns it on), every change that reaches the
// ledger store is appended to a journal in the user's state folder and synced to disk before the store returns;
// a save that succeeds, New and a load remove it. After a crash the next copy of the program finds the journal
// and offers its changes back.

#include "ledger/ChangeBatch.h"
#include "platform/Result.h"
#include "storage/RecoveryJournal.h"

#include <QDateTime>
#include <QString>
#include <cstdint>
#include <optional>

namespace ledger {

// Also hooks the journal into the store (ledger/StoreHooks.h), which tells it of every change.
void SetRecoveryJournal(bool on);

// The register keeps its edits until it closes and then writes them back with UpdateTransaction. Each one goes to
// the journal as it is committed: `pending` is the record the write-back will give the slot, or, for an edit taken
// back, empty (the record the store still holds). A crash then loses none of them: the recovered ledger has them as
// if the register had been closed. The store does not change. Nothing happens for a slot not in use.
void JournalPendingRecord(int16_t slot, const std::optional<TransactionRecord>& pending);

// $XDG_STATE_HOME/tallix/recovery.
QString RecoveryFolder();
// The journal of the ledger file at `ledgerPath`: named from its canonical path, so every name of one file finds
// one journal.
QString JournalPathFor(const QString& ledgerPath);

struct PendingRecovery {
    QString journalPath;
    JournalContents contents;
    int changeCount = 0;
    QDateTime lastChange;
    bool ledgerChanged = false; // the file is no longer the one the journal began with
};

// The words of FileRead, and Foreign: the journal under this ledger's name was written for another ledger (a copied
// or renamed file).
enum class RecoveryFound { Missing, Read, Unreadable, Foreign };
struct RecoverySearch {
    RecoveryFound found = RecoveryFound::Missing;
    PendingRecovery pending;
    QString error;       // Unreadable: why
    QString keptAs;      // Unreadable, Foreign: the name it was moved to
    QString otherLedger; // Foreign: the ledger it was written for (empty: one that never had a file)
};
// The journal of the ledger at `ledgerPath`, or for an empty path the newest journal of a ledger that never had a
// file; journals that a running copy writes are left alone. One that cannot be read, or that names another
// ledger, is never applied: it is moved aside (never deleted) and reported.
RecoverySearch FindRecovery(const QString& ledgerPath);
// The same search, touching nothing: for tallix-cli check.
RecoverySearch PeekRecovery(const QString& ledgerPath);
// Puts the ledger in memory back as the journal left it (its first entry holds the whole ledger, each later one a
// change); the ledger is then modified, and the journal goes on as this copy's. A journal of a file that changed
// since (ledgerChanged) would undo those changes: it is applied to a new ledger, after NewLedger, as a copy.
struct AppliedRecovery {
    int entries = 0; // one that does not fit the ledger (damaged on disk) ends the replay there
    // The journal of the ledger in memory before could not be removed (the recovery took place all the same).
    platform::Result<> previousJournal;
};
AppliedRecovery ApplyRecovery(const PendingRecovery& pending);
void DiscardRecovery(const PendingRecovery& pending);

// Ends the journal of the ledger in memory (the user chose not to save it); a failure when it cannot be removed.
platform::Result<> DiscardJournal();

} // namespace ledger
