#include "model/TransactionRules.h"

#include "platform/Locale.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

namespace ledger {

bool IsAmountInRange(double amount) {
    return std::fabs(amount) <= MaxAmount; // false for NaN and infinities
}

namespace {
// The English names, which files other programs read keep and the translation starts from.
const char* TypeNameSource(int typeCode, int checkNumber) {
    switch (typeCode) {
    case CheckOrPayment:
        return IsCheck(typeCode, checkNumber) ? QT_TRANSLATE_NOOP("TransactionType", "Check")
                                              : QT_TRANSLATE_NOOP("TransactionType", "Payment");
    case Withdrawal:
        return QT_TRANSLATE_NOOP("TransactionType", "Withdrawal");
    case Fee:
        return QT_TRANSLATE_NOOP("TransactionType", "Fee");
    case Deposit:
        return QT_TRANSLATE_NOOP("TransactionType", "Deposit");
    case Interest:
        return QT_TRANSLATE_NOOP("TransactionType", "Interest");
    default:
        return nullptr;
    }
}
} // namespace

QString TypeName(int typeCode, int checkNumber) {
    const char* name = TypeNameSource(typeCode, checkNumber);
    return name ? QCoreApplication::translate("TransactionType", name) : QString();
}

QString TypeFileName(int typeCode, int checkNumber) {
    return QString::fromLatin1(TypeNameSource(typeCode, checkNumber));
}

int16_t IsDollarAmt(const int16_t& KeyAscii, const QString& text) {
    constexpr int16_t Backspace = 8;
    const QChar separator = platform::DecimalSeparator();
    if (KeyAscii == Backspace)
        return KeyAscii;
    const qsizetype point = text.indexOf(separator);
    if (KeyAscii == separator.unicode())
        return point < 0 ? int16_t(separator.unicode()) : 0;
    if (KeyAscii >= '0' && KeyAscii <= '9') {
        // Whole text, caret ignored: once two decimals stand, no digit is taken anywhere.
        if (point < 0 || text.size() - 2 < point + 1)
            return KeyAscii;
    }
    return 0;
}

bool IsDollarText(const QString& text) {
    const QChar separator = platform::DecimalSeparator();
    qsizetype point = -1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == separator && point < 0)
            point = i;
        else if (c.unicode() < '0' || c.unicode() > '9')
            return false;
    }
    return point < 0 || text.size() - point - 1 <= 2;
}

platform::TypedMoney ReadDollarText(const QString& text) {
    return IsDollarText(text) ? platform::ReadTypedMoney(text) : platform::TypedMoney{};
}

bool HasControlCharacter(QStringView text) {
    return std::any_of(text.begin(), text.end(), [](QChar c) { return IsControlCharacter(c.unicode()); });
}

QString ControlCharactersAsSpaces(QString text) {
    for (QChar& c : text) {
        if (IsControlCharacter(c.unicode()))
            c = QLatin1Char(' ');
    }
    return text;
}

QString EscapeControlCharacters(QStringView text) {
    QString shown;
    shown.reserve(text.size() + 8);
    for (const QChar c : text) {
        if (IsControlCharacter(c.unicode()))
            shown += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            shown += c;
    }
    return shown;
}

QString CentsText(int64_t cents, QChar separator) {
    const uint64_t magnitude = cents < 0 ? 0 - uint64_t(cents) : uint64_t(cents);
    return QStringLiteral("%1%2%3%4")
        .arg(cents < 0 ? QStringLiteral("-") : QString())
        .arg(magnitude / 100)
        .arg(separator)
        .arg(magnitude % 100, 2, 10, QLatin1Char('0'));
}

QString DollarText(int64_t cents) {
    return CentsText(cents < 0 ? -cents : cents, platform::DecimalSeparator());
}

int64_t ToCents(double amount) {
    const double cents = std::round(amount * 100.0);
    if (!std::isfinite(cents))
        return 0;
    return int64_t(std::clamp(cents, -double(MaxCents), double(MaxCents)));
}

} // namespace ledger
