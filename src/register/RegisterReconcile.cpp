// Reconciling the register with a bank statement: cleared marks, the cleared balance, what is outstanding, and
// Finish, which reconciles and locks the cleared rows.
#include "register/RegisterModel.h"

#include "ledger/ChangeBatch.h"
#include "model/TransactionRules.h"
#include "register/RegisterCells.h"

#include <cmath>
#include <unordered_map>

RegisterModel::Outcome RegisterModel::ToggleCleared(int index, RegisterUpdate& update) {
    RegisterRow& row = rows[size_t(index)];
    if (row.IsReconciled())
        return Outcome::Refused;
    const ledger::ClearMark mark = row.IsCleared() ? ledger::ClearMark::None : ledger::ClearMark::Cleared;
    if (!ledger::SetClearMark(int16_t(row.slot), mark))
        return Outcome::Refused;
    Change change;
    change.kind = Kind::Mark;
    change.slot = row.slot;
    change.column = RegisterColumn::Cleared;
    change.mark[0] = row.mark;
    change.mark[1] = mark;
    row.mark = mark;
    Record(std::move(change));
    update.flags.push_back(index);
    update.current = index;
    update.column = RegisterColumn::Cleared;
    return Outcome::Changed;
}

RegisterModel::Reconciliation RegisterModel::Reconcile(double day, int64_t statementCents) const {
    Reconciliation result;
    const double through = std::floor(day);
    result.clearedCents = ledger::ToCents(ledger::GetStartingBalance());
    // Outstanding amounts by signed cents, for the rows whose clearing would balance.
    std::unordered_map<int64_t, int> outstandingBy;
    for (size_t i = 0; i < rows.size(); ++i) {
        const RegisterRow& row = rows[i];
        if (DateSortKey(row.dateDay) > through)
            continue;
        const int64_t cents = SignedCents(row.record);
        if (row.IsReconciled() || row.IsCleared()) {
            result.clearedCents = AddToBalance(result.clearedCents, cents);
            result.toReconcile += row.IsCleared() ? 1 : 0;
            continue;
        }
        result.outstanding.push_back(int(i));
        if (cents < 0) {
            result.outstandingDebits += 1;
            result.outstandingDebitCents -= cents;
        } else {
            result.outstandingCredits += 1;
            result.outstandingCreditCents += cents;
        }
    }
    result.differenceCents = result.clearedCents - statementCents;
    if (result.differenceCents == 0)
        return result;

    // Clearing a row adds its amount: the rows that would bring the difference to 0.
    const int64_t wanted = -result.differenceCents;
    for (const int i : result.outstanding) {
        const int64_t cents = SignedCents(rows[size_t(i)].record);
        if (cents == wanted && result.clearingOne.empty())
            result.clearingOne = {i};
        if (result.clearingPair.empty()) {
            const auto other = outstandingBy.find(wanted - cents);
            if (other != outstandingBy.end())
                result.clearingPair = {other->second, i};
        }
        outstandingBy.emplace(cents, i);
    }
    result.digitsSwapped = result.differenceCents % 9 == 0;
    return result;
}

bool RegisterModel::Finish(double day, int64_t statementCents, RegisterUpdate& update) {
    const Reconciliation reconciliation = Reconcile(day, statementCents);
    if (reconciliation.differenceCents != 0 || reconciliation.toReconcile == 0)
        return false;
    const double through = std::floor(day);
    ledger::ReconciledStatement statement{through, statementCents, {}};
    // One entry of the recovery journal: the marks, the locks and the statement come back together or not at all.
    const ledger::ChangeBatch batch;
    Change* change = RecordLock(
        [&] {
            for (RegisterRow& row : rows) {
                if (!row.IsCleared() || DateSortKey(row.dateDay) > through)
                    continue;
                row.record.Locked = -1;
                row.changed = true;
                row.mark = ledger::ClearMark::Reconciled;
                ledger::SetClearMark(int16_t(row.slot), row.mark);
                statement.slots.push_back(row.slot);
            }
            ledger::SetRecordsLocked(true);
            double lockDate = 0;
            ledger::GetLockDate(lockDate);
            if (reconciliation.outstanding.empty() && through > lockDate)
                ledger::SetLockDate(through);
            ledger::RecordStatement(statement);
        },
        update);
    if (change)
        change->statement = statement;
    return true;
}
