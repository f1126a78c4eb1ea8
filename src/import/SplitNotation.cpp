// The CSV split notation, written and read in one place so that an export always imports back.
#include "import/SplitNotation.h"

#include "import/Statement.h"
#include "model/TransactionRules.h"

namespace import {

namespace {
QString Escaped(const QString& text) {
    QString escaped;
    for (const QChar c : text) {
        if (c == u'\\' || c == u'|' || c == u'=')
            escaped += u'\\';
        escaped += c;
    }
    return escaped;
}

// `text` cut at each unescaped `separator`, escapes taken out; none for a `\` with nothing after it.
std::optional<QStringList> Unescaped(const QString& text, QChar separator, bool keepEscapes) {
    QStringList fields{QString()};
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\\') {
            if (++i == text.size())
                return std::nullopt;
            if (keepEscapes)
                fields.back() += c;
            fields.back() += text[i];
        } else if (c == separator) {
            fields << QString();
        } else {
            fields.back() += c;
        }
    }
    return fields;
}
} // namespace

QString WriteSplitNotation(const std::vector<ledger::SplitPart>& signedParts) {
    QStringList written;
    for (const ledger::SplitPart& part : signedParts) {
        QString each = Escaped(part.category) + u'=' + ledger::CentsText(part.cents, u'.');
        if (!part.memo.isEmpty())
            each += u'=' + Escaped(ledger::ControlCharactersAsSpaces(part.memo));
        written << each;
    }
    return written.join(u'|');
}

std::optional<std::vector<ledger::SplitPart>> ReadSplitNotation(const QString& cell) {
    std::vector<ledger::SplitPart> parts;
    if (cell.trimmed().isEmpty())
        return parts;
    const auto written = Unescaped(cell, u'|', true);
    if (!written)
        return std::nullopt;
    for (const QString& each : *written) {
        const auto fields = Unescaped(each, u'=', false);
        if (!fields || fields->size() < 2 || fields->size() > 3)
            return std::nullopt;
        const auto cents = ParseStatementCents(fields->at(1), u'.');
        if (!cents)
            return std::nullopt;
        parts.push_back({StatementCategory(fields->at(0)), fields->value(2).left(ledger::MaxPartMemoLength), *cents});
    }
    return parts;
}

} // namespace import
