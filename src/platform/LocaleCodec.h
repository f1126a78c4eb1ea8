#pragma once
// The conversions of Locale.h prepared once for bulk work (a grid of tens of thousands of rows is filled, sorted
// and re-balanced in a few milliseconds). Every function gives exactly the result of its Locale.h namesake: the
// plain forms that a grid holds (canonical short dates, grouped or plain unsigned numbers) take a fast path, and
// everything else, or a locale whose forms the fast path does not know, takes the Locale.h path.
// A codec captures the default locale when it is made; make a new one after QLocale::setDefault.

#include <QString>
#include <QStringView>
#include <cstdint>
#include <optional>
#include <vector>

namespace platform {

class LocaleCodec {
public:
    LocaleCodec();

    QString FormatShortDate(double dayCount) const;
    std::optional<double> ParseShortDate(QStringView text) const;
    // FormatMoney of a whole number of cents.
    QString FormatCents(int64_t cents) const;
    // FormatMoney of a 32-bit float (rounded to cents, halves away from zero, as FormatMoney rounds).
    QString FormatMoney(float value) const;
    std::optional<double> ToDouble(QStringView text) const;

private:
    struct DateField {
        char kind;       // 'd', 'M', 'y' for a number, 0 for literal text
        bool padded;     // dd / MM: always two digits
        QString literal; // the separator text for kind 0
    };
    bool ParseFastNumber(QStringView text, double& value) const;
    bool ParseFastDate(QStringView text, double& dayCount) const;
    bool SelfCheck() const;

    std::vector<DateField> dateFields; // empty when the short date form is not all numbers and separators
    QChar decimalPoint;
    QChar groupSeparator;
    QString negativeSign;
    bool fastNumbers = false;
};

} // namespace platform
