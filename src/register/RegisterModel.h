#pragma once
// The register window's working copy of the ledger: its rows in order with their running balances, what the user
// changed in them, and the history of those changes. Every change to a row goes through here, and each says what
// it did to the rows, so that a view (the window's grid) follows without reading anything back.
//
// As the window has it: edits and lock changes reach the ledger store at write-back (when the window closes);
// deletions, the lock date, cleared marks and the Enter or Skip of a scheduled occurrence at once; every edit and lock
// change reaches the recovery journal at once, so that a crash before the write-back loses none of them. The running
// balances follow every change of an amount, a date or the rows, undos included.

#include "platform/LocaleCodec.h"
#include "register/Forecast.h"
#include "register/RegisterRows.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

// What a change did to the rows, in the order a view applies it. Indexes count from 0.
struct RegisterUpdate {
    int removed = -1;          // a row was taken out here
    int inserted = -1;         // a row was put in here (after the removal)
    std::vector<int> order;    // when not empty: the row now at index i stood at order[i]
    std::vector<int> rows;     // rows whose cells changed (indexes after the moves)
    std::vector<int> flags;    // rows whose changed marker, lock or cleared mark alone changed
    std::vector<int> balances; // rows whose balance changed
    int current = -1;          // the row the change was made in, where it stands now
    int column = 0;            // the column it was made in (0 for a lock change)
    bool lockChanged = false;  // a lock command: the lock date or the records-locked flag may have changed
};

class RegisterModel {
public:
    explicit RegisterModel(const platform::LocaleCodec& codec) : codec(codec) {}

    // The rows of the ledger store, sorted and balanced, nothing changed; the history starts empty. Sets the
    // store's records-locked flag when a record is locked (never clears it).
    void Load();
    int Count() const { return int(rows.size()); }
    const RegisterRow& At(int index) const { return rows[size_t(index)]; }
    const std::vector<RegisterRow>& Rows() const { return rows; }
    // The row that holds a slot's record, or -1.
    int IndexOfSlot(int slot) const;
    const platform::LocaleCodec& Codec() const { return codec; }

    enum class Outcome { Unchanged, Changed, Refused };
    // How the parts of a split follow a new amount: in proportion (ledger::ScaledParts), or the last part takes
    // the difference (ledger::PartsWithDifferenceInLast).
    enum class PartsFollow { Scale, DifferenceInLast };
    // A text typed into the check number, description or an amount column: refused when the record cannot hold
    // it (see the rules below); unchanged when it says what the row holds already (nothing is marked or
    // recorded); otherwise the row takes it, shows it as typed and is marked changed. One step of the history.
    // A split's parts follow a new amount as `parts` says, in the same step; the store then has the amount at once,
    // as it has the parts.
    Outcome CommitText(int index, int column, const QString& text, RegisterUpdate& update,
                       PartsFollow parts = PartsFollow::Scale);
    // The text would change the amount of a split row, whose parts must then follow.
    bool ChangesSplitAmount(int index, int column, const QString& text) const;
    // The memo column takes any text of up to MaxMemoLength characters, and only for a check or payment; the store
    // has it at once, as it has a mark.
    // The category column takes a path, tidied (ledger::NormalizedCategory) and spelled as the ledger's list
    // spells it where only the case differs, or nothing; a new path joins the list, and the store has it at once.
    // Refused for a locked row, a split (SetCategory changes one) and a path too long.
    // A date picked for a row: the row takes it, is marked, the rows are sorted and balanced. Unchanged for the
    // day the row has already. The lock date is the caller's to check.
    Outcome CommitDate(int index, double day, RegisterUpdate& update);
    // Deletes the row's record in the store; when the store agrees, the row goes and the rows are rebalanced.
    bool Delete(int index, RegisterUpdate& update);
    // Locks every row dated on or before `day` (flag, changed marker, records-locked flag) and makes `day` the
    // lock date. False, with nothing changed, for no day.
    bool LockThrough(std::optional<double> day, RegisterUpdate& update);
    // Unlocks every locked row (marking it changed) and clears the records-locked flag and the lock date.
    void Unlock(RegisterUpdate& update);
    // Sorts the rows into the register's order; balances from the starting balance. Not history steps.
    void Sort(RegisterUpdate& update);
    void Rebalance(RegisterUpdate& update);
    // Marks a row changed, once.
    void MarkChanged(int index);

    // A row's category or split as a whole: refused for a locked row and for parts that do not fit the row's
    // amount. The store has it at once, and for a split the row's amount as well. One step of the history.
    Outcome SetCategory(int index, const ledger::CategoryAssignment& assignment, RegisterUpdate& update);
    // A typed category tidied (ledger::NormalizedCategory) and spelled as the ledger's list spells it where only the
    // case differs: "food:groceries" is the Food:Groceries the list has, not a second category beside it.
    static QString ListedSpelling(const QString& typed);
    // The one category that parts come back to when they are no longer a split: the first part's that has one.
    static QString OneCategoryOf(const std::vector<ledger::SplitPart>& parts);

    // The payee's address of a check or payment (up to 4 lines of up to 60 characters): the store has it at once.
    // Refused for other rows, a locked one and an address too long. One step of the history.
    Outcome SetAddress(int index, const QStringList& lines, RegisterUpdate& update);
    // Voids a check that is not locked: its number and date stay, its amount becomes 0.00 and its description
    // "VOID " and the description, and it leaves the queue of checks to print. Refused for other rows; unchanged
    // for one voided already. One step of the history.
    Outcome Void(int index, RegisterUpdate& update);
    static bool IsVoidable(const RegisterRow& row);

    // Cleared on, or off again, for a row that is not reconciled; the store has it at once. Refused for a
    // reconciled (locked) row. One step of the history.
    Outcome ToggleCleared(int index, RegisterUpdate& update);

    // A bank statement against the rows dated up to its closing day: the cleared balance (the starting balance,
    // every reconciled row and every cleared one) and what is still outstanding.
    struct Reconciliation {
        int64_t clearedCents = 0;
        int64_t differenceCents = 0;  // cleared balance minus the statement's
        std::vector<int> outstanding; // neither cleared nor reconciled, in row order
        int outstandingDebits = 0;
        int64_t outstandingDebitCents = 0;
        int outstandingCredits = 0;
        int64_t outstandingCreditCents = 0;
        int toReconcile = 0; // cleared rows that Finish would reconcile
        // Where the difference is not 0: outstanding rows whose clearing would make it 0 (one row, or a pair),
        // and whether it is divisible by 9, as two digits swapped in an amount make it.
        std::vector<int> clearingOne;
        std::vector<int> clearingPair;
        bool digitsSwapped = false;
    };
    Reconciliation Reconcile(double day, int64_t statementCents) const;
    // At a difference of 0: every cleared row up to `day` is reconciled and locked, and the statement (date,
    // ending balance, the rows it reconciled) is recorded. The lock date moves to `day` only when no row up to it
    // is outstanding. False, with nothing changed, at any other difference or with nothing to reconcile. One step.
    bool Finish(double day, int64_t statementCents, RegisterUpdate& update);

    // Enters an upcoming occurrence as a real transaction: the store takes it at once, as it takes a deletion,
    // with the occurrence's day, amount and description (and the next check number for a check), and its schedule
    // counts the occurrence done. The new row's index; -1, with nothing changed, when the store is full. The lock
    // date is the caller's to check. One step of the history.
    int Enter(const UpcomingRow& upcoming, RegisterUpdate& update);
    // Drops an upcoming occurrence: its schedule counts it done and nothing is added. One step.
    bool Skip(const UpcomingRow& upcoming);
    // Adds a schedule at the end of the ledger's. One step.
    bool AddSchedule(const ledger::Schedule& schedule);
    // What Repeat... offers for a row: its transaction every month on its day, from its date, that date done.
    static ledger::Schedule RepeatOf(const RegisterRow& row);

    // The balance at the end of `day` from the rows' own amounts (it follows edits not yet balanced).
    int64_t BalanceOn(double day) const;
    // Writes every changed row back into its slot; returns the number of rows written. What the user did not edit
    // goes back exactly as it was stored.
    int WriteBack() const;

    bool CanUndo() const { return done > 0; }
    bool CanRedo() const { return done < changes.size(); }
    // Takes back the last change, or makes the last one taken back again: rows, order, balances, marks, the lock
    // date and the store as they were. False when there was nothing to do or the store no longer agrees.
    bool Undo(RegisterUpdate& update);
    bool Redo(RegisterUpdate& update);

    // A check-number text holds nothing, or a whole number from 1 to 32767.
    static bool IsValidCheckNumberText(const QString& text);
    // An amount text is as the user types it (digits, the locale's decimal separator, two decimals at most) and
    // one the ledger can keep to the cent; nothing else, not even an empty text.
    static bool IsValidAmountText(const QString& text);

private:
    // A row's editable values, before or after a change.
    struct RowValues {
        ledger::TransactionRecord record;
        std::optional<double> dateDay;
        QString typedCheckNumber;
        QString typedDescription;
        QString typedAmount;
        bool changed = false;
        bool descriptionHasControls = false;
        bool operator==(const RowValues&) const = default;
    };
    struct LockChange {
        int slot;
        int16_t locked[2];
        bool changed[2];
        ledger::ClearMark mark[2];
    };
    // A slot's check details, as the store keeps them.
    struct Details {
        QString memo;
        QStringList address;
        bool waitingToPrint = false;
    };
    enum class Kind { Edit, Delete, Lock, Mark, Enter, Schedules, Details, Category };
    struct Change {
        Kind kind = Kind::Edit;
        int slot = 0;
        int column = 0;
        RowValues values[2];               // Edit: the row before, after
        std::vector<int> order[2];         // Edit: slots in row order before, after, when the rows moved
        RegisterRow deleted;               // Delete: the row as it was
        int index = 0;                     // Delete: where it stood
        bool modified[2] = {false, false}; // Delete: the store's modified flag
        std::vector<LockChange> locks;     // Lock: the rows it changed
        double lockDate[2] = {0, 0};
        bool recordsLocked[2] = {false, false};
        std::optional<ledger::ReconciledStatement> statement; // Lock: recorded by Finish
        ledger::ClearMark mark[2] = {};                       // Mark: the slot's mark before, after
        std::vector<ledger::Schedule> schedules[2];           // Enter, Schedules: the ledger's before, after
        int16_t nextCheckNumber[2] = {0, 0};                  // Enter: the ledger's before, after
        Details details[2];                                   // Details, and an Edit that voids: before, after
        bool detailsChanged = false;
        // Category, and an Edit that changed a split's amount or voided one: before, after.
        ledger::CategoryAssignment category[2];
        bool categoryChanged = false;
        // The store's amount, where a split needed it to be the row's before the write-back: before, after.
        float storeAmount[2] = {0, 0};
        bool storeAmountChanged = false;
    };

    static RowValues ValuesOf(const RegisterRow& row);
    static Details DetailsOf(int slot);
    // The store takes `details` for the slot and its row shows them; false when the store refuses.
    bool PutDetails(int slot, const Details& details, RegisterUpdate& update);
    Outcome ChangeDetails(int index, int column, const Details& after, RegisterUpdate& update);
    // The store takes the category of `side` for the change's slot (and first its amount, where the change moved
    // it) and its row shows it; false when the store refuses.
    bool PutCategory(const Change& change, int side, RegisterUpdate& update);
    Outcome CommitCategory(int index, const QString& text, RegisterUpdate& update);
    // Records in the change the store's amount before and the row's, which the store must hold for a split.
    void MoveStoreAmount(Change& change) const;
    // A split row's new amount (the change's values after): its parts follow, in the store with the amount.
    bool FollowAmount(Change& change, PartsFollow parts, RegisterUpdate& update);
    static void SetValues(RegisterRow& row, const RowValues& values);
    std::vector<int> SlotOrder() const;
    // Puts the rows in the order of `slots` (a permutation of the rows' slots).
    void Arrange(const std::vector<int>& slots, RegisterUpdate& update);
    // Runs a lock, an unlock or a Finish and records the rows, marks, lock date and flag it changed; the change
    // recorded, if it changed anything.
    Change* RecordLock(const std::function<void()>& lock, RegisterUpdate& update);
    // A deleted row back in its place (`present`), or out again: a Delete or an Enter taken back or made again.
    bool PutRow(const Change& change, bool present, RegisterUpdate& update);
    bool ChangeSchedules(std::vector<ledger::Schedule> after);
    void Record(Change change);
    // The records a change leaves its rows to write back, in the recovery journal now.
    void JournalPending(const Change& change) const;
    bool Apply(const Change& change, int side, RegisterUpdate& update);
    void RebuildSlotIndex();

    const platform::LocaleCodec& codec;
    std::vector<RegisterRow> rows;
    std::vector<int> indexOfSlot; // by slot; -1 for none
    std::vector<Change> changes;
    size_t done = 0; // changes[0..done) are in effect
};
