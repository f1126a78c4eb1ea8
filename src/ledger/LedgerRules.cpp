#include "ledger/LedgerRules.h"

#include "ledger/Ledger.h"
#include "model/TransactionRules.h"
#include "platform/Locale.h"

#include <QCoreApplication>

namespace ledger {

std::optional<TransactionRecord> FindCheck(int16_t checkNumber) {
    if (checkNumber < 1)
        return std::nullopt;
    TransactionRecord record;
    for (bool more = FirstTransaction(record); more; more = NextTransaction(record)) {
        if (record.CheckNumber == checkNumber && IsCheck(record.TypeCode, record.CheckNumber))
            return record;
    }
    return std::nullopt;
}

platform::Result<> CheckAfterLockDate(double date) {
    double lockDate = 0;
    if (GetLockDate(lockDate) && !(date > lockDate))
        return platform::Fail(QCoreApplication::translate("LedgerRules", "Date must be greater than %1")
                                  .arg(platform::FormatShortDate(lockDate)));
    return {};
}

} // namespace ledger
