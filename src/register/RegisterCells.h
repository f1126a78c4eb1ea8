#pragma once
// A register row's cells: their columns, their texts and how they are aligned, as the register window shows them.
// The window's grid, tallix-cli print and the printed pages all take them from here.
//
// Columns (14; the grid's row 0 is the header):
//   0 date sort key (hidden)   1 check number   2 date   3 description   4 memo (checks and payments)
//   5 category ("(split)" for a split)   6 payment/debit   7 type text   8 deposit/credit   9 running balance
//   10 type code, +10 once changed (hidden)   11 slot index (hidden)   12 lock flag "1"/"0" (hidden)
//   13 cleared mark: "c" cleared, "R" reconciled

#include "platform/FlexGrid.h"
#include "platform/LocaleCodec.h"
#include "register/RegisterRows.h"

#include <QString>
#include <array>
#include <optional>

namespace RegisterColumn {
enum : int {
    SortKey = 0,
    CheckNumber = 1,
    Date = 2,
    Description = 3,
    Memo = 4,
    Category = 5,
    Debit = 6,
    Type = 7,
    Credit = 8,
    Balance = 9,
    TypeCode = 10,
    Slot = 11,
    Locked = 12,
    Cleared = 13,
    Count = 14,
};
// The columns printed (tallix-cli print and paper), in order: the window shows these and the category.
constexpr std::array<int, 9> Visible = {CheckNumber, Date, Description, Memo, Debit, Type, Credit, Balance, Cleared};
} // namespace RegisterColumn

namespace RegisterLook {
// The titles in English, the sources of their translations; GridFormatText has them translated.
inline const QString FormatString = QStringLiteral(
    "|^Check #|^Date|<Description of Transaction|<Memo|<Category|Payment/Debit|Type|Deposit/Credit|>Balance");
// The grid's format: FormatString, then no header for the hidden columns and "C" for the marks.
inline const QString GridFormat = FormatString + QStringLiteral("||||^C");
// GridFormat with each title as ColumnHeader gives it: what the grid shows.
QString GridFormatText();
constexpr platform::OleColor GridColor = 0x808080;
constexpr platform::OleColor LockedRowColor = 0xC0C0C0;
// The changed marker added to the type code of column 10.
constexpr int ChangedMarker = 10;
// A column's header, translated: its field of GridFormat without the alignment mark. The C column and its marks
// are the same letters in every language.
QString ColumnHeader(int column);

enum class Align { Left, Centre, Right };
// Numbers to the right, check numbers and dates centred, text to the left.
Align AlignmentOf(int column);
} // namespace RegisterLook

// A money cell: its text, and the number it reads as where that is known without reading the text.
struct MoneyCell {
    QString text;
    std::optional<double> number;
};
// The register's text of a balance.
MoneyCell BalanceCell(const platform::LocaleCodec& codec, int64_t cents);

// What the C column shows: "R" for a reconciled row, "c" for a cleared one, nothing otherwise.
const QString& MarkText(const RegisterRow& row);

// What the category column shows: the path, or "(split)" for a split.
QString CategoryText(const ledger::CategoryAssignment& category);
// A split's parts, one line each: category, memo and amount in the locale (the parts' own sense, as the amount
// column shows the transaction's).
QString SplitPartsText(const std::vector<ledger::SplitPart>& parts, const platform::LocaleCodec& codec);

// The texts of a row's visible columns. Texts are made in buffers of their own rather than one allocation each:
// tens of thousands of rows are measured and written at a time.
class RowCells {
public:
    // Control characters in a description: shown as they are (the grid draws them as its font does), or as `\x`
    // and two hex digits where they would act (a terminal) or vanish (paper).
    enum class Controls { Keep, Escape };
    RowCells(const RegisterRow& row, const platform::LocaleCodec& codec, Controls controls);
    RowCells(const RowCells&) = delete;
    RowCells& operator=(const RowCells&) = delete;

    // The visible columns' texts; empty for the others.
    QStringView Text(int column) const;
    // What a money cell's text reads as, where that is known; nothing for a text the user typed.
    std::optional<double> Number(int column) const;

private:
    std::array<QStringView, RegisterColumn::Count> cells;
    std::array<std::optional<double>, RegisterColumn::Count> numbers;
    QString checkNumberOrType;
    platform::LocaleCodec::TextBuffer dateBuffer;
    QString dateText;
    QString descriptionText;
    QString memoText;
    QString categoryText;
    platform::LocaleCodec::TextBuffer amountBuffer;
    platform::LocaleCodec::TextBuffer balanceBuffer;
    QString amountText;
    QString balanceText;
};
