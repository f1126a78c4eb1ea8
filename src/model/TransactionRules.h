#pragma once
// The rules every part of the program applies to a transaction, written once: which type codes exist and which
// are credits, what a type is called, and what an amount box lets the user type. The rules that ask the store are
// in ledger/LedgerRules.h.

#include "model/TransactionRecord.h"
#include "platform/Locale.h"

#include <QString>
#include <cstdint>
#include <optional>

namespace ledger {

constexpr bool IsTypeCode(int typeCode) {
    return typeCode >= CheckOrPayment && typeCode <= Interest;
}
// Deposits and interest add to the balance; checks, payments, withdrawals and fees take from it.
constexpr bool IsCredit(int typeCode) {
    return typeCode == Deposit || typeCode == Interest;
}
// What an amount of the type adds to the balance: plus for a credit, minus for a debit.
constexpr int64_t SignedCents(int typeCode, int64_t unsignedCents) {
    return IsCredit(typeCode) ? unsignedCents : -unsignedCents;
}
// A check carries its number; a payment is a check-or-payment record with number -1.
constexpr bool IsCheck(int typeCode, int checkNumber) {
    return typeCode == CheckOrPayment && checkNumber != PaymentCheckNumber;
}
// The check number a new record of the type carries: `number` for a check (the next one, or the one typed or read),
// PaymentCheckNumber for a payment, 0 for the other types.
constexpr int16_t NewCheckNumber(int typeCode, bool isCheck, int16_t number) {
    return typeCode != CheckOrPayment ? int16_t(0) : isCheck ? number : PaymentCheckNumber;
}
// A finite amount of at most MaxAmount either way: what a record or the starting balance can hold.
bool IsAmountInRange(double amount);
// "Check", "Payment", "Withdrawal", "Fee", "Deposit" or "Interest" in the user's language, as the register and
// messages show it; empty for a code that is none of these.
QString TypeName(int typeCode, int checkNumber);
// The same name always in English, for files other programs read (the CSV export).
QString TypeFileName(int typeCode, int checkNumber);

// Key filter of the amount boxes: the character to type when the key may be typed into `text`, else 0. Digits,
// one decimal separator (the locale's; the numeric keypad's decimal key types it, see KeyAsciiOf) and at most two
// decimals; Backspace always. A "." where the locale's separator is another is refused: "1.234,56" typed in a
// decimal-comma locale must not become 1,23.
int16_t IsDollarAmt(const int16_t& KeyAscii, const QString& text);
// True for a text the amount filter could have let the user type: digits with at most one decimal separator (the
// locale's) and at most two decimals. What is pasted or dropped into an amount box must pass it.
bool IsDollarText(const QString& text);
// What an amount box holds: ReadTypedMoney of a text IsDollarText allows; no value and no refusal for any other.
platform::TypedMoney ReadDollarText(const QString& text);

// Whole cents as plain text: a "-" for a negative number, the digits, `separator` and two decimals, no grouping.
QString CentsText(int64_t cents, QChar separator);
// An amount as the user would type it: digits, the locale's decimal separator and two decimals, no grouping
// ("1234.50"); IsDollarText holds for it.
QString DollarText(int64_t cents);

// C0 controls, DEL and the C1 controls (five bytes of code page 1252 decode to those): a terminal or a line-based
// file would act on them instead of showing them.
constexpr bool IsControlCharacter(char16_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}
bool HasControlCharacter(QStringView text);
// `text` with each control character as a space: for a record, a line-based file, a message.
QString ControlCharactersAsSpaces(QString text);
// `text` with each control character as "\x" and two hex digits (ESC as "\x1b"), so that it shows one character
// per column and stays on one line; other characters as they are.
QString EscapeControlCharacters(QStringView text);

// Amounts and balances in whole cents stay within this bound, so that adding one amount to a balance never
// overflows 64 bits.
constexpr int64_t MaxCents = 4'000'000'000'000'000'000;
// An amount in whole cents, halves away from zero, clamped to MaxCents (0 for a non-finite value). Balances are
// summed in cents, so they never drift.
int64_t ToCents(double amount);

} // namespace ledger
