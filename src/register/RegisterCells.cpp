#include "register/RegisterCells.h"

#include "model/TransactionRules.h"

#include <QCoreApplication>
#include <QStringList>
#include <utility>

using namespace RegisterColumn;

namespace {
// A field of GridFormat: its alignment mark and its title.
std::pair<QString, QString> SplitField(int column) {
    const QString field = RegisterLook::GridFormat.split(QLatin1Char('|')).value(column);
    const qsizetype markLength =
        field.startsWith(QLatin1Char('^')) || field.startsWith(QLatin1Char('<')) || field.startsWith(QLatin1Char('>'))
            ? 1
            : 0;
    return {field.left(markLength), field.mid(markLength)};
}
} // namespace

QString RegisterLook::ColumnHeader(int column) {
    switch (column) {
    case CheckNumber:
        return QCoreApplication::translate("RegisterCells", "Check #");
    case Date:
        return QCoreApplication::translate("RegisterCells", "Date");
    case Description:
        return QCoreApplication::translate("RegisterCells", "Description of Transaction");
    case Memo:
        return QCoreApplication::translate("RegisterCells", "Memo");
    case Category:
        return QCoreApplication::translate("RegisterCells", "Category");
    case Debit:
        return QCoreApplication::translate("RegisterCells", "Payment/Debit");
    case Type:
        return QCoreApplication::translate("RegisterCells", "Type");
    case Credit:
        return QCoreApplication::translate("RegisterCells", "Deposit/Credit");
    case Balance:
        return QCoreApplication::translate("RegisterCells", "Balance");
    default:
        return SplitField(column).second;
    }
}

QString RegisterLook::GridFormatText() {
    QStringList fields;
    for (int column = 0; column < Count; ++column)
        fields << SplitField(column).first + ColumnHeader(column);
    return fields.join(QLatin1Char('|'));
}

RegisterLook::Align RegisterLook::AlignmentOf(int column) {
    switch (column) {
    case CheckNumber:
    case Date:
    case Cleared:
        return Align::Centre;
    case Debit:
    case Credit:
    case Balance:
        return Align::Right;
    default:
        return Align::Left;
    }
}

MoneyCell BalanceCell(const platform::LocaleCodec& codec, int64_t cents) {
    if (cents > -MaxExactCents && cents < MaxExactCents)
        return {codec.FormatCents(cents), double(cents) / 100.0};
    return {codec.FormatCents(cents), std::nullopt};
}

const QString& MarkText(const RegisterRow& row) {
    static const QString reconciled = QStringLiteral("R");
    static const QString cleared = QStringLiteral("c");
    static const QString none;
    return row.IsReconciled() ? reconciled : row.IsCleared() ? cleared : none;
}

QString CategoryText(const ledger::CategoryAssignment& category) {
    return category.IsSplit() ? QCoreApplication::translate("RegisterCells", "(split)") : category.category;
}

QString SplitPartsText(const std::vector<ledger::SplitPart>& parts, const platform::LocaleCodec& codec) {
    QStringList lines;
    for (const ledger::SplitPart& part : parts) {
        QStringList fields;
        fields << (part.category.isEmpty() ? QCoreApplication::translate("RegisterCells", "(no category)")
                                           : part.category);
        if (!part.memo.isEmpty())
            fields << ledger::EscapeControlCharacters(part.memo);
        fields << codec.FormatCents(part.cents);
        lines << fields.join(QStringLiteral(" \u2014 "));
    }
    return lines.join(QLatin1Char('\n'));
}

namespace {
QStringView Money(const platform::LocaleCodec& codec, int64_t cents, platform::LocaleCodec::TextBuffer& buffer,
                  QString& text) {
    if (const std::optional<QStringView> fast = codec.FormatCents(cents, buffer))
        return *fast;
    return text = codec.FormatCents(cents);
}
} // namespace

RowCells::RowCells(const RegisterRow& row, const platform::LocaleCodec& codec, Controls controls) {
    const ledger::TransactionRecord& record = row.record;
    // A check shows its number instead of a type.
    if (!row.typedCheckNumber.isNull())
        cells[CheckNumber] = row.typedCheckNumber;
    if (row.isCheck) {
        if (row.typedCheckNumber.isNull())
            cells[CheckNumber] = checkNumberOrType = QString::number(record.CheckNumber);
    } else {
        cells[Type] = checkNumberOrType = ledger::TypeName(record.TypeCode, record.CheckNumber);
    }
    if (const std::optional<QStringView> date = codec.FormatShortDate(record.Date, dateBuffer))
        cells[Date] = *date;
    else
        cells[Date] = dateText = codec.FormatShortDate(record.Date);
    if (controls == Controls::Escape && (row.descriptionHasControls || !row.typedDescription.isNull()) &&
        ledger::HasControlCharacter(row.Description()))
        cells[Description] = descriptionText = ledger::EscapeControlCharacters(row.Description());
    else
        cells[Description] = row.Description();
    if (controls == Controls::Escape && ledger::HasControlCharacter(row.memo))
        cells[Memo] = memoText = ledger::EscapeControlCharacters(row.memo);
    else
        cells[Memo] = row.memo;
    if (row.Category().IsSplit())
        cells[Category] = categoryText = CategoryText(row.Category());
    else
        cells[Category] = row.Category().category;

    const int amountColumn = ledger::IsCredit(record.TypeCode) ? Credit : Debit;
    const std::optional<int64_t> cents = ShownCents(record.Amount);
    if (cents)
        numbers[size_t(amountColumn)] = double(*cents) / 100.0;
    if (!row.typedAmount.isNull())
        cells[size_t(amountColumn)] = row.typedAmount;
    else
        cells[size_t(amountColumn)] =
            cents ? Money(codec, *cents, amountBuffer, amountText) : (amountText = codec.FormatMoney(record.Amount));
    cells[Balance] = Money(codec, row.balanceCents, balanceBuffer, balanceText);
    cells[Cleared] = MarkText(row);
    if (row.balanceCents > -MaxExactCents && row.balanceCents < MaxExactCents)
        numbers[Balance] = double(row.balanceCents) / 100.0;
}

QStringView RowCells::Text(int column) const {
    return column >= 0 && column < Count ? cells[size_t(column)] : QStringView();
}

std::optional<double> RowCells::Number(int column) const {
    return column >= 0 && column < Count ? numbers[size_t(column)] : std::nullopt;
}
