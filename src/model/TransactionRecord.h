#pragma once
// A transaction as the data file and the store hold it: its type codes, its 64-byte record's fields and the limits
// that the file's 16-bit counts set.

#include "platform/Locale.h"

#include <QString>
#include <cstdint>

namespace ledger {

enum TypeCodes : int16_t {
    Deleted = -1,
    CheckOrPayment = 0,
    Withdrawal = 1,
    Fee = 2,
    Deposit = 3,
    Interest = 4,
};

constexpr int DescriptionLength = 46;
constexpr int16_t PaymentCheckNumber = -1;
// 16-bit record count in the file header: at most 32767 records counting the header.
constexpr int MaxSlots = 32767;
constexpr int16_t MaxCheckNumber = 32767;
// The largest amount or starting balance in dollars, either sign; the windows take no larger one. The register
// adds amounts as whole cents in 64-bit integers and cuts a balance off at 4 x 10^18 cents; 32,767 amounts and a
// starting balance of 10^14 cents each come to at most 3.3 x 10^18, so no balance is ever cut off.
constexpr double MaxAmount = platform::MaxMoney;

struct TransactionRecord {
    int16_t TypeCode = 0;
    int16_t CheckNumber = 0;
    double Date = 0;                                                    // days since 30 December 1899
    float Amount = 0;                                                   // unsigned; TypeCode decides debit or credit
    QString Description = QString(DescriptionLength, QLatin1Char(' ')); // always exactly 46 characters
    int16_t Locked = 0;                                                 // -1 true, 0 false

    bool operator==(const TransactionRecord&) const = default;
};

// Pads with spaces or cuts to exactly 46 characters.
QString FixDescription(const QString& text);
// A voided check keeps its number and date, pays 0.00 and says so first: "VOID " before its description, which
// loses its end where the record has no room.
QString VoidDescription(const QString& description);

} // namespace ledger
