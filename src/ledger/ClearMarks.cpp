// The store's marks, statements and bank ids: kept by slot, hidden while a slot is deleted.
#include "ledger/ClearMarks.h"

#include "ledger/LedgerState.h"
#include "platform/Locale.h"

#include <algorithm>

namespace ledger {

namespace {
bool IsLive(int slot) {
    return LiveRecord(slot) != nullptr;
}

template <typename T> void Put(std::vector<T>& bySlot, int slot, const T& value) {
    if (size_t(slot) >= bySlot.size()) {
        if (value == T())
            return;
        bySlot.resize(size_t(slot) + 1);
    }
    bySlot[size_t(slot)] = value;
}

void Changed(int slot) {
    State().Modified = true;
    ShowJournalFailure(JournalMark(slot));
}
} // namespace

void ClearMarkState::SetMark(int slot, ClearMark mark) {
    Put(marks, slot, mark);
}

void ClearMarkState::SetBankId(int slot, const QString& bankId) {
    Put(bankIds, slot, bankId);
}

void ClearMarkState::SetDetail(int slot, const CheckDetail& detail) {
    Put(details, slot, detail);
}

void ClearMarkState::SetCategory(int slot, const CategoryAssignment& category) {
    Put(categories, slot, category);
}

void ClearMarkState::DropFrom(int nextSlot) {
    marks.resize(std::min(marks.size(), size_t(nextSlot)));
    bankIds.resize(std::min(bankIds.size(), size_t(nextSlot)));
    details.resize(std::min(details.size(), size_t(nextSlot)));
    categories.resize(std::min(categories.size(), size_t(nextSlot)));
}

ClearMark GetClearMark(int16_t slot) {
    return IsLive(slot) ? State().Marks.MarkOf(slot) : ClearMark::None;
}

bool SetClearMark(int16_t slot, ClearMark mark) {
    if (!IsLive(slot) || mark > ClearMark::Reconciled)
        return false;
    if (State().Marks.MarkOf(slot) != mark) {
        State().Marks.SetMark(slot, mark);
        Changed(slot);
    }
    return true;
}

QString BankIdOf(int16_t slot) {
    return IsLive(slot) ? State().Marks.BankIdOf(slot) : QString();
}

bool SetBankId(int16_t slot, const QString& bankId) {
    if (!IsLive(slot) || bankId.size() > MaxBankIdLength)
        return false;
    if (State().Marks.BankIdOf(slot) != bankId) {
        State().Marks.SetBankId(slot, bankId);
        Changed(slot);
    }
    return true;
}

QStringList DeletedBankIds() {
    return DeletedBankIdsOf(State());
}

QStringList DeletedBankIdsOf(const LedgerState& s) {
    QStringList ids = s.Marks.deletedBankIds;
    const int end = std::min<int>(s.NextSlot, int(s.Marks.bankIds.size()));
    for (int slot = 1; slot < end; ++slot) {
        if (s.Records[size_t(slot)].TypeCode == Deleted && !s.Marks.bankIds[size_t(slot)].isEmpty())
            ids << s.Marks.bankIds[size_t(slot)];
    }
    return ids;
}

bool RecordStatement(const ReconciledStatement& statement) {
    if (!platform::IsDayCountInRange(statement.date) ||
        !std::all_of(statement.slots.begin(), statement.slots.end(), IsLive))
        return false;
    LedgerState& s = State();
    s.Marks.statements.push_back(statement);
    s.Modified = true;
    ShowJournalFailure(JournalStatement(statement));
    return true;
}

bool DropLastStatement() {
    LedgerState& s = State();
    if (s.Marks.statements.empty())
        return false;
    s.Marks.statements.pop_back();
    s.Modified = true;
    ShowJournalFailure(JournalAllMarks());
    return true;
}

std::vector<ReconciledStatement> Statements() {
    std::vector<ReconciledStatement> statements = State().Marks.statements;
    for (ReconciledStatement& statement : statements)
        std::erase_if(statement.slots, [](int slot) { return !IsLive(slot); });
    return statements;
}

const CompanionLoad& LastCompanionLoad() {
    return State().LastLoad;
}

} // namespace ledger
