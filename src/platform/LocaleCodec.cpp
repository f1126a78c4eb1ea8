#include "platform/LocaleCodec.h"

#include "platform/Locale.h"

#include <QDate>
#include <QLocale>
#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace platform {

namespace {
constexpr std::array<double, 23> PowersOfTen = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                                1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
// Below 2^53 every integer is a double, so digits / 10^k is the correctly rounded value of the decimal text.
constexpr int MaxExactDigits = 15;
constexpr double MaxFastCents = 9e15;

bool IsDigit(QChar c) {
    return c.unicode() >= '0' && c.unicode() <= '9';
}

// Reads 1 or 2 digits (exactly 2 when padded) in the form the formatter writes: no leading zero when unpadded.
bool ReadDateNumber(QStringView text, qsizetype& pos, bool padded, int maxDigits, int& value) {
    const qsizetype start = pos;
    while (pos < text.size() && pos - start < maxDigits && IsDigit(text[pos]))
        ++pos;
    const qsizetype length = pos - start;
    if (length == 0 || (padded && length != maxDigits) || (!padded && length > 1 && text[start] == u'0'))
        return false;
    value = 0;
    for (qsizetype i = start; i < pos; ++i)
        value = value * 10 + (text[i].unicode() - '0');
    return true;
}
} // namespace

LocaleCodec::LocaleCodec() {
    const QLocale locale;
    const QString point = locale.decimalPoint();
    const QString group = locale.groupSeparator();
    fastNumbers = locale.zeroDigit() == QStringLiteral("0") && point.size() == 1 && group.size() == 1 &&
                  !IsDigit(point[0]) && !IsDigit(group[0]) && point != group;
    if (fastNumbers) {
        decimalPoint = point[0];
        groupSeparator = group[0];
    }
    negativeSign = locale.negativeSign();

    // Fast dates only for forms of day and month numbers or month names and a four-digit year, with separators
    // between them ("M/d/yyyy", "dd.MM.yyyy", "d MMM yyyy").
    const QString format = ShortDateFormat();
    bool numericForm = locale.zeroDigit() == QStringLiteral("0");
    for (qsizetype i = 0; i < format.size() && numericForm;) {
        const QChar c = format[i];
        qsizetype run = 1;
        while (i + run < format.size() && format[i + run] == c)
            ++run;
        if (c == u'M' && (run == 3 || run == 4)) {
            numericForm = dateFields.empty() || dateFields.back().kind == 0;
            dateFields.push_back({'N', false, {}});
            const QLocale::FormatType form = run == 3 ? QLocale::ShortFormat : QLocale::LongFormat;
            for (int month = 1; month <= 12; ++month)
                monthNames[size_t(month - 1)] = locale.monthName(month, form);
        } else if (c == u'd' || c == u'M') {
            numericForm = run <= 2 && (dateFields.empty() || dateFields.back().kind == 0);
            dateFields.push_back({char(c.unicode()), run == 2, {}});
        } else if (c == u'y') {
            numericForm = run == 4 && (dateFields.empty() || dateFields.back().kind == 0);
            dateFields.push_back({'y', true, {}});
        } else if (c.isLetter() || c == u'\'' || IsDigit(c)) {
            numericForm = false;
        } else {
            if (dateFields.empty() || dateFields.back().kind != 0)
                dateFields.push_back({0, false, {}});
            dateFields.back().literal.append(QString(run, c));
        }
        i += run;
    }
    // A date must fit a text buffer: at most 8 digits, the literals and the longest month name.
    qsizetype longest = 8;
    for (const DateField& field : dateFields)
        longest += field.literal.size();
    qsizetype longestName = 0;
    for (const QString& name : monthNames)
        longestName = std::max(longestName, name.size());
    if (!numericForm || longest + longestName > qsizetype(TextBuffer().size()))
        dateFields.clear();
    if (!SelfCheck()) {
        dateFields.clear();
        fastNumbers = false;
    }
}

// The fast paths must agree with Locale.h; a locale they misjudge falls back to it entirely.
bool LocaleCodec::SelfCheck() const {
    // A day in each month (2024), so that every month name is compared.
    for (const double day : {1.0, 36526.0, 39815.0, 401404.0, 2958465.0, 45306.0, 45337.0, 45366.0, 45397.0, 45427.0,
                             45458.0, 45488.0, 45519.0, 45550.0, 45580.0, 45611.0, 45641.0}) {
        const QString slow = platform::FormatShortDate(day);
        double parsed = 0;
        if (FormatShortDate(day) != slow || (!dateFields.empty() && (!ParseFastDate(slow, parsed) || parsed != day)))
            return false;
    }
    for (const int64_t cents :
         {int64_t(0), int64_t(5), int64_t(-5), int64_t(123456), int64_t(-100000000), int64_t(123456789012)}) {
        if (FormatCents(cents) != platform::FormatMoney(double(cents) / 100.0))
            return false;
        const QString text = platform::FormatMoney(double(cents < 0 ? -cents : cents) / 100.0);
        if (ToDouble(text) != platform::ToDouble(text))
            return false;
    }
    return true;
}

std::optional<QStringView> LocaleCodec::FormatShortDate(double dayCount, TextBuffer& buffer) const {
    int year = 0, month = 0, day = 0;
    DateFromDayCount(dayCount).getDate(&year, &month, &day);
    if (dateFields.empty() || year < 1000 || year > 9999)
        return std::nullopt;
    qsizetype n = 0;
    const auto append = [&buffer, &n](QStringView text) {
        const qsizetype length = std::min(text.size(), qsizetype(buffer.size()) - n);
        std::copy_n(text.utf16(), length, buffer.begin() + n);
        n += length;
    };
    const auto appendNumber = [&buffer, &n](int value, int width) {
        char16_t digits[4];
        int count = 0;
        do {
            digits[count++] = char16_t('0' + value % 10);
            value /= 10;
        } while (value > 0 && count < 4);
        for (int i = count; i < width; ++i)
            buffer[size_t(n++)] = u'0';
        while (count > 0)
            buffer[size_t(n++)] = digits[--count];
    };
    for (const DateField& field : dateFields) {
        switch (field.kind) {
        case 'd':
            appendNumber(day, field.padded ? 2 : 1);
            break;
        case 'M':
            appendNumber(month, field.padded ? 2 : 1);
            break;
        case 'N':
            append(monthNames[size_t(month - 1)]);
            break;
        case 'y':
            appendNumber(year, 4);
            break;
        default:
            append(field.literal);
        }
    }
    return QStringView(buffer.data(), n);
}

std::optional<double> LocaleCodec::ShortDateReadBack(double dayCount) const {
    // The fast reader takes back exactly what the fast writer writes: the fast path's years are 1000 to 9999.
    static const double firstFastDay = DayCountFromDate(QDate(1000, 1, 1));
    static const double lastFastDay = DayCountFromDate(QDate(9999, 12, 31));
    const double day = std::floor(dayCount);
    if (!dateFields.empty() && day >= firstFastDay && day <= lastFastDay)
        return day;
    return ParseShortDate(platform::FormatShortDate(dayCount));
}

QString LocaleCodec::FormatShortDate(double dayCount) const {
    TextBuffer buffer;
    if (const std::optional<QStringView> text = FormatShortDate(dayCount, buffer))
        return text->toString();
    return platform::FormatShortDate(dayCount);
}

bool LocaleCodec::ParseFastDate(QStringView text, double& dayCount) const {
    if (dateFields.empty())
        return false;
    int day = 0, month = 0, year = 0;
    qsizetype pos = 0;
    for (const DateField& field : dateFields) {
        switch (field.kind) {
        case 'd':
            if (!ReadDateNumber(text, pos, field.padded, 2, day))
                return false;
            break;
        case 'M':
            if (!ReadDateNumber(text, pos, field.padded, 2, month))
                return false;
            break;
        case 'N':
            // Only a name exactly as the formatter writes it; any other spelling is left to QLocale.
            month = ReadMonthName(text, pos);
            if (month == 0)
                return false;
            break;
        case 'y':
            if (!ReadDateNumber(text, pos, true, 4, year) || year < 1000)
                return false;
            break;
        default:
            if (!text.mid(pos).startsWith(field.literal))
                return false;
            pos += field.literal.size();
        }
    }
    const QDate date(year, month, day);
    if (pos != text.size() || !date.isValid())
        return false;
    dayCount = DayCountFromDate(date);
    return true;
}

int LocaleCodec::ReadMonthName(QStringView text, qsizetype& pos) const {
    int best = 0;
    for (int month = 1; month <= 12; ++month) {
        const QString& name = monthNames[size_t(month - 1)];
        // The longest name that fits: one name may begin another.
        if (text.mid(pos).startsWith(name) && (best == 0 || name.size() > monthNames[size_t(best - 1)].size()))
            best = month;
    }
    if (best != 0)
        pos += monthNames[size_t(best - 1)].size();
    return best;
}

std::optional<double> LocaleCodec::ParseShortDate(QStringView text) const {
    double dayCount = 0;
    if (ParseFastDate(text, dayCount))
        return dayCount;
    return platform::ParseShortDate(text.toString());
}

std::optional<QStringView> LocaleCodec::FormatCents(int64_t cents, TextBuffer& buffer) const {
    if (!fastNumbers || negativeSign.size() > 4)
        return std::nullopt;
    const bool negative = cents < 0;
    uint64_t magnitude = negative ? 0 - uint64_t(cents) : uint64_t(cents);
    const int fraction = int(magnitude % 100);
    magnitude /= 100;
    // Written from the end: 20 digits, 6 group separators, the point, 2 decimals and the sign fit.
    size_t n = buffer.size();
    buffer[--n] = char16_t('0' + fraction % 10);
    buffer[--n] = char16_t('0' + fraction / 10);
    buffer[--n] = decimalPoint.unicode();
    int digits = 0;
    do {
        if (digits > 0 && digits % 3 == 0)
            buffer[--n] = groupSeparator.unicode();
        buffer[--n] = char16_t('0' + magnitude % 10);
        magnitude /= 10;
        ++digits;
    } while (magnitude > 0);
    if (negative) {
        n -= size_t(negativeSign.size());
        std::copy_n(QStringView(negativeSign).utf16(), negativeSign.size(), buffer.begin() + qsizetype(n));
    }
    return QStringView(buffer.data() + n, qsizetype(buffer.size() - n));
}

QString LocaleCodec::FormatCents(int64_t cents) const {
    TextBuffer buffer;
    if (const std::optional<QStringView> text = FormatCents(cents, buffer))
        return text->toString();
    return platform::FormatCents(cents);
}

QString LocaleCodec::FormatMoney(float value) const {
    // A float times 100 is exact in a double, so llround rounds the value itself (halves away from zero).
    const double scaled = double(value) * 100.0;
    if (!std::isfinite(scaled) || std::fabs(scaled) >= MaxFastCents)
        return platform::FormatMoney(double(value));
    return FormatCents(std::llround(scaled));
}

bool LocaleCodec::ParseFastNumber(QStringView text, double& value) const {
    if (!fastNumbers || text.isEmpty())
        return false;
    uint64_t mantissa = 0;
    int significant = 0;
    int fractionDigits = 0;
    int groupLength = 0;
    bool grouped = false;
    bool inFraction = false;
    int integerDigits = 0;
    for (const QChar c : text) {
        if (IsDigit(c)) {
            if (mantissa != 0 || c != u'0')
                ++significant;
            if (significant > MaxExactDigits)
                return false;
            mantissa = mantissa * 10 + uint64_t(c.unicode() - '0');
            if (inFraction)
                ++fractionDigits;
            else
                ++integerDigits, ++groupLength;
        } else if (c == groupSeparator && !inFraction) {
            // Groups as the locale writes them: a first group of 1 to 3 digits (no leading zero), then threes.
            if ((grouped ? groupLength != 3 : (groupLength == 0 || groupLength > 3)) || text[0] == u'0')
                return false;
            grouped = true;
            groupLength = 0;
        } else if (c == decimalPoint && !inFraction) {
            inFraction = true;
        } else {
            return false;
        }
    }
    if (integerDigits == 0 || (grouped && groupLength != 3) || (inFraction && fractionDigits == 0) ||
        fractionDigits >= int(PowersOfTen.size()))
        return false;
    value = double(mantissa) / PowersOfTen[size_t(fractionDigits)];
    return true;
}

std::optional<double> LocaleCodec::ToDouble(QStringView text) const {
    double value = 0;
    if (ParseFastNumber(text, value))
        return value;
    return platform::ToDouble(text.toString());
}

} // namespace platform
