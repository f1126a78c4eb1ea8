#pragma once
// What the statement readers share: how they fail, split lines, count and show statement text. Not for callers of
// the readers.

#include "import/Statement.h"
#include "ledger/Cp1252.h"
#include "ledger/Ledger.h"
#include "ledger/TransactionRules.h"

namespace import {

inline ReadResult Failure(int line, const QString& problem) {
    return {{}, QStringLiteral("line %1: %2").arg(line).arg(problem)};
}

inline QStringList SplitLines(const QString& text) {
    return text.split(QLatin1Char('\n'));
}

// A reader stops at the first transaction a ledger could not hold, before it has parsed the whole file.
constexpr size_t MaxStatementLines = size_t(ledger::MaxSlots - 1);

inline QString TooManyLines() {
    return QStringLiteral("more transactions than a ledger holds (%1)").arg(MaxStatementLines);
}

// Statement text shown in a message: control characters as spaces, cut short, so a binary file shows no bytes.
inline QString Shown(const QString& value) {
    const QString shown = ledger::ControlCharactersAsSpaces(value.left(40));
    return value.size() > 40 ? shown + QStringLiteral("...") : shown;
}

} // namespace import
