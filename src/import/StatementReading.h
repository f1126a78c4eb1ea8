#pragma once
// What the statement readers share: how they fail, split lines, count and show statement text. Not for callers of
// the readers.

#include "import/Statement.h"
#include "ledger/Ledger.h"
#include "model/Cp1252.h"
#include "model/TransactionRules.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace import {

inline ReadResult Failure(int line, const QString& problem) {
    return {{}, QCoreApplication::translate("StatementReading", "line %1: %2").arg(line).arg(problem)};
}

inline QStringList SplitLines(const QString& text) {
    return text.split(QLatin1Char('\n'));
}

// A reader stops at the first transaction a ledger could not hold, before it has parsed the whole file.
constexpr size_t MaxStatementLines = size_t(ledger::MaxSlots - 1);

inline QString TooManyLines() {
    return QCoreApplication::translate("StatementReading", "more transactions than a ledger holds (%1)")
        .arg(MaxStatementLines);
}

// Statement text shown in a message: control characters as spaces, cut short, so a binary file shows no bytes.
inline QString Shown(const QString& value) {
    const QString shown = ledger::ControlCharactersAsSpaces(value.left(40));
    return value.size() > 40 ? shown + QStringLiteral("...") : shown;
}

// Why a line with an amount finer than a cent is refused: the ledger keeps cents, and rounding would change money.
inline QString FinerThanCentRefusal(const QString& written) {
    return QCoreApplication::translate("StatementReading", "an amount the ledger cannot keep to the cent: %1")
        .arg(Shown(written.trimmed()));
}

// An amount that ParseStatementCents refuses only for its decimals beyond the cent, cut to the cent (to show the
// line); none for anything else.
inline std::optional<int64_t> FinerThanCentAmount(const QString& text, QChar decimalSeparator) {
    static const QRegularExpression point(QStringLiteral(R"(^(.*\.\d{2})\d+(\D*)$)"));
    static const QRegularExpression comma(QStringLiteral(R"(^(.*,\d{2})\d+(\D*)$)"));
    const auto m = (decimalSeparator == QLatin1Char(',') ? comma : point).match(text.trimmed());
    if (!m.hasMatch())
        return std::nullopt;
    return ParseStatementCents(m.captured(1) + m.captured(2), decimalSeparator);
}

// Categories are cut rather than refused: the transaction matters more than its category's last words.
inline QString CategoriesCutNote(int firstLine) {
    return QCoreApplication::translate("StatementReading",
                                       "Categories longer than %1 characters were cut, the first on line %2.")
        .arg(QString::number(ledger::MaxCategoryLength), QString::number(firstLine));
}

// A statement's split is left out rather than refused: its money is what the bank booked.
inline QString SplitLeftOutNote(int line, const QString& problem) {
    return QCoreApplication::translate("StatementReading",
                                       "Line %1: split left out (%2); the transaction is added without it.")
        .arg(QString::number(line), problem);
}
inline QString PartsDoNotAddUp(int64_t total, int64_t cents) {
    return QCoreApplication::translate("StatementReading", "the parts add up to %1, not %2")
        .arg(platform::FormatCents(total), platform::FormatCents(cents));
}

// The note for investment transactions (trades, income, reinvestments) a check register does not keep; `only` when
// the statement holds nothing else.
inline QString InvestmentNote(int count, bool only) {
    if (only)
        return QCoreApplication::translate("StatementReading",
                                           "The statement holds only investment transactions (%1): a check register "
                                           "does not keep them.")
            .arg(count);
    return count == 1 ? QCoreApplication::translate("StatementReading",
                                                    "1 investment transaction is not kept in a check register.")
                      : QCoreApplication::translate("StatementReading",
                                                    "%1 investment transactions are not kept in a check register.")
                            .arg(count);
}

} // namespace import
