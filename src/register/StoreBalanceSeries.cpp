// The balance series of the ledger in the store: kept apart from the arithmetic, which tests give rows of their own.
#include "register/BalanceSeries.h"

#include "ledger/ClearMarks.h"
#include "ledger/Ledger.h"
#include "model/TransactionRules.h"

#include <algorithm>

BalanceSeries StoreBalanceSeries(const platform::LocaleCodec& codec, double today, int horizonDays) {
    const std::vector<RegisterRow> rows = BuildRegisterRows(codec);
    const Forecast forecast = StoreForecast(rows, today, horizonDays);
    double lockDate = 0;
    if (!ledger::GetLockDate(lockDate))
        lockDate = 0;
    double reconciled = 0;
    for (const ledger::ReconciledStatement& statement : ledger::Statements())
        reconciled = std::max(reconciled, statement.date);
    return MakeBalanceSeries(rows, ledger::ToCents(ledger::GetStartingBalance()), forecast, lockDate, reconciled);
}
