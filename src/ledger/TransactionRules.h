#pragma once
// The rules every part of the program applies to a transaction, written once: which type codes exist and which
// are credits, what a type is called, the lock date that new and edited dates must follow, and what an amount
// box lets the user type.

#include "ledger/Ledger.h"

#include <QString>
#include <cstdint>

namespace ledger {

constexpr bool IsTypeCode(int typeCode) {
    return typeCode >= CheckOrPayment && typeCode <= Interest;
}
// Deposits and interest add to the balance; checks, payments, withdrawals and fees take from it.
constexpr bool IsCredit(int typeCode) {
    return typeCode == Deposit || typeCode == Interest;
}
// A check carries its number; a payment is a check-or-payment record with number -1.
constexpr bool IsCheck(int typeCode, int checkNumber) {
    return typeCode == CheckOrPayment && checkNumber != PaymentCheckNumber;
}
// A finite amount of at most MaxAmount either way: what a record or the starting balance can hold.
bool IsAmountInRange(double amount);
// "Check", "Payment", "Withdrawal", "Fee", "Deposit" or "Interest"; empty for a code that is none of these.
QString TypeName(int typeCode, int checkNumber);

// New entries and edited dates must fall after the lock date. True when `date` may be used; otherwise the user
// has been told "Date must be greater than " and the lock date.
bool CheckAfterLockDate(double date);

// Key filter of the amount boxes: KeyAscii when the key may be typed into `text`, else 0. Digits, one decimal
// point and at most two decimals; Backspace always.
int16_t IsDollarAmt(const int16_t& KeyAscii, const QString& text);

} // namespace ledger
