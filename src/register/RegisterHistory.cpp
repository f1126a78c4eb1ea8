#include "register/RegisterHistory.h"

#include "ledger/Ledger.h"
#include "ledger/Recovery.h"

#include <cmath>
#include <functional>

using namespace RegisterColumn;

namespace {
constexpr int Before = 0;
constexpr int After = 1;
} // namespace

RegisterHistory::RegisterHistory(platform::FlexGrid& grid, RegisterGrid& procedures)
    : grid(grid), procedures(procedures) {}

std::array<QString, Count> RegisterHistory::RowTexts(int row) const {
    std::array<QString, Count> texts;
    for (int c = 0; c < Count; ++c)
        texts[size_t(c)] = grid.TextMatrix(row, c);
    return texts;
}

void RegisterHistory::SetRowTexts(int row, const std::array<QString, Count>& texts) {
    for (int c = 0; c < Count; ++c)
        if (grid.TextMatrix(row, c) != texts[size_t(c)])
            grid.SetTextMatrix(row, c, texts[size_t(c)]);
}

// Row number by slot, for every row at once: a lookup per row would read the whole grid each time.
std::vector<int> RegisterHistory::RowsBySlot() const {
    std::vector<int> rows(size_t(ledger::MaxSlots) + 1, -1);
    for (int r = grid.FixedRows(); r < grid.Rows(); ++r) {
        const std::optional<double> slot = grid.CellNumber(r, Slot);
        if (slot && *slot >= 1 && *slot <= ledger::MaxSlots)
            rows[size_t(*slot)] = r;
    }
    return rows;
}

std::vector<QString> RegisterHistory::BalancesBySlot() const {
    std::vector<QString> balances(size_t(ledger::MaxSlots) + 1);
    for (int r = grid.FixedRows(); r < grid.Rows(); ++r) {
        const std::optional<double> slot = grid.CellNumber(r, Slot);
        if (slot && *slot >= 1 && *slot <= ledger::MaxSlots)
            balances[size_t(*slot)] = grid.TextMatrix(r, Balance);
    }
    return balances;
}

std::vector<RegisterHistory::BalanceText> RegisterHistory::BalanceChanges(const std::vector<QString>& before,
                                                                          const std::vector<QString>& after) {
    std::vector<BalanceText> changed;
    for (size_t slot = 1; slot < before.size() && slot < after.size(); ++slot)
        if (before[slot] != after[slot])
            changed.push_back({int(slot), {before[slot], after[slot]}});
    return changed;
}

void RegisterHistory::SetBalances(const std::vector<BalanceText>& balances, int side) {
    const std::vector<int> rows = RowsBySlot();
    for (const BalanceText& balance : balances) {
        const int row = rows[size_t(balance.slot)];
        // A deleted row has no balance: the empty text of the side it was deleted on.
        if (row >= 0 && !balance.text[side].isNull())
            grid.SetTextMatrix(row, Balance, balance.text[side]);
    }
}

int RegisterHistory::RowOfSlot(int slot) const {
    for (int r = grid.FixedRows(); r < grid.Rows(); ++r)
        if (grid.CellNumber(r, Slot) == double(slot))
            return r;
    return -1;
}

std::vector<int> RegisterHistory::SlotOrder() const {
    std::vector<int> slots;
    slots.reserve(size_t(std::max(0, grid.Rows() - grid.FixedRows())));
    for (int r = grid.FixedRows(); r < grid.Rows(); ++r)
        slots.push_back(int(grid.CellNumber(r, Slot).value_or(0)));
    return slots;
}

void RegisterHistory::Arrange(const std::vector<int>& slots) {
    const std::vector<int> rows = RowsBySlot();
    std::vector<int> order;
    order.reserve(slots.size());
    for (const int slot : slots)
        order.push_back(slot >= 1 && slot <= ledger::MaxSlots ? rows[size_t(slot)] : -1);
    grid.ArrangeRows(order);
}

RegisterHistory::Pending RegisterHistory::BeforeEdit(int row, int col, bool sorts) const {
    Pending pending;
    pending.col = col;
    pending.slot = int(grid.CellNumber(row, Slot).value_or(0));
    pending.texts = RowTexts(row);
    if (sorts) {
        pending.order = SlotOrder();
        pending.balances = BalancesBySlot();
    }
    return pending;
}

void RegisterHistory::EndEdit(const Pending& before) {
    const int row = RowOfSlot(before.slot);
    if (row < 0)
        return;
    Change change;
    change.kind = Kind::Edit;
    change.slot = before.slot;
    change.col = before.col;
    change.texts[Before] = before.texts;
    change.texts[After] = RowTexts(row);
    if (!before.order.empty()) {
        change.order[Before] = before.order;
        change.order[After] = SlotOrder();
        if (change.order[Before] == change.order[After]) {
            change.order[Before].clear();
            change.order[After].clear();
        }
        change.balances = BalanceChanges(before.balances, BalancesBySlot());
    }
    // The balance column follows from the others.
    change.texts[Before][Balance] = change.texts[After][Balance];
    if (change.texts[Before] == change.texts[After] && change.order[Before].empty() && change.balances.empty())
        return;
    Record(std::move(change));
}

bool RegisterHistory::DeleteRecord(int row) {
    Change change;
    change.kind = Kind::Delete;
    change.slot = int(grid.CellNumber(row, Slot).value_or(0));
    change.row = row;
    change.texts[Before] = RowTexts(row);
    change.modified[Before] = ledger::IsModified();
    const std::vector<QString> balances = BalancesBySlot();
    if (!procedures.DeleteRecord(row))
        return false;
    change.balances = BalanceChanges(balances, BalancesBySlot());
    change.modified[After] = ledger::IsModified();
    Record(std::move(change));
    return true;
}

void RegisterHistory::ToggleLock() {
    RecordLock([this] { procedures.ToggleLock(); });
}

void RegisterHistory::LockThrough(double day) {
    RecordLock([this, day] { procedures.LockThrough(day); });
}

void RegisterHistory::RecordLock(const std::function<void()>& lock) {
    Change change;
    change.kind = Kind::Lock;
    std::vector<std::array<QString, 2>> before;
    before.reserve(size_t(std::max(0, grid.Rows())));
    for (int r = 0; r < grid.Rows(); ++r)
        before.push_back({grid.TextMatrix(r, Locked), grid.TextMatrix(r, TypeCode)});
    ledger::GetLockDate(change.lockDate[Before]);
    change.recordsLocked[Before] = ledger::AreRecordsLocked();
    lock();
    ledger::GetLockDate(change.lockDate[After]);
    change.recordsLocked[After] = ledger::AreRecordsLocked();
    // Locking moves no rows: row numbers still match.
    for (int r = grid.FixedRows(); r < grid.Rows(); ++r) {
        const QString& locked = grid.TextMatrix(r, Locked);
        const QString& type = grid.TextMatrix(r, TypeCode);
        if (locked != before[size_t(r)][0] || type != before[size_t(r)][1])
            change.rows.push_back({int(grid.CellNumber(r, Slot).value_or(0)),
                                   {before[size_t(r)][0], locked},
                                   {before[size_t(r)][1], type}});
    }
    if (change.rows.empty() && change.lockDate[Before] == change.lockDate[After] &&
        change.recordsLocked[Before] == change.recordsLocked[After])
        return;
    Record(std::move(change));
}

void RegisterHistory::Record(Change change) {
    changes.resize(done);
    changes.push_back(std::move(change));
    done = changes.size();
}

bool RegisterHistory::Undo() {
    if (done == 0)
        return false;
    if (!Apply(changes[done - 1], Before)) {
        // The store no longer takes it back: nothing before it can be taken back safely either.
        changes.clear();
        done = 0;
        return false;
    }
    done -= 1;
    return true;
}

bool RegisterHistory::Redo() {
    if (done >= changes.size())
        return false;
    if (!Apply(changes[done], After)) {
        changes.resize(done);
        return false;
    }
    done += 1;
    return true;
}

bool RegisterHistory::Apply(const Change& change, int side) {
    // A step that restores a row and the lock date is one change for the recovery journal.
    const ledger::ChangeBatch batch;
    switch (change.kind) {
    case Kind::Edit: {
        const int row = RowOfSlot(change.slot);
        if (row < 0)
            return false;
        SetRowTexts(row, change.texts[side]);
        if (!change.order[side].empty())
            Arrange(change.order[side]);
        SetBalances(change.balances, side);
        grid.MoveTo(RowOfSlot(change.slot), change.col);
        return true;
    }
    case Kind::Delete: {
        if (side == After) {
            const int row = RowOfSlot(change.slot);
            if (row < 0 || !procedures.DeleteRecord(row))
                return false;
            SetBalances(change.balances, After);
            return true;
        }
        const int type = int(std::lround(change.texts[Before][TypeCode].toDouble())) % RegisterLook::ChangedMarker;
        if (!ledger::RestoreTransaction(int16_t(change.slot), int16_t(type)))
            return false;
        ledger::SetModified(change.modified[Before]);
        const int row = std::min(change.row, grid.Rows());
        grid.InsertItem(row);
        SetRowTexts(row, change.texts[Before]);
        SetBalances(change.balances, Before);
        grid.MoveTo(row, CheckNumber);
        return true;
    }
    case Kind::Lock: {
        const std::vector<int> rows = RowsBySlot();
        for (const RowLock& lock : change.rows) {
            const int row = lock.slot >= 1 && lock.slot <= ledger::MaxSlots ? rows[size_t(lock.slot)] : -1;
            if (row < 0)
                continue;
            grid.SetTextMatrix(row, Locked, lock.locked[side]);
            grid.SetTextMatrix(row, TypeCode, lock.typeCode[side]);
            procedures.SetRowColour(row, procedures.IsRowLocked(row));
        }
        ledger::SetLockDate(change.lockDate[side]);
        ledger::SetRecordsLocked(change.recordsLocked[side]);
        grid.SetCol(SortKey);
        grid.SetRow(1);
        return true;
    }
    }
    return false;
}
