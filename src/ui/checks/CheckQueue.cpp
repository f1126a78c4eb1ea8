// Renumbering and the end of a print run, each one change of the store (one journal entry).
#include "ui/checks/CheckQueue.h"

#include "ledger/ChangeBatch.h"
#include "ledger/CheckDetails.h"
#include "ledger/Ledger.h"
#include "model/TransactionRules.h"

#include <algorithm>

namespace checks {

std::optional<std::vector<int>> FormNumbers(size_t count, int firstForm) {
    if (firstForm < 1 || firstForm + int(count) - 1 > ledger::MaxCheckNumber)
        return std::nullopt;
    std::vector<int> forms;
    for (size_t i = 0; i < count; ++i)
        forms.push_back(firstForm + int(i));
    return forms;
}

bool NeedsRenumbering(const std::vector<print::LedgerCheck>& checks, const std::vector<int>& forms) {
    for (size_t i = 0; i < checks.size(); ++i)
        if (checks[i].record.CheckNumber != forms[i])
            return true;
    return false;
}

const print::LedgerCheck* FirstLocked(const std::vector<print::LedgerCheck>& checks) {
    const auto locked = std::find_if(checks.begin(), checks.end(),
                                     [](const print::LedgerCheck& check) { return check.record.Locked != 0; });
    return locked == checks.end() ? nullptr : &*locked;
}

void Renumber(std::vector<print::LedgerCheck>& checks, const std::vector<int>& forms) {
    const ledger::ChangeBatch batch;
    for (size_t i = 0; i < checks.size(); ++i) {
        ledger::TransactionRecord& record = checks[i].record;
        if (record.CheckNumber == forms[i])
            continue;
        record.CheckNumber = int16_t(forms[i]);
        ledger::UpdateTransaction(checks[i].slot, record.CheckNumber, record.Date, record.Amount, record.Description,
                                  record.Locked != 0);
    }
    if (!forms.empty() && ledger::GetNextCheckNumber() <= forms.back())
        ledger::SetNextCheckNumber(int16_t(std::min<int>(forms.back() + 1, ledger::MaxCheckNumber)));
}

std::vector<int16_t> FinishPrintRun(const std::vector<print::LedgerCheck>& printed, std::optional<size_t> firstSpoiled,
                                    const std::vector<print::LedgerCheck>& voidForms, double today) {
    const ledger::ChangeBatch batch;
    const size_t spoiledFrom = firstSpoiled.value_or(printed.size());
    for (size_t i = 0; i < printed.size(); ++i)
        ledger::SetWaitingToPrint(printed[i].slot, i >= spoiledFrom);
    const int16_t nextNumber = ledger::GetNextCheckNumber();
    std::vector<int16_t> voids;
    for (const print::LedgerCheck& form : voidForms) {
        if (!ledger::CanAddTransaction())
            break;
        voids.push_back(ledger::AddTransaction(form.record.CheckNumber, today, 0,
                                               ledger::VoidDescription(form.record.Description.trimmed()),
                                               ledger::CheckOrPayment));
    }
    // A voided form lies behind the forms printed since: the next check number stays where they left it.
    ledger::SetNextCheckNumber(std::max(nextNumber, ledger::GetNextCheckNumber()));
    return voids;
}

void TakeBackVoids(const std::vector<int16_t>& slots) {
    const ledger::ChangeBatch batch;
    for (const int16_t slot : slots)
        ledger::DeleteTransaction(slot);
}

void PutBackVoids(const std::vector<int16_t>& slots) {
    const ledger::ChangeBatch batch;
    for (const int16_t slot : slots)
        ledger::RestoreTransaction(slot, ledger::CheckOrPayment);
}

} // namespace checks
