#include "platform/Locale.h"

#include <QLocale>
#include <QRegularExpression>
#include <cfenv>
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

QDate DateFromDayCount(double dayCount) {
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

QString FormatMoney(double value) {
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() & ~QLocale::OmitGroupSeparator);
    QString text = locale.toString(value, 'f', 2);
    // A tiny negative amount rounds to zero and must not show a sign.
    if (locale.toDouble(text) == 0.0)
        text = locale.toString(0.0, 'f', 2);
    return text;
}

QString FormatGeneral(float value) {
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    return locale.toString(double(value), 'g', 7);
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
