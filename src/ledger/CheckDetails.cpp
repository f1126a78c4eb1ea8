// The store's check details: kept by slot beside the marks, hidden while a slot is deleted.
#include "ledger/CheckDetails.h"

#include "ledger/LedgerState.h"
#include "model/TransactionRules.h"

#include <algorithm>

namespace ledger {

namespace {
bool TakesDetails(int slot) {
    const TransactionRecord* record = LiveRecord(slot);
    return record && record->TypeCode == CheckOrPayment;
}

CheckDetail DetailOf(int slot) {
    return LiveRecord(slot) ? State().Marks.DetailOf(slot) : CheckDetail();
}

bool Change(int slot, const CheckDetail& detail) {
    if (State().Marks.DetailOf(slot) != detail) {
        State().Marks.SetDetail(slot, detail);
        State().Modified = true;
        ShowJournalFailure(JournalDetail(slot));
    }
    return true;
}

QStringList WithoutTrailingEmptyLines(QStringList lines) {
    while (!lines.isEmpty() && lines.back().trimmed().isEmpty())
        lines.removeLast();
    return lines;
}
} // namespace

QString MemoOf(int16_t slot) {
    return DetailOf(slot).memo;
}

bool SetMemo(int16_t slot, const QString& memo) {
    if (!TakesDetails(slot) || memo.size() > MaxMemoLength)
        return false;
    CheckDetail detail = State().Marks.DetailOf(slot);
    detail.memo = memo;
    return Change(slot, detail);
}

QStringList AddressOf(int16_t slot) {
    return DetailOf(slot).address;
}

bool SetAddress(int16_t slot, const QStringList& lines) {
    const QStringList address = WithoutTrailingEmptyLines(lines);
    if (!TakesDetails(slot) || address.size() > MaxAddressLines ||
        std::any_of(address.begin(), address.end(),
                    [](const QString& line) { return line.size() > MaxAddressLineLength; }))
        return false;
    CheckDetail detail = State().Marks.DetailOf(slot);
    detail.address = address;
    return Change(slot, detail);
}

bool IsWaitingToPrint(int16_t slot) {
    return DetailOf(slot).waitingToPrint;
}

bool SetWaitingToPrint(int16_t slot, bool waiting) {
    const TransactionRecord* record = LiveRecord(slot);
    if (!record || !IsCheck(record->TypeCode, record->CheckNumber))
        return false;
    CheckDetail detail = State().Marks.DetailOf(slot);
    detail.waitingToPrint = waiting;
    return Change(slot, detail);
}

std::vector<int16_t> ChecksWaitingToPrint() {
    std::vector<int16_t> waiting;
    for (int slot = 1; slot < std::min<int>(State().NextSlot, int(State().Marks.details.size())); ++slot)
        if (IsWaitingToPrint(int16_t(slot)))
            waiting.push_back(int16_t(slot));
    std::stable_sort(waiting.begin(), waiting.end(), [](int16_t a, int16_t b) {
        return State().Records[size_t(a)].CheckNumber < State().Records[size_t(b)].CheckNumber;
    });
    return waiting;
}

QStringList LastAddressOf(const QString& payee) {
    const QString wanted = payee.trimmed();
    const LedgerState& s = State();
    int newest = 0;
    for (int slot = 1; slot < std::min<int>(s.NextSlot, int(s.Marks.details.size())); ++slot) {
        const TransactionRecord* record = LiveRecord(slot);
        if (!record || s.Marks.details[size_t(slot)].address.isEmpty() || record->Description.trimmed() != wanted)
            continue;
        if (newest == 0 || record->Date >= s.Records[size_t(newest)].Date)
            newest = slot;
    }
    return newest == 0 ? QStringList() : s.Marks.details[size_t(newest)].address;
}

} // namespace ledger
