#include "ledger/TransactionRules.h"

#include "platform/Locale.h"
#include "platform/Prompt.h"

#include <cmath>

namespace ledger {

bool IsAmountInRange(double amount) {
    return std::fabs(amount) <= MaxAmount; // false for NaN and infinities
}

QString TypeName(int typeCode, int checkNumber) {
    switch (typeCode) {
    case CheckOrPayment:
        return IsCheck(typeCode, checkNumber) ? QStringLiteral("Check") : QStringLiteral("Payment");
    case Withdrawal:
        return QStringLiteral("Withdrawal");
    case Fee:
        return QStringLiteral("Fee");
    case Deposit:
        return QStringLiteral("Deposit");
    case Interest:
        return QStringLiteral("Interest");
    default:
        return {};
    }
}

bool CheckAfterLockDate(double date) {
    double lockDate = 0;
    if (GetLockDate(lockDate) && !(date > lockDate)) {
        platform::MsgBox(QStringLiteral("Date must be greater than ") + platform::FormatShortDate(lockDate));
        return false;
    }
    return true;
}

int16_t IsDollarAmt(const int16_t& KeyAscii, const QString& text) {
    constexpr int16_t Backspace = 8;
    constexpr int16_t Point = '.';
    if (KeyAscii == Backspace)
        return KeyAscii;
    const qsizetype point = text.indexOf(QLatin1Char('.'));
    if (KeyAscii == Point)
        return point < 0 ? KeyAscii : 0;
    if (KeyAscii >= '0' && KeyAscii <= '9') {
        // Whole text, caret ignored: once two decimals stand, no digit is taken anywhere.
        if (point < 0 || text.size() - 2 < point + 1)
            return KeyAscii;
    }
    return 0;
}

} // namespace ledger
