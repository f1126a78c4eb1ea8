#include "model/TransactionRecord.h"

namespace ledger {

QString FixDescription(const QString& text) {
    if (text.size() >= DescriptionLength)
        return text.left(DescriptionLength);
    return text.leftJustified(DescriptionLength, QLatin1Char(' '));
}

} // namespace ledger
