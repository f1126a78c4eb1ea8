// The forecast of the ledger in the store: kept apart from the arithmetic, which tests give values of their own.
#include "register/Forecast.h"

#include "ledger/Ledger.h"
#include "model/TransactionRules.h"

Forecast StoreForecast(const std::vector<RegisterRow>& rows, double today, int horizonDays) {
    return MakeForecast(rows, ledger::ToCents(ledger::GetStartingBalance()), ledger::Schedules(), today, horizonDays);
}
