#pragma once
// The register window's grid procedures on the headless grid: building the register from the ledger store,
// ordering it by date, the running balance, locked rows, the changed marker, the record commands and the
// write-back of changed rows. They need no window, so a command-line tool and the benchmarks use them too.
//
// Row layout (11 columns; row 0 is the header, rows 1 to Rows-1 the live transactions):
//   0 date sort key (hidden)   1 check number   2 date   3 description   4 payment/debit   5 type text
//   6 deposit/credit   7 running balance   8 type code, +10 once changed (hidden)   9 slot index (hidden)
//   10 lock flag "1"/"0" (hidden)
// Column 9 ties a row to its record in the store and never changes while the window is open.

#include "platform/FlexGrid.h"
#include "platform/LocaleCodec.h"
#include "register/RegisterRows.h"

#include <QString>
#include <cstdint>
#include <vector>

namespace RegisterColumn {
enum : int {
    SortKey = 0,
    CheckNumber = 1,
    Date = 2,
    Description = 3,
    Debit = 4,
    Type = 5,
    Credit = 6,
    Balance = 7,
    TypeCode = 8,
    Slot = 9,
    Locked = 10,
    Count = 11,
};
} // namespace RegisterColumn

namespace RegisterLook {
inline const QString FormatString =
    QStringLiteral("|^Check #|^Date|<Description of Transaction|Payment/Debit|Type|Deposit/Credit|>Balance");
constexpr platform::OleColor GridColor = 0x808080;
constexpr platform::OleColor LockedRowColor = 0xC0C0C0;
// Key of an empty date cell: 1 January 2999, so that such a row sorts last.
constexpr double EmptyDateKey = 401404;
// The changed marker added to the type code of column 8.
constexpr int ChangedMarker = 10;
// A column's header: its field of FormatString without the alignment mark.
QString ColumnHeader(int column);
} // namespace RegisterLook

class RegisterGrid {
public:
    // The grid must outlive this object. Conversions are the grid's own (Codec()).
    explicit RegisterGrid(platform::FlexGrid& grid);

    // Builds the grid from the ledger store: layout, one row per live record, sort, balances, row 1 current and
    // the newest rows scrolled into view. Sets the store's records-locked flag when a record is locked.
    void FillGrid();
    // Date sort keys, then the rows by date key and check number. Column 0 is the current column afterwards.
    void SortRows();
    // Writes every row's date key into column 0. False when a date cell cannot be read (its key is then that of
    // an empty date).
    bool FillDateSortKeys();
    // Running balance in grid order from the starting balance, exact to the cent: every amount and the starting
    // balance are rounded to whole cents and summed as integers. An amount cell that is not a number (empty,
    // or only a point) counts as 0.00. Balances saturate at about ±40 quadrillion.
    void RecalcBalances();
    bool IsRowLocked(int row) const;
    // Colours columns 1 to 7 of the row grey (locked) or in the grid's own background colour; leaves the current
    // cell at (row, 1) with columns 1 to 7 of the row selected.
    void SetRowColour(int row, bool locked);
    // Widens a column to show its widest text whole (the widths FillGrid sets are the least); never narrows it.
    // The widest text is taken among the longest ones.
    void FitColumn(int col);
    // Adds the changed marker to column 8 once.
    void MarkRowModified(int row);

    // The lock button's command without its caption: unlocks every row when records are locked, otherwise locks
    // every row dated on or before the current row's date and makes that date the lock date; row 1 is current
    // afterwards.
    void ToggleLock();
    // Locks every row dated on or before `day` as the lock command does (flag, grey row, changed marker, records
    // locked) and makes `day` the lock date. False, with nothing changed, when a date cell cannot be read.
    bool LockThrough(double day);
    // The balance at the end of `day` from the grid's own rows, so that it follows edits not yet written back:
    // summed as RecalcBalances sums, over the rows dated on or before `day`.
    int64_t BalanceOn(double day);
    // The rows dated after `after` and on or before `through`, in grid order.
    std::vector<int> RowsBetween(double after, double through);
    // The delete confirmation for a row: "Delete this record?" and columns 1, 2, 3, 4 and 6, each after a
    // carriage return, and a final carriage return.
    QString DeleteQuestion(int row) const;
    // Deletes the row's record in the store; when the store agrees, removes the row and recomputes the balances.
    bool DeleteRecord(int row);
    // Writes every changed row back into its slot with UpdateTransaction; returns the number of rows written.
    int WriteBack() const;

    // A check-number cell holds nothing, or a whole number from 1 to 32767.
    static bool IsValidCheckNumberText(const QString& text);
    // An amount cell holds an amount as the user types it (digits, the locale's decimal separator, two decimals
    // at most) that the ledger can keep (platform::ToMoney); nothing else, not even an empty text.
    static bool IsValidAmountText(const QString& text);
    const platform::LocaleCodec& Codec() const { return codec; }

private:
    void UnlockRecords();
    bool LockRecords();
    int CellInteger(int row, int col, int fallback) const;
    float CellAmount(int row, int col) const;
    void SetInteger(int row, int col, int64_t value);
    // What a row adds to the balance: its credit, or minus its debit, in whole cents (by its type, marker aside).
    int64_t SignedCents(int row) const;
    void SetMoney(int row, int col, float amount);
    void SetBalance(int row, int64_t cents);
    void WriteMoney(int row, int col, const MoneyCell& cell);

    platform::FlexGrid& grid;
    const platform::LocaleCodec& codec;
};
