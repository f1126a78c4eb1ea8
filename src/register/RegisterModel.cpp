#include "register/RegisterModel.h"

#include "ledger/ChangeBatch.h"
#include "ledger/CheckDetails.h"
#include "model/TransactionRules.h"
#include "platform/Locale.h"
#include "register/RegisterCells.h"

#include <algorithm>
#include <cmath>
#include <limits>

using namespace RegisterColumn;

void RegisterModel::Load() {
    rows = BuildRegisterRows(codec);
    RebuildSlotIndex();
    for (const RegisterRow& row : rows)
        if (row.IsLocked())
            ledger::SetRecordsLocked(true);
    changes.clear();
    done = 0;
}

void RegisterModel::RebuildSlotIndex() {
    indexOfSlot.assign(size_t(ledger::MaxSlots) + 1, -1);
    for (size_t i = 0; i < rows.size(); ++i)
        indexOfSlot[size_t(rows[i].slot)] = int(i);
}

int RegisterModel::IndexOfSlot(int slot) const {
    return slot >= 1 && size_t(slot) < indexOfSlot.size() ? indexOfSlot[size_t(slot)] : -1;
}

bool RegisterModel::IsValidAmountText(const QString& text) {
    return ledger::ReadDollarText(text).value.has_value();
}

bool RegisterModel::IsValidCheckNumberText(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return text.isEmpty();
    if (trimmed.size() > 5)
        return false;
    int value = 0;
    for (const QChar c : trimmed) {
        if (c.unicode() < '0' || c.unicode() > '9')
            return false;
        value = value * 10 + (c.unicode() - '0');
    }
    return value >= 1 && value <= ledger::MaxCheckNumber;
}

void RegisterModel::MarkChanged(int index) {
    rows[size_t(index)].changed = true;
}

RegisterModel::RowValues RegisterModel::ValuesOf(const RegisterRow& row) {
    return {row.record,      row.dateDay, row.typedCheckNumber,      row.typedDescription,
            row.typedAmount, row.changed, row.descriptionHasControls};
}

void RegisterModel::SetValues(RegisterRow& row, const RowValues& values) {
    row.record = values.record;
    row.dateDay = values.dateDay;
    row.typedCheckNumber = values.typedCheckNumber;
    row.typedDescription = values.typedDescription;
    row.typedAmount = values.typedAmount;
    row.changed = values.changed;
    row.descriptionHasControls = values.descriptionHasControls;
}

RegisterModel::Outcome RegisterModel::CommitText(int index, int column, const QString& text, RegisterUpdate& update,
                                                 PartsFollow parts) {
    RegisterRow& row = rows[size_t(index)];
    if (column == Category)
        return CommitCategory(index, text, update);
    if (column == Memo) {
        if (text.size() > ledger::MaxMemoLength)
            return Outcome::Refused;
        Details after = DetailsOf(row.slot);
        after.memo = text;
        return ChangeDetails(index, Memo, after, update);
    }
    const RowValues before = ValuesOf(row);
    ledger::TransactionRecord& record = row.record;
    const int amountColumn = ledger::IsCredit(record.TypeCode) ? Credit : Debit;
    if (column == CheckNumber) {
        if (!IsValidCheckNumberText(text))
            return Outcome::Refused;
        const std::optional<int16_t> number = platform::ToInteger(text);
        std::optional<int16_t> shown;
        if (!row.typedCheckNumber.isNull())
            shown = platform::ToInteger(row.typedCheckNumber);
        else if (row.isCheck)
            shown = record.CheckNumber;
        if (shown == number)
            return Outcome::Unchanged;
        row.typedCheckNumber = text;
        // No number: a check becomes a payment; other kinds carry none.
        record.CheckNumber = number ? *number : (record.TypeCode == ledger::CheckOrPayment ? -1 : 0);
    } else if (column == Description) {
        if (text == row.Description())
            return Outcome::Unchanged;
        row.typedDescription = text;
        record.Description = ledger::FixDescription(text);
        row.descriptionHasControls = ledger::HasControlCharacter(text);
    } else if (column == amountColumn) {
        if (!IsValidAmountText(text))
            return Outcome::Refused;
        const float amount = *platform::ToMoney(text);
        if (ShownCents(amount) == ShownCents(record.Amount))
            return Outcome::Unchanged;
        row.typedAmount = text;
        record.Amount = amount;
    } else {
        // The type, the other money column and the balance follow from the record: nothing typed there is kept.
        return Outcome::Refused;
    }
    row.changed = true;
    Change change;
    change.slot = row.slot;
    change.column = column;
    change.values[0] = before;
    change.values[1] = ValuesOf(row);
    // A split's new amount and its parts are one entry of the recovery journal.
    std::optional<ledger::ChangeBatch> oneEntry;
    if (column == amountColumn && row.Category().IsSplit()) {
        oneEntry.emplace();
        if (!FollowAmount(change, parts, update)) {
            SetValues(row, before);
            return Outcome::Refused;
        }
    }
    Record(std::move(change));
    // The running balances follow the amount at once: a register whose balances contradict its own amounts
    // misleads.
    if (column == amountColumn)
        Rebalance(update);
    update.rows.push_back(index);
    update.current = index;
    update.column = column;
    return Outcome::Changed;
}

RegisterModel::Outcome RegisterModel::CommitDate(int index, double day, RegisterUpdate& update) {
    RegisterRow& row = rows[size_t(index)];
    day = std::floor(day);
    if (row.dateDay && std::floor(*row.dateDay) == day && std::floor(row.record.Date) == day)
        return Outcome::Unchanged;
    Change change;
    change.slot = row.slot;
    change.column = Date;
    change.values[0] = ValuesOf(row);
    const std::vector<int> orderBefore = SlotOrder();
    row.record.Date = day;
    row.dateDay = codec.ShortDateReadBack(day);
    row.changed = true;
    change.values[1] = ValuesOf(row);
    Sort(update);
    Rebalance(update);
    if (!update.order.empty()) {
        change.order[0] = orderBefore;
        change.order[1] = SlotOrder();
    }
    update.current = IndexOfSlot(change.slot);
    update.rows.push_back(update.current);
    update.column = Date;
    Record(std::move(change));
    return Outcome::Changed;
}

bool RegisterModel::Delete(int index, RegisterUpdate& update) {
    const RegisterRow& row = rows[size_t(index)];
    Change change;
    change.kind = Kind::Delete;
    change.slot = row.slot;
    change.index = index;
    change.deleted = row;
    change.modified[0] = ledger::IsModified();
    if (!ledger::DeleteTransaction(int16_t(row.slot)))
        return false;
    rows.erase(rows.begin() + index);
    RebuildSlotIndex();
    update.removed = index;
    Rebalance(update);
    change.modified[1] = ledger::IsModified();
    Record(std::move(change));
    return true;
}

void RegisterModel::Sort(RegisterUpdate& update) {
    std::vector<int> previous = OrderRows(rows);
    for (size_t i = 0; i < previous.size(); ++i) {
        if (previous[i] != int(i)) {
            update.order = std::move(previous);
            RebuildSlotIndex();
            return;
        }
    }
}

void RegisterModel::Rebalance(RegisterUpdate& update) {
    const std::vector<int> changed = BalanceRows(rows);
    update.balances.insert(update.balances.end(), changed.begin(), changed.end());
}

int64_t RegisterModel::BalanceOn(double day) const {
    return BalanceThrough(rows, day);
}

RegisterModel::Change* RegisterModel::RecordLock(const std::function<void()>& lock, RegisterUpdate& update) {
    // The lock date and the rows' pending locks are one entry of the recovery journal.
    const ledger::ChangeBatch oneEntry;
    Change change;
    change.kind = Kind::Lock;
    struct Flags {
        int16_t locked;
        bool changed;
        ledger::ClearMark mark;
    };
    std::vector<Flags> before;
    before.reserve(rows.size());
    for (const RegisterRow& row : rows)
        before.push_back({row.record.Locked, row.changed, row.mark});
    ledger::GetLockDate(change.lockDate[0]);
    change.recordsLocked[0] = ledger::AreRecordsLocked();
    lock();
    ledger::GetLockDate(change.lockDate[1]);
    change.recordsLocked[1] = ledger::AreRecordsLocked();
    // Locking moves no rows: indexes still match.
    for (size_t i = 0; i < rows.size(); ++i) {
        const RegisterRow& row = rows[i];
        const Flags& was = before[i];
        if (row.record.Locked == was.locked && row.changed == was.changed && row.mark == was.mark)
            continue;
        change.locks.push_back(
            {row.slot, {was.locked, row.record.Locked}, {was.changed, row.changed}, {was.mark, row.mark}});
        update.flags.push_back(int(i));
    }
    update.lockChanged = true;
    update.current = 0;
    if (change.locks.empty() && change.lockDate[0] == change.lockDate[1] &&
        change.recordsLocked[0] == change.recordsLocked[1])
        return nullptr;
    Record(std::move(change));
    return &changes.back();
}

bool RegisterModel::LockThrough(std::optional<double> day, RegisterUpdate& update) {
    if (!day)
        return false;
    const double through = std::floor(*day);
    RecordLock(
        [&] {
            for (RegisterRow& row : rows) {
                if (DateSortKey(row.dateDay) <= through) {
                    row.record.Locked = -1;
                    ledger::SetRecordsLocked(true);
                    row.changed = true;
                }
            }
            ledger::SetLockDate(through);
        },
        update);
    return true;
}

void RegisterModel::Unlock(RegisterUpdate& update) {
    RecordLock(
        [&] {
            for (RegisterRow& row : rows) {
                if (row.IsLocked()) {
                    row.record.Locked = 0;
                    row.changed = true;
                }
                ledger::SetRecordsLocked(false);
            }
            // Also when there is no row at all, or the flag would keep the button at "Unlock records" for good.
            ledger::SetRecordsLocked(false);
            ledger::SetLockDate(0);
        },
        update);
}

int RegisterModel::WriteBack() const {
    // One journal entry for the whole register: a crash during the write-back keeps all rows or none.
    const ledger::ChangeBatch batch;
    int written = 0;
    for (const RegisterRow& row : rows) {
        if (!row.changed)
            continue;
        const ledger::TransactionRecord& record = row.record;
        ledger::UpdateTransaction(int16_t(row.slot), record.CheckNumber, record.Date, record.Amount, record.Description,
                                  row.IsLocked());
        ++written;
    }
    return written;
}
