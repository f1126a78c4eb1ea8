// A check's memo and address in the register, and voiding a check: the details go to the store at once, as marks do.
#include "ledger/ChangeBatch.h"
#include "ledger/CheckDetails.h"
#include "model/TransactionRules.h"
#include "register/RegisterCells.h"
#include "register/RegisterModel.h"

using namespace RegisterColumn;

RegisterModel::Details RegisterModel::DetailsOf(int slot) {
    return {ledger::MemoOf(int16_t(slot)), ledger::AddressOf(int16_t(slot)), ledger::IsWaitingToPrint(int16_t(slot))};
}

bool RegisterModel::PutDetails(int slot, const Details& details, RegisterUpdate& update) {
    const int index = IndexOfSlot(slot);
    if (index < 0)
        return false;
    // The memo, the address and the queue are one entry of the recovery journal.
    const ledger::ChangeBatch oneEntry;
    const int16_t s = int16_t(slot);
    if (!ledger::SetMemo(s, details.memo) || !ledger::SetAddress(s, details.address))
        return false;
    if (details.waitingToPrint != ledger::IsWaitingToPrint(s) && !ledger::SetWaitingToPrint(s, details.waitingToPrint))
        return false;
    rows[size_t(index)].memo = details.memo;
    update.rows.push_back(index);
    return true;
}

RegisterModel::Outcome RegisterModel::ChangeDetails(int index, int column, const Details& after,
                                                    RegisterUpdate& update) {
    const RegisterRow& row = rows[size_t(index)];
    if (row.record.TypeCode != ledger::CheckOrPayment || row.IsLocked())
        return Outcome::Refused;
    Change change;
    change.kind = Kind::Details;
    change.slot = row.slot;
    change.column = column;
    change.details[0] = DetailsOf(row.slot);
    change.details[1] = after;
    if (change.details[0].memo == after.memo && change.details[0].address == after.address)
        return Outcome::Unchanged;
    if (!PutDetails(row.slot, after, update))
        return Outcome::Refused;
    update.current = index;
    update.column = column;
    Record(std::move(change));
    return Outcome::Changed;
}

RegisterModel::Outcome RegisterModel::SetAddress(int index, const QStringList& lines, RegisterUpdate& update) {
    Details after = DetailsOf(rows[size_t(index)].slot);
    after.address = lines;
    while (!after.address.isEmpty() && after.address.back().trimmed().isEmpty())
        after.address.removeLast();
    return ChangeDetails(index, Description, after, update);
}

bool RegisterModel::IsVoidable(const RegisterRow& row) {
    return row.isCheck && !row.IsLocked();
}

RegisterModel::Outcome RegisterModel::Void(int index, RegisterUpdate& update) {
    RegisterRow& row = rows[size_t(index)];
    if (!IsVoidable(row))
        return Outcome::Refused;
    const QString description = ledger::VoidDescription(row.Description().toString());
    if (ShownCents(row.record.Amount) == 0 && TrimSpaces(description) == row.Description())
        return Outcome::Unchanged;
    Change change;
    change.slot = row.slot;
    change.column = Description;
    change.values[0] = ValuesOf(row);
    change.details[0] = DetailsOf(row.slot);
    change.details[1] = change.details[0];
    change.details[1].waitingToPrint = false;
    change.detailsChanged = change.details[0].waitingToPrint;
    const ledger::ChangeBatch oneEntry;
    if (change.detailsChanged && !PutDetails(row.slot, change.details[1], update))
        return Outcome::Refused;
    // A voided check has no money to split: it keeps one category.
    if (row.Category().IsSplit()) {
        change.category[0] = row.Category();
        change.category[1].category = OneCategoryOf(row.Category().parts);
        change.categoryChanged = true;
        if (!PutCategory(change, 1, update))
            return Outcome::Refused;
    }
    row.record.Amount = 0;
    row.record.Description = description;
    row.typedDescription = TrimSpaces(description).toString();
    row.descriptionHasControls = ledger::HasControlCharacter(row.typedDescription);
    row.typedAmount = QString();
    row.changed = true;
    change.values[1] = ValuesOf(row);
    Record(std::move(change));
    Rebalance(update);
    update.rows.push_back(index);
    update.current = index;
    update.column = Description;
    return Outcome::Changed;
}
