#pragma once
// The store's state, private to the store and to storage (its data file, companion and recovery journal). Nothing
// else includes this.

#include "ledger/ClearMarks.h"
#include "ledger/Ledger.h"
#include "ledger/Schedules.h"
#include "model/Category.h"
#include "model/DiskStamp.h"
#include "model/LedgerContents.h"
#include "platform/Result.h"

#include <vector>

namespace ledger {

// A slot's memo, payee's address and place in the print queue (CheckDetails.h).
struct CheckDetail {
    QString memo;
    QStringList address;
    bool waitingToPrint = false;
    bool operator==(const CheckDetail&) const = default;
};

// The marks, statements, bank ids, check details and categories of a ledger (ClearMarks.h, CheckDetails.h,
// Categories.h) by slot, deleted
// slots included. The vectors reach only as far as the last slot that has something.
struct ClearMarkState {
    std::vector<ClearMark> marks;
    std::vector<QString> bankIds;
    std::vector<CheckDetail> details;
    std::vector<CategoryAssignment> categories;
    std::vector<ReconciledStatement> statements; // slots as recorded
    QStringList deletedBankIds;                  // of records deleted before the ledger was last loaded

    ClearMark MarkOf(int slot) const { return size_t(slot) < marks.size() ? marks[size_t(slot)] : ClearMark::None; }
    QString BankIdOf(int slot) const { return size_t(slot) < bankIds.size() ? bankIds[size_t(slot)] : QString(); }
    CheckDetail DetailOf(int slot) const {
        return size_t(slot) < details.size() ? details[size_t(slot)] : CheckDetail();
    }
    CategoryAssignment CategoryOf(int slot) const {
        return size_t(slot) < categories.size() ? categories[size_t(slot)] : CategoryAssignment();
    }
    void SetMark(int slot, ClearMark mark);
    void SetBankId(int slot, const QString& bankId);
    void SetDetail(int slot, const CheckDetail& detail);
    void SetCategory(int slot, const CategoryAssignment& category);
    // Slots from `nextSlot` on have nothing.
    void DropFrom(int nextSlot);
};

// The records and header values (LedgerContents) and what the store keeps beside them.
struct LedgerState : LedgerContents {
    int16_t Cursor = 0;
    bool Modified = false;
    bool RecordsLocked = false;
    QString DataFileName;
    // The file as the store last read or wrote it (symbolic links followed) and its bytes, so that a save notices
    // a file that someone else has replaced since; no stamp for a ledger that has no file yet.
    QString StampedFile;
    DiskStamp Stamp;
    QByteArray StampedBytes;
    ClearMarkState Marks;
    std::vector<Schedule> Schedules; // kept in the companion as well (storage/Companion.h)
    // The ledger's list of categories and its import rules (Categories.h), in the companion too.
    QStringList KeptCategories;
    std::vector<CategoryRule> CategoryRules;
    // The companion file (storage/Companion.h) that the last load could not use or did not find, and why ("it is
    // damaged"): no save writes over a file at that path, whatever it holds by now; a save that finds none there
    // writes one. A save that finds a companion it cannot use sets them as well.
    QString UnusableCompanion;
    QString UnusableProblem;
    // The last save replaced the data file but failed to put its companion in place: the next save writes the data
    // file again only when the ledger changed since, so that its .bak stays the version before.
    bool CompanionPending = false;
    CompanionLoad LastLoad;
};

// The one program-wide ledger.
LedgerState& State();

// The record of a slot in use (not deleted), or none: what a slot's marks, details and category belong to.
inline const TransactionRecord* LiveRecord(int slot) {
    const LedgerState& s = State();
    if (slot < 1 || slot >= s.NextSlot || s.Records[size_t(slot)].TypeCode == Deleted)
        return nullptr;
    return &s.Records[size_t(slot)];
}

// DeletedBankIds of `state`.
QStringList DeletedBankIdsOf(const LedgerState& state);

// Recovery journal hooks of the store's changing operations: they reach the journal through JournalHooks
// (StoreHooks.h), and nothing happens while the journal is off. Each returns the journal's failure, in words for
// the user; the store's operation that made the change shows it (ShowJournalFailure). A slot's record or the
// ledger-wide values have changed.
platform::Result<> JournalSlot(int index);
platform::Result<> JournalValues();
// A slot's mark or bank id has changed; a statement was recorded.
platform::Result<> JournalMark(int index);
// A slot's check details (memo, address, print queue) have changed.
platform::Result<> JournalDetail(int index);
// A slot's category or split has changed.
platform::Result<> JournalCategory(int index);
// The list of categories and the import rules, replacing those before.
platform::Result<> JournalCategoryList();
platform::Result<> JournalStatement(const ReconciledStatement& statement);
// Every mark, statement and deleted bank id at once, replacing those before: for a change that takes one back.
platform::Result<> JournalAllMarks();
// The whole list of schedules, replacing the one before.
platform::Result<> JournalSchedules();
// The ledger in memory was replaced (New, a load) or saved: its journal, which it no longer needs, is removed.
platform::Result<> EndJournal();
// The file was written but the ledger stays modified (its companion failed): the journal begins again from the
// file as it is now, so that a crash does not leave a journal of a file that has changed since.
platform::Result<> RestartJournal();
// The store's operations tell the user what the journal could not do, in a message box: nothing below them does.
void ShowJournalFailure(const platform::Result<>& journalled);

// NewLedger lets go of the file the store held (storage/LedgerHold.h).
void ReleaseFile();

// A fresh slot array: slots 0 to 2, all zero.
std::vector<TransactionRecord> FreshSlots();

} // namespace ledger
