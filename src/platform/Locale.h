#pragma once
// Every conversion between text and numbers or dates, with the rules of the default QLocale.
// Tests pin the default locale to US English with QLocale::setDefault.

#include <QDate>
#include <QString>
#include <cstdint>
#include <optional>

namespace platform {

// Dates are day counts since 30 December 1899 held in doubles; the fraction would be the time of day.
double DayCountFromDate(const QDate& date);
QDate DateFromDayCount(double dayCount);
double Today();

// The locale's short date form, but always with a four-digit year: dates travel through text (grid cells)
// and a two-digit year would move them to another century. US English gives M/d/yyyy.
QString ShortDateFormat();
QString FormatShortDate(double dayCount);
// Surrounding spaces are ignored; empty for a text that is not a valid date.
std::optional<double> ParseShortDate(const QString& text);
// A date as a user types it: the short date form with or without leading zeros on day and month, a year of four
// digits. Empty for a text that is no date, a date that does not exist (2/30) or a shorter year, never another
// date.
std::optional<double> ParseTypedDate(const QString& text);

// "##,##0.00": thousands separators, at least one integer digit, two decimals; never "-0.00".
QString FormatMoney(double value);
// General number form of a 32-bit float: at most 7 significant digits, no separators, no trailing zeros.
QString FormatGeneral(float value);

// Text to number by the locale's rules: surrounding spaces, a leading sign, one decimal separator, thousands
// separators in the right places and a leading currency symbol are accepted. Empty text, infinities, NaN and
// values out of range give no value.
std::optional<double> ToDouble(const QString& text);
std::optional<float> ToSingle(const QString& text);
// Whole numbers: a fraction goes to the nearest integer, halves to the even one.
std::optional<int16_t> ToInteger(const QString& text);
bool IsNumericText(const QString& text);

} // namespace platform
