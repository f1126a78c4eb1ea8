#include "register/RegisterRows.h"

#include "ledger/Categories.h"
#include "ledger/CheckDetails.h"
#include "model/TransactionRules.h"
#include "platform/Locale.h"

#include <algorithm>
#include <cmath>

namespace {
// Key of an empty date: 1 January 2999, so that such a row sorts last.
constexpr double EmptyDateKey = 401404;
} // namespace

int RegisterRow::CheckNumberKey() const {
    if (!typedCheckNumber.isNull())
        return platform::ToInteger(typedCheckNumber).value_or(0);
    return isCheck ? record.CheckNumber : 0;
}

const ledger::CategoryAssignment& RegisterRow::Category() const {
    static const ledger::CategoryAssignment none;
    return category ? *category : none;
}

void RegisterRow::SetCategory(const ledger::CategoryAssignment& assignment, SharedCategories* shared) {
    if (assignment.IsEmpty()) {
        category.reset();
    } else if (!shared || assignment.IsSplit()) {
        category = std::make_shared<const ledger::CategoryAssignment>(assignment);
    } else {
        std::shared_ptr<const ledger::CategoryAssignment>& one = (*shared)[assignment.category];
        if (!one)
            one = std::make_shared<const ledger::CategoryAssignment>(assignment);
        category = one;
    }
}

std::optional<int64_t> ShownCents(float amount) {
    if (std::fabs(double(amount)) * 100.0 < double(MaxExactCents))
        return ledger::ToCents(amount);
    return std::nullopt;
}

double DateSortKey(std::optional<double> day) {
    return day ? std::floor(*day) : EmptyDateKey;
}

QStringView TrimSpaces(QStringView text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin] == u' ')
        ++begin;
    while (end > begin && text[end - 1] == u' ')
        --end;
    return text.sliced(begin, end - begin);
}

int64_t SignedCents(const ledger::TransactionRecord& record) {
    return ledger::SignedCents(record.TypeCode, ledger::ToCents(record.Amount));
}

int64_t AddToBalance(int64_t balance, int64_t cents) {
    return std::clamp(balance + cents, -ledger::MaxCents, ledger::MaxCents);
}

std::vector<int> OrderRows(std::vector<RegisterRow>& rows) {
    // The keys are sorted apart from the rows, which are large to move.
    struct Key {
        double day;
        int checkNumber;
        uint32_t index;
    };
    std::vector<Key> keys;
    keys.reserve(rows.size());
    for (const RegisterRow& row : rows)
        keys.push_back({DateSortKey(row.dateDay), row.CheckNumberKey(), uint32_t(keys.size())});
    std::stable_sort(keys.begin(), keys.end(), [](const Key& a, const Key& b) {
        return a.day != b.day ? a.day < b.day : a.checkNumber < b.checkNumber;
    });
    std::vector<int> previous;
    previous.reserve(keys.size());
    for (const Key& key : keys)
        previous.push_back(int(key.index));
    PermuteRows(rows, previous);
    return previous;
}

void PermuteRows(std::vector<RegisterRow>& rows, std::vector<int> previous) {
    // Rows into their places in place, without a second copy of them: each cycle of the order is followed once.
    for (size_t start = 0; start < previous.size(); ++start) {
        if (previous[start] == int(start))
            continue;
        RegisterRow held = std::move(rows[start]);
        size_t at = start;
        while (previous[at] != int(start)) {
            const size_t from = size_t(previous[at]);
            rows[at] = std::move(rows[from]);
            previous[at] = int(at);
            at = from;
        }
        rows[at] = std::move(held);
        previous[at] = int(at);
    }
}

int64_t BalanceThrough(const std::vector<RegisterRow>& rows, double day) {
    int64_t balance = ledger::ToCents(ledger::GetStartingBalance());
    for (const RegisterRow& row : rows)
        if (DateSortKey(row.dateDay) <= std::floor(day))
            balance = AddToBalance(balance, SignedCents(row.record));
    return balance;
}

std::vector<int> BalanceRows(std::vector<RegisterRow>& rows) {
    std::vector<int> changed;
    int64_t balance = ledger::ToCents(ledger::GetStartingBalance());
    for (size_t i = 0; i < rows.size(); ++i) {
        balance = AddToBalance(balance, SignedCents(rows[i].record));
        if (rows[i].balanceCents != balance) {
            rows[i].balanceCents = balance;
            changed.push_back(int(i));
        }
    }
    return changed;
}

RegisterRow RowOfRecord(const ledger::TransactionRecord& record, int slot, const platform::LocaleCodec& codec,
                        RegisterRow::SharedCategories* shared) {
    RegisterRow row;
    row.record = record;
    row.slot = slot;
    row.isCheck = ledger::IsCheck(record.TypeCode, record.CheckNumber);
    row.dateDay = codec.ShortDateReadBack(record.Date);
    row.mark = ledger::GetClearMark(int16_t(slot));
    if (record.TypeCode == ledger::CheckOrPayment)
        row.memo = ledger::MemoOf(int16_t(slot));
    row.SetCategory(ledger::CategoryOf(int16_t(slot)), shared);
    const QStringView description = TrimSpaces(row.record.Description);
    row.descriptionStart = description.data() - row.record.Description.constData();
    row.descriptionSize = description.size();
    row.descriptionHasControls = ledger::HasControlCharacter(description);
    // A fresh row's balance is never 0 by chance: the caller balances every row.
    row.balanceCents = std::numeric_limits<int64_t>::min();
    return row;
}

std::vector<RegisterRow> BuildRegisterRows(const platform::LocaleCodec& codec) {
    std::vector<RegisterRow> rows;
    const size_t capacity = size_t(std::max(0, ledger::GetTransactionCount() - 1));
    rows.reserve(capacity);
    ledger::TransactionRecord record;
    RegisterRow::SharedCategories shared;
    int slot = 1;
    for (bool more = ledger::FirstTransaction(record); more; more = ledger::NextTransaction(record), ++slot) {
        if (record.TypeCode == ledger::Deleted || rows.size() >= capacity)
            continue;
        rows.push_back(RowOfRecord(record, slot, codec, &shared));
    }
    OrderRows(rows);
    BalanceRows(rows);
    return rows;
}
