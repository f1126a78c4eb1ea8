#pragma once
// Every conversion between text and numbers or dates, with the rules of the default QLocale.
// Tests pin the default locale to US English with QLocale::setDefault.

#include <QDate>
#include <QDateTime>
#include <QString>
#include <cstdint>
#include <optional>

namespace platform {

// Dates are day counts since 30 December 1899 held in doubles; the fraction would be the time of day.
double DayCountFromDate(const QDate& date);
// Invalid for a day count outside FirstDayCount..LastDayCount (NaN and infinities included).
QDate DateFromDayCount(double dayCount);
// The dates the program can show and type: 1/1/100 to 12/31/9999. Day counts before 30 December 1899 are negative.
constexpr double FirstDayCount = -657434;
constexpr double LastDayCount = 2958465;
// True when the day (the whole part of the count) lies in that range; false for NaN and infinities.
bool IsDayCountInRange(double dayCount);
double Today();

// The locale's short date form, but always with a four-digit year: dates travel through text (grid cells)
// and a two-digit year would move them to another century. US English gives M/d/yyyy.
QString ShortDateFormat();
QString FormatShortDate(double dayCount);
// A moment as the messages name it: the short date as above and the locale's short time ("12/9/2026 6:25 AM").
QString FormatShortDateTime(const QDateTime& moment);
// Surrounding spaces are ignored; empty for a text that is not a valid date.
std::optional<double> ParseShortDate(const QString& text);
// A date as a user types it: the short date form with or without leading zeros on day and month, a year of four
// digits. Empty for a text that is no date, a date that does not exist (2/30) or a shorter year, never another
// date.
std::optional<double> ParseTypedDate(const QString& text);

// "##,##0.00" of a whole number of cents: thousands separators, at least one integer digit, two decimals, the
// locale's minus sign before a negative amount. Built from the integer, so it is exact at every size.
QString FormatCents(int64_t cents);
// FormatCents of the value rounded to whole cents (halves away from zero); never "-0.00". Values beyond whole
// cents in 64 bits are shown by the locale's own number form.
QString FormatMoney(double value);
// General number form of a 32-bit float: the fewest digits that read back as the same float (100 -> "100",
// 1234.5 -> "1234.5", 100000.01 -> "100000.01"), the locale's decimal separator, no thousands separators.
QString FormatGeneral(float value);
// The locale's decimal separator as amount boxes take it; "." where the locale's is longer than one character.
QChar DecimalSeparator();

// Text to number by the locale's rules: surrounding spaces, a leading sign, one decimal separator, thousands
// separators in the right places and a leading currency symbol are accepted. Empty text, infinities, NaN and
// values out of range give no value.
std::optional<double> ToDouble(const QString& text);
std::optional<float> ToSingle(const QString& text);
// The largest amount of money the program takes and keeps, either sign. Balances are added up in whole cents in
// 64-bit integers; 32,768 amounts of 10^14 cents stay far below their limit.
constexpr double MaxMoney = 1e12;
// ToSingle for an amount of money: nothing beyond MaxMoney either way.
std::optional<float> ToMoney(const QString& text);
// Amounts are kept in 32-bit floats: every cent up to LargestExactCents, above it only whole amounts and some
// fractions. An amount is taken only when its float keeps it to the cent.
constexpr int64_t LargestExactCents = 13'107'199;
// The float that keeps `amount` to the cent, within MaxMoney either way; none for any other amount.
std::optional<float> MoneyKeptToTheCent(double amount);
// Why such an amount is refused: "131,072.01 would be kept as 131,072.02: amounts are kept to the cent up to
// 131,071.99".
QString MoneyNotKeptText(double amount);
// An amount of money the user typed: its float when that keeps it to the cent. Otherwise no value, and `refusal`
// says why for an amount the float would round (MoneyNotKeptText); it is empty for a text that is no amount of
// money (ToMoney), which each box answers in its own way.
struct TypedMoney {
    std::optional<float> value;
    QString refusal;
};
TypedMoney ReadTypedMoney(const QString& text);
// Whole numbers: a fraction goes to the nearest integer, halves to the even one.
std::optional<int16_t> ToInteger(const QString& text);
bool IsNumericText(const QString& text);

} // namespace platform
