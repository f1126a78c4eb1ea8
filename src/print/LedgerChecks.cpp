#include "print/LedgerChecks.h"

#include "ledger/CheckDetails.h"
#include "ledger/Ledger.h"
#include "model/TransactionRules.h"

#include <algorithm>

namespace print {

std::vector<LedgerCheck> ChecksByNumber() {
    std::vector<LedgerCheck> checks;
    ledger::TransactionRecord record;
    int16_t slot = 1;
    for (bool more = ledger::FirstTransaction(record); more; more = ledger::NextTransaction(record), ++slot)
        if (ledger::IsCheck(record.TypeCode, record.CheckNumber))
            checks.push_back({slot, record});
    std::stable_sort(checks.begin(), checks.end(), [](const LedgerCheck& a, const LedgerCheck& b) {
        return a.record.CheckNumber < b.record.CheckNumber;
    });
    return checks;
}

CheckToPrint CheckToPrintOf(const LedgerCheck& check) {
    return {check.record.CheckNumber,           check.record.Date,
            check.record.Description.trimmed(), ledger::ToCents(check.record.Amount),
            ledger::MemoOf(check.slot),         ledger::AddressOf(check.slot)};
}

} // namespace print
