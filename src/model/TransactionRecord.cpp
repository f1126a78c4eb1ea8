#include "model/TransactionRecord.h"

namespace ledger {

QString FixDescription(const QString& text) {
    if (text.size() >= DescriptionLength)
        return text.left(DescriptionLength);
    return text.leftJustified(DescriptionLength, QLatin1Char(' '));
}

QString VoidDescription(const QString& description) {
    static const QString Void = QStringLiteral("VOID ");
    const QString text = description.trimmed();
    return FixDescription(text.startsWith(Void) ? text : Void + text);
}

} // namespace ledger
