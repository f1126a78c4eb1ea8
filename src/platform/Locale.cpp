#include "platform/Locale.h"

#include <QCoreApplication>
#include <QLocale>
#include <QRegularExpression>
#include <charconv>
#include <cmath>
#include <limits>

namespace platform {

namespace {
const QDate DayZero(1899, 12, 30);

std::optional<double> RoundHalfEven(const QString& text, double low, double high) {
    const std::optional<double> value = ToDouble(text);
    if (!value)
        return std::nullopt;
    // nearbyint honours the current rounding mode, which is round-half-even unless someone changed it.
    const double rounded = std::nearbyint(*value);
    if (rounded < low || rounded > high)
        return std::nullopt;
    return rounded;
}
} // namespace

double DayCountFromDate(const QDate& date) {
    return double(DayZero.daysTo(date));
}

bool IsDayCountInRange(double dayCount) {
    const double day = std::floor(dayCount);
    return day >= FirstDayCount && day <= LastDayCount; // false for NaN
}

QDate DateFromDayCount(double dayCount) {
    // Checked first: casting NaN or a count beyond qint64 to an integer is undefined.
    if (!IsDayCountInRange(dayCount))
        return {};
    return DayZero.addDays(qint64(std::floor(dayCount)));
}

double Today() {
    return DayCountFromDate(QDate::currentDate());
}

QString ShortDateFormat() {
    QString format = QLocale().dateFormat(QLocale::ShortFormat);
    static const QRegularExpression yearRun(QStringLiteral("y+"));
    return format.replace(yearRun, QStringLiteral("yyyy"));
}

QString FormatShortDate(double dayCount) {
    return QLocale().toString(DateFromDayCount(dayCount), ShortDateFormat());
}

QString FormatShortDateTime(const QDateTime& moment) {
    const QDateTime local = moment.toLocalTime();
    return QLocale().toString(local.date(), ShortDateFormat()) + QLatin1Char(' ') +
           QLocale().toString(local.time(), QLocale::ShortFormat);
}

std::optional<double> ParseShortDate(const QString& text) {
    const QDate date = QLocale().toDate(text.trimmed(), ShortDateFormat());
    if (!date.isValid())
        return std::nullopt;
    return DayCountFromDate(date);
}

std::optional<double> ParseTypedDate(const QString& text) {
    // Single-letter day and month fields read one or two digits, leading zero or not; month names stay as they are.
    static const QRegularExpression paddedField(QStringLiteral("(?<![dM])([dM])\\1(?![dM])"));
    static const QRegularExpression fourDigitYear(QStringLiteral("(?<!\\d)\\d{4}(?!\\d)"));
    QString format = ShortDateFormat();
    format.replace(paddedField, QStringLiteral("\\1"));
    const QString trimmed = text.trimmed();
    // QLocale reads "3/4/25" in a yyyy field as the year 25.
    if (!trimmed.contains(fourDigitYear))
        return std::nullopt;
    const QDate date = QLocale().toDate(trimmed, format);
    if (!date.isValid() || date.year() < 1000)
        return std::nullopt;
    return DayCountFromDate(date);
}

QString FormatCents(int64_t cents) {
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() & ~QLocale::OmitGroupSeparator);
    const uint64_t magnitude = cents < 0 ? 0 - uint64_t(cents) : uint64_t(cents);
    const int fraction = int(magnitude % 100);
    // Digits, separators and sign all come from the locale; the number itself never passes through a double.
    const QString text = locale.toString(qulonglong(magnitude / 100)) + locale.decimalPoint() +
                         locale.toString(fraction / 10) + locale.toString(fraction % 10);
    if (cents >= 0)
        return text;
    // Where the locale puts its minus sign (some write it with direction marks, or after the number).
    const QString one = locale.toString(1);
    const QString minusOne = locale.toString(-1);
    const qsizetype at = minusOne.indexOf(one);
    if (at < 0)
        return locale.negativeSign() + text;
    return minusOne.left(at) + text + minusOne.mid(at + one.size());
}

QString FormatMoney(double value) {
    const double cents = std::round(value * 100.0);
    if (std::isfinite(cents) && std::fabs(cents) < 9e18)
        return FormatCents(int64_t(cents));
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() & ~QLocale::OmitGroupSeparator);
    return locale.toString(value, 'f', 2);
}

QString FormatGeneral(float value) {
    if (value == 0.0f || !std::isfinite(value))
        return QLocale().toString(std::isfinite(value) ? 0.0 : double(value));
    // std::to_chars gives the shortest text that reads back as this very float; Qt has no such form for floats.
    char buffer[64];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    if (error != std::errc())
        return QLocale().toString(double(value), 'g', 9);
    QString text = QString::fromLatin1(buffer, end - buffer);
    const QLocale locale;
    text.replace(QLatin1Char('.'), locale.decimalPoint());
    text.replace(QLatin1Char('-'), locale.negativeSign());
    for (char digit = '0'; digit <= '9'; ++digit)
        text.replace(QLatin1Char(digit), locale.toString(digit - '0'));
    return text;
}

QChar DecimalSeparator() {
    const QString point = QLocale().decimalPoint();
    return point.size() == 1 ? point[0] : QLatin1Char('.');
}

std::optional<double> ToDouble(const QString& text) {
    QLocale locale;
    QString t = text.trimmed();
    QString sign;
    if (t.startsWith(locale.negativeSign()) || t.startsWith(locale.positiveSign())) {
        sign = t.left(1);
        t = t.mid(1).trimmed();
    }
    const QString currency = locale.currencySymbol();
    if (!currency.isEmpty() && t.startsWith(currency))
        t = t.mid(currency.size()).trimmed();
    if (t.isEmpty())
        return std::nullopt;
    bool ok = false;
    const double value = locale.toDouble(sign + t, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<float> ToSingle(const QString& text) {
    const std::optional<double> value = ToDouble(text);
    if (!value || std::fabs(*value) > double(std::numeric_limits<float>::max()))
        return std::nullopt;
    return float(*value);
}

std::optional<float> ToMoney(const QString& text) {
    const std::optional<double> value = ToDouble(text);
    if (!value || std::fabs(*value) > MaxMoney)
        return std::nullopt;
    return float(*value);
}

std::optional<float> MoneyKeptToTheCent(double amount) {
    if (!(std::fabs(amount) <= MaxMoney))
        return std::nullopt;
    const float kept = float(amount);
    if (std::llround(double(kept) * 100) != std::llround(amount * 100))
        return std::nullopt;
    return kept;
}

QString MoneyNotKeptText(double amount) {
    return QCoreApplication::translate("Locale", "%1 would be kept as %2: amounts are kept to the cent up to %3")
        .arg(FormatMoney(amount), FormatMoney(float(amount)), FormatCents(LargestExactCents));
}

TypedMoney ReadTypedMoney(const QString& text) {
    if (!ToMoney(text))
        return {};
    const double amount = ToDouble(text).value_or(0);
    const std::optional<float> kept = MoneyKeptToTheCent(amount);
    return {kept, kept ? QString() : MoneyNotKeptText(amount)};
}

std::optional<int16_t> ToInteger(const QString& text) {
    const auto value = RoundHalfEven(text, -32768.0, 32767.0);
    if (!value)
        return std::nullopt;
    return int16_t(*value);
}

bool IsNumericText(const QString& text) {
    return ToDouble(text).has_value();
}

} // namespace platform
