// Undo and redo of the register's changes, as the typed values each one changed.
#include "register/RegisterModel.h"

#include "register/RegisterCells.h"
#include "storage/Recovery.h"

using namespace RegisterColumn;

namespace {
constexpr int Before = 0;
constexpr int After = 1;
} // namespace

std::vector<int> RegisterModel::SlotOrder() const {
    std::vector<int> slots;
    slots.reserve(rows.size());
    for (const RegisterRow& row : rows)
        slots.push_back(row.slot);
    return slots;
}

void RegisterModel::Arrange(const std::vector<int>& slots, RegisterUpdate& update) {
    std::vector<int> order;
    order.reserve(slots.size());
    for (const int slot : slots)
        order.push_back(IndexOfSlot(slot));
    PermuteRows(rows, order);
    RebuildSlotIndex();
    update.order = std::move(order);
}

void RegisterModel::Record(Change change) {
    changes.resize(done);
    changes.push_back(std::move(change));
    done = changes.size();
    JournalPending(changes.back());
}

void RegisterModel::JournalPending(const Change& change) const {
    // An edit or lock taken back leaves its row as the store has it: that goes to the journal too, over the edit.
    const auto journal = [this](int slot, bool onlyChanged) {
        const int index = IndexOfSlot(slot);
        if (index < 0)
            return;
        const RegisterRow& row = rows[size_t(index)];
        if (row.changed)
            ledger::JournalPendingRecord(int16_t(slot), row.record);
        else if (!onlyChanged)
            ledger::JournalPendingRecord(int16_t(slot), std::nullopt);
    };
    switch (change.kind) {
    case Kind::Edit:
        journal(change.slot, false);
        break;
    case Kind::Lock:
        for (const LockChange& lock : change.locks)
            journal(lock.slot, false);
        break;
    case Kind::Delete:
    case Kind::Enter:
        // A row put back keeps the edits it had; the store journals its record as it holds it.
        journal(change.slot, true);
        break;
    case Kind::Category:
        // The store's amount moved for a split: the row's other edits go over it again.
        if (change.storeAmountChanged)
            journal(change.slot, true);
        break;
    case Kind::Mark:
    case Kind::Schedules:
    case Kind::Details:
        break;
    }
}

bool RegisterModel::Undo(RegisterUpdate& update) {
    if (done == 0)
        return false;
    const ledger::ChangeBatch oneEntry;
    if (!Apply(changes[done - 1], Before, update)) {
        // The store no longer takes it back: nothing before it can be taken back safely either.
        changes.clear();
        done = 0;
        return false;
    }
    done -= 1;
    JournalPending(changes[done]);
    return true;
}

bool RegisterModel::Redo(RegisterUpdate& update) {
    if (done >= changes.size())
        return false;
    const ledger::ChangeBatch oneEntry;
    if (!Apply(changes[done], After, update)) {
        changes.resize(done);
        return false;
    }
    JournalPending(changes[done]);
    done += 1;
    return true;
}

bool RegisterModel::PutRow(const Change& change, bool present, RegisterUpdate& update) {
    if (!present) {
        const int index = IndexOfSlot(change.slot);
        if (index < 0 || !ledger::DeleteTransaction(int16_t(change.slot)))
            return false;
        rows.erase(rows.begin() + index);
        RebuildSlotIndex();
        update.removed = index;
        Rebalance(update);
        return true;
    }
    if (!ledger::RestoreTransaction(int16_t(change.slot), change.deleted.record.TypeCode))
        return false;
    if (change.kind == Kind::Delete)
        ledger::SetModified(change.modified[Before]);
    const int index = std::min(change.index, Count());
    rows.insert(rows.begin() + index, change.deleted);
    RebuildSlotIndex();
    update.inserted = index;
    update.rows.push_back(index);
    // Recomputed, never restored: the rows around it may have changed since.
    Rebalance(update);
    update.current = index;
    update.column = CheckNumber;
    return true;
}

bool RegisterModel::Apply(const Change& change, int side, RegisterUpdate& update) {
    // A step that restores a row and the lock date is one change for the recovery journal.
    const ledger::ChangeBatch batch;
    switch (change.kind) {
    case Kind::Edit: {
        const int index = IndexOfSlot(change.slot);
        if (index < 0)
            return false;
        if (change.detailsChanged && !PutDetails(change.slot, change.details[side], update))
            return false;
        if (change.categoryChanged && !PutCategory(change, side, update))
            return false;
        SetValues(rows[size_t(index)], change.values[side]);
        if (!change.order[side].empty())
            Arrange(change.order[side], update);
        Rebalance(update);
        update.current = IndexOfSlot(change.slot);
        update.rows.push_back(update.current);
        update.column = change.column;
        return true;
    }
    case Kind::Delete:
        return PutRow(change, side == Before, update);
    case Kind::Enter:
        if (!PutRow(change, side == After, update) || !ledger::SetSchedules(change.schedules[side]))
            return false;
        // An entered check raised the next check number; taken back, it gives the number back.
        if (change.nextCheckNumber[0] != change.nextCheckNumber[1])
            ledger::SetNextCheckNumber(change.nextCheckNumber[side]);
        return true;
    case Kind::Schedules:
        return ledger::SetSchedules(change.schedules[side]);
    case Kind::Lock: {
        for (const LockChange& lock : change.locks) {
            const int index = IndexOfSlot(lock.slot);
            if (index < 0)
                continue;
            RegisterRow& row = rows[size_t(index)];
            row.record.Locked = lock.locked[side];
            row.changed = lock.changed[side];
            if (row.mark != lock.mark[side]) {
                row.mark = lock.mark[side];
                ledger::SetClearMark(int16_t(lock.slot), row.mark);
            }
            update.flags.push_back(index);
        }
        // Finish recorded a statement: taken back with it.
        if (change.statement &&
            !(side == After ? ledger::RecordStatement(*change.statement) : ledger::DropLastStatement()))
            return false;
        ledger::SetLockDate(change.lockDate[side]);
        ledger::SetRecordsLocked(change.recordsLocked[side]);
        update.lockChanged = true;
        update.current = 0;
        return true;
    }
    case Kind::Category:
        if (!PutCategory(change, side, update))
            return false;
        update.current = IndexOfSlot(change.slot);
        update.column = change.column;
        return true;
    case Kind::Details:
        if (!PutDetails(change.slot, change.details[side], update))
            return false;
        update.current = IndexOfSlot(change.slot);
        update.column = change.column;
        return true;
    case Kind::Mark: {
        const int index = IndexOfSlot(change.slot);
        if (index < 0 || !ledger::SetClearMark(int16_t(change.slot), change.mark[side]))
            return false;
        rows[size_t(index)].mark = change.mark[side];
        update.flags.push_back(index);
        update.current = index;
        update.column = change.column;
        return true;
    }
    }
    return false;
}
