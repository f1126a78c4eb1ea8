// A row's category or split in the register, and a split's parts following its amount: the store has them at once,
// as it has a memo, and for a split the row's amount too, since the store keeps only parts that fit its record.
#include "ledger/Categories.h"
#include "ledger/ChangeBatch.h"
#include "model/TransactionRules.h"
#include "platform/Locale.h"
#include "register/RegisterCells.h"
#include "register/RegisterModel.h"

using namespace RegisterColumn;

namespace {
constexpr int After = 1;

// The record the store holds in a slot, without the register's edits.
std::optional<ledger::TransactionRecord> StoredRecord(int slot) {
    ledger::TransactionRecord record;
    int at = 1;
    for (bool more = ledger::FirstTransaction(record); more; more = ledger::NextTransaction(record), ++at)
        if (at == slot)
            return record;
    return std::nullopt;
}

bool StoreAmount(int slot, float amount) {
    const std::optional<ledger::TransactionRecord> stored = StoredRecord(slot);
    return stored && ledger::UpdateTransaction(int16_t(slot), stored->CheckNumber, stored->Date, amount,
                                               stored->Description, stored->Locked != 0);
}
} // namespace

QString RegisterModel::OneCategoryOf(const std::vector<ledger::SplitPart>& parts) {
    for (const ledger::SplitPart& part : parts)
        if (!part.category.isEmpty())
            return part.category;
    return {};
}

bool RegisterModel::PutCategory(const Change& change, int side, RegisterUpdate& update) {
    const int index = IndexOfSlot(change.slot);
    if (index < 0)
        return false;
    // The amount and the parts are one entry of the recovery journal.
    const ledger::ChangeBatch oneEntry;
    if (change.storeAmountChanged && !StoreAmount(change.slot, change.storeAmount[side]))
        return false;
    if (!ledger::SetCategory(int16_t(change.slot), change.category[side])) {
        if (change.storeAmountChanged)
            StoreAmount(change.slot, change.storeAmount[1 - side]);
        return false;
    }
    rows[size_t(index)].SetCategory(change.category[side]);
    update.rows.push_back(index);
    return true;
}

// A split is kept only for the amount the store holds: the row's amount goes to the store with it.
void RegisterModel::MoveStoreAmount(Change& change) const {
    const float amount = rows[size_t(IndexOfSlot(change.slot))].record.Amount;
    const std::optional<ledger::TransactionRecord> stored = StoredRecord(change.slot);
    change.storeAmount[0] = stored ? stored->Amount : amount;
    change.storeAmount[1] = amount;
    change.storeAmountChanged = change.storeAmount[0] != amount;
}

RegisterModel::Outcome RegisterModel::SetCategory(int index, const ledger::CategoryAssignment& assignment,
                                                  RegisterUpdate& update) {
    const RegisterRow& row = rows[size_t(index)];
    if (row.IsLocked())
        return Outcome::Refused;
    if (assignment == row.Category())
        return Outcome::Unchanged;
    if (!assignment.category.isEmpty() && (assignment.IsSplit() || !ledger::IsCategoryPath(assignment.category)))
        return Outcome::Refused;
    if (assignment.IsSplit() && !ledger::PartsFit(assignment.parts, ledger::ToCents(row.record.Amount)))
        return Outcome::Refused;
    Change change;
    change.kind = Kind::Category;
    change.slot = row.slot;
    change.column = Category;
    change.category[0] = row.Category();
    change.category[1] = assignment;
    change.categoryChanged = true;
    const ledger::ChangeBatch oneEntry;
    if (assignment.IsSplit())
        MoveStoreAmount(change);
    if (!PutCategory(change, After, update))
        return Outcome::Refused;
    update.current = index;
    update.column = Category;
    Record(std::move(change));
    return Outcome::Changed;
}

RegisterModel::Outcome RegisterModel::CommitCategory(int index, const QString& text, RegisterUpdate& update) {
    const RegisterRow& row = rows[size_t(index)];
    if (row.IsLocked() || row.Category().IsSplit())
        return Outcome::Refused;
    const QString path = ListedSpelling(text);
    if (path.size() > ledger::MaxCategoryLength)
        return Outcome::Refused;
    return SetCategory(index, {path, {}}, update);
}

QString RegisterModel::ListedSpelling(const QString& typed) {
    const QString path = ledger::NormalizedCategory(typed);
    if (path.isEmpty())
        return path;
    const QStringList known = ledger::CategoryList();
    if (known.contains(path))
        return path;
    for (const QString& each : known)
        if (each.compare(path, Qt::CaseInsensitive) == 0)
            return each;
    return path;
}

bool RegisterModel::ChangesSplitAmount(int index, int column, const QString& text) const {
    const RegisterRow& row = rows[size_t(index)];
    const int amountColumn = ledger::IsCredit(row.record.TypeCode) ? Credit : Debit;
    if (column != amountColumn || !row.Category().IsSplit() || !IsValidAmountText(text))
        return false;
    return ShownCents(*platform::ToMoney(text)) != ShownCents(row.record.Amount);
}

bool RegisterModel::FollowAmount(Change& change, PartsFollow parts, RegisterUpdate& update) {
    const RegisterRow& row = rows[size_t(IndexOfSlot(change.slot))];
    const int64_t cents = ledger::ToCents(row.record.Amount);
    change.category[0] = row.Category();
    change.category[1].parts = parts == PartsFollow::Scale
                                   ? ledger::ScaledParts(row.Category().parts, cents)
                                   : ledger::PartsWithDifferenceInLast(row.Category().parts, cents);
    change.categoryChanged = true;
    if (!ledger::PartsFit(change.category[1].parts, cents))
        return false;
    MoveStoreAmount(change);
    return PutCategory(change, After, update);
}
