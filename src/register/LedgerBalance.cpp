#include "register/LedgerBalance.h"

#include "ledger/Ledger.h"
#include "ledger/TransactionRules.h"

#include <algorithm>
#include <cmath>

int64_t BalanceOn(double day) {
    int64_t balance = ledger::ToCents(ledger::GetStartingBalance());
    ledger::TransactionRecord record;
    for (bool more = ledger::FirstTransaction(record); more; more = ledger::NextTransaction(record)) {
        if (record.TypeCode == ledger::Deleted || std::floor(record.Date) > std::floor(day))
            continue;
        const int64_t cents = ledger::ToCents(record.Amount);
        balance += ledger::IsCredit(record.TypeCode) ? cents : -cents;
        balance = std::clamp(balance, -ledger::MaxCents, ledger::MaxCents);
    }
    return balance;
}
