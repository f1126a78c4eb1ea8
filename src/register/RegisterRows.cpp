#include "register/RegisterRows.h"

#include "ledger/TransactionRules.h"
#include "register/RegisterGrid.h"

#include <algorithm>
#include <cmath>

std::optional<int64_t> ShownCents(float amount) {
    if (std::fabs(double(amount)) * 100.0 < double(MaxExactCents))
        return ledger::ToCents(amount);
    return std::nullopt;
}

MoneyCell AmountCell(const platform::LocaleCodec& codec, float amount) {
    if (const std::optional<int64_t> cents = ShownCents(amount))
        return {codec.FormatCents(*cents), double(*cents) / 100.0};
    return {codec.FormatMoney(amount), std::nullopt};
}

MoneyCell BalanceCell(const platform::LocaleCodec& codec, int64_t cents) {
    if (cents > -MaxExactCents && cents < MaxExactCents)
        return {codec.FormatCents(cents), double(cents) / 100.0};
    return {codec.FormatCents(cents), std::nullopt};
}

double DateSortKey(std::optional<double> day) {
    return day ? std::floor(*day) : RegisterLook::EmptyDateKey;
}

std::vector<RegisterRow> BuildRegisterRows(const platform::LocaleCodec& codec) {
    std::vector<RegisterRow> inSlotOrder;
    const size_t capacity = size_t(std::max(0, ledger::GetTransactionCount() - 1));
    inSlotOrder.reserve(capacity);
    ledger::TransactionRecord record;
    int slot = 1;
    for (bool more = ledger::FirstTransaction(record); more; more = ledger::NextTransaction(record), ++slot) {
        if (record.TypeCode == ledger::Deleted || inSlotOrder.size() >= capacity)
            continue;
        RegisterRow row{record, slot, ledger::IsCheck(record.TypeCode, record.CheckNumber),
                        codec.ShortDateReadBack(record.Date), 0};
        const QStringView description = QStringView(record.Description).trimmed();
        row.descriptionStart = description.isEmpty() ? 0 : description.data() - record.Description.constData();
        row.descriptionSize = description.size();
        row.descriptionHasControls = ledger::HasControlCharacter(description);
        inSlotOrder.push_back(std::move(row));
    }

    // By date, then check number (none counts as 0); rows that tie keep the store's order. The keys are sorted
    // apart from the rows, which are large to move.
    struct Key {
        double day;
        int checkNumber;
        uint32_t index;
    };
    std::vector<Key> keys;
    keys.reserve(inSlotOrder.size());
    for (const RegisterRow& row : inSlotOrder)
        keys.push_back({DateSortKey(row.dateDay), row.isCheck ? row.record.CheckNumber : 0, uint32_t(keys.size())});
    std::stable_sort(keys.begin(), keys.end(), [](const Key& a, const Key& b) {
        return a.day != b.day ? a.day < b.day : a.checkNumber < b.checkNumber;
    });

    // Rows into their places in place: each cycle of the order is followed once.
    std::vector<RegisterRow>& rows = inSlotOrder;
    for (size_t start = 0; start < keys.size(); ++start) {
        if (keys[start].index == start)
            continue;
        RegisterRow held = std::move(rows[start]);
        size_t at = start;
        while (keys[at].index != start) {
            const size_t from = keys[at].index;
            rows[at] = std::move(rows[from]);
            keys[at].index = uint32_t(at);
            at = from;
        }
        rows[at] = std::move(held);
        keys[at].index = uint32_t(at);
    }

    int64_t balance = ledger::ToCents(ledger::GetStartingBalance());
    for (RegisterRow& row : rows) {
        const int64_t cents = ledger::ToCents(row.record.Amount);
        balance += ledger::IsCredit(row.record.TypeCode) ? cents : -cents;
        row.balanceCents = balance = std::clamp(balance, -ledger::MaxCents, ledger::MaxCents);
    }
    return rows;
}
