#pragma once
// The conversions of Locale.h prepared once for bulk work (a grid of tens of thousands of rows is filled, sorted
// and re-balanced in a few milliseconds). Every function gives exactly the result of its Locale.h namesake: the
// plain forms that a grid holds (canonical short dates, grouped or plain unsigned numbers) take a fast path, and
// everything else, or a locale whose forms the fast path does not know, takes the Locale.h path.
// A codec captures the default locale when it is made; make a new one after QLocale::setDefault.

#include <QString>
#include <QStringView>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace platform {

class LocaleCodec {
public:
    LocaleCodec();

    // Room for one date or money text of the fast paths.
    using TextBuffer = std::array<char16_t, 64>;

    QString FormatShortDate(double dayCount) const;
    // FormatShortDate written into `buffer`, for bulk output without an allocation per text; empty where the fast
    // path does not apply (FormatShortDate then). The same for FormatCents.
    std::optional<QStringView> FormatShortDate(double dayCount, TextBuffer& buffer) const;
    // What ParseShortDate reads FormatShortDate's text as, known without reading it where the fast path writes it.
    std::optional<double> ShortDateReadBack(double dayCount) const;
    std::optional<double> ParseShortDate(QStringView text) const;
    // FormatMoney of a whole number of cents.
    QString FormatCents(int64_t cents) const;
    std::optional<QStringView> FormatCents(int64_t cents, TextBuffer& buffer) const;
    // FormatMoney of a 32-bit float (rounded to cents, halves away from zero, as FormatMoney rounds).
    QString FormatMoney(float value) const;
    std::optional<double> ToDouble(QStringView text) const;

private:
    struct DateField {
        char kind;       // 'd', 'M', 'y' for a number, 'N' for the month's name, 0 for literal text
        bool padded;     // dd / MM: always two digits
        QString literal; // the separator text for kind 0
    };
    bool ParseFastNumber(QStringView text, double& value) const;
    bool ParseFastDate(QStringView text, double& dayCount) const;
    // The month (1 to 12) whose name stands at `pos`, moving past it; 0 when none does.
    int ReadMonthName(QStringView text, qsizetype& pos) const;
    bool SelfCheck() const;

    std::vector<DateField> dateFields;  // empty when the short date form is not one the fast path knows
    std::array<QString, 12> monthNames; // for an 'N' field
    QChar decimalPoint;
    QChar groupSeparator;
    QString negativeSign;
    bool fastNumbers = false;
};

} // namespace platform
