#include "model/AmountWords.h"

#include <QStringList>
#include <array>

namespace ledger {

namespace {

constexpr std::array<const char*, 20> Ones = {
    "zero", "one",    "two",    "three",    "four",     "five",    "six",     "seven",     "eight",    "nine",
    "ten",  "eleven", "twelve", "thirteen", "fourteen", "fifteen", "sixteen", "seventeen", "eighteen", "nineteen"};
constexpr std::array<const char*, 10> Tens = {"",      "",      "twenty",  "thirty", "forty",
                                              "fifty", "sixty", "seventy", "eighty", "ninety"};
// Short scale, as US and Canadian checks count; an int64_t of cents stays below a hundred quadrillion dollars.
constexpr std::array<const char*, 6> Scales = {"", "thousand", "million", "billion", "trillion", "quadrillion"};

// 1 to 999.
QString Hundreds(int n) {
    QStringList words;
    if (n >= 100) {
        words << QLatin1String(Ones[size_t(n / 100)]) << QStringLiteral("hundred");
        n %= 100;
    }
    if (n >= 20) {
        QString tens = QLatin1String(Tens[size_t(n / 10)]);
        if (n % 10 != 0)
            tens += QLatin1Char('-') + QLatin1String(Ones[size_t(n % 10)]);
        words << tens;
    } else if (n > 0) {
        words << QLatin1String(Ones[size_t(n)]);
    }
    return words.join(QLatin1Char(' '));
}

QString Whole(uint64_t dollars) {
    if (dollars == 0)
        return QLatin1String(Ones[0]);
    QStringList groups;
    for (size_t scale = 0; dollars > 0; ++scale, dollars /= 1000) {
        const int group = int(dollars % 1000);
        if (group == 0)
            continue;
        QString words = Hundreds(group);
        if (scale > 0)
            words += QLatin1Char(' ') + QLatin1String(Scales[scale]);
        groups.prepend(words);
    }
    return groups.join(QLatin1Char(' '));
}

} // namespace

QString AmountInWords(int64_t cents) {
    const uint64_t size = cents < 0 ? uint64_t(0) - uint64_t(cents) : uint64_t(cents);
    QString words = Whole(size / 100);
    words[0] = words[0].toUpper();
    return QStringLiteral("%1 and %2/100").arg(words).arg(int(size % 100), 2, 10, QLatin1Char('0'));
}

} // namespace ledger
