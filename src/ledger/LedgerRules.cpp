#include "ledger/LedgerRules.h"

#include "ledger/Ledger.h"
#include "model/TransactionRules.h"
#include "platform/Locale.h"
#include "platform/Prompt.h"

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

bool CheckAfterLockDate(double date) {
    double lockDate = 0;
    if (GetLockDate(lockDate) && !(date > lockDate)) {
        platform::MsgBox(QStringLiteral("Date must be greater than ") + platform::FormatShortDate(lockDate));
        return false;
    }
    return true;
}

} // namespace ledger
