#include "register/RegisterGrid.h"

#include "ledger/Ledger.h"
#include "ledger/Recovery.h"
#include "ledger/TransactionRules.h"
#include "platform/Locale.h"
#include "register/RegisterRows.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <vector>

using namespace RegisterColumn;

namespace {

// Column widths in twips after the format string; columns 1, 4 and 6 keep the width that fits their header.
struct Width {
    int col;
    int twips;
};
constexpr Width ColumnWidths[] = {{SortKey, 0},    {Date, 900},   {Description, 2800}, {Type, 900},
                                  {Balance, 1000}, {TypeCode, 0}, {Slot, 0},           {Locked, 0}};
} // namespace

QString RegisterLook::ColumnHeader(int column) {
    QString header = FormatString.split(QLatin1Char('|')).value(column);
    if (header.startsWith(QLatin1Char('^')) || header.startsWith(QLatin1Char('<')) ||
        header.startsWith(QLatin1Char('>')))
        header.remove(0, 1);
    return header;
}

RegisterGrid::RegisterGrid(platform::FlexGrid& grid) : grid(grid), codec(grid.Codec()) {}

int RegisterGrid::CellInteger(int row, int col, int fallback) const {
    const std::optional<double> value = grid.CellNumber(row, col);
    if (!value || std::fabs(*value) > 2147483647.0)
        return fallback;
    return int(std::nearbyint(*value));
}

float RegisterGrid::CellAmount(int row, int col) const {
    const std::optional<double> value = grid.CellNumber(row, col);
    if (!value || std::fabs(*value) > double(std::numeric_limits<float>::max()))
        return 0.0f;
    return float(*value);
}

// Writes a whole number into a cell, with its value known to the grid. Flags and type codes (0 to 14) are
// written by the thousand: they share their texts.
void RegisterGrid::SetInteger(int row, int col, int64_t value) {
    static const std::array<QString, 15> small = [] {
        std::array<QString, 15> texts;
        for (int i = 0; i < 15; ++i)
            texts[size_t(i)] = QString::number(i);
        return texts;
    }();
    grid.SetTextMatrix(row, col, value >= 0 && value < 15 ? small[size_t(value)] : QString::number(value),
                       double(value));
}

void RegisterGrid::FillGrid() {
    grid.SetGridColor(RegisterLook::GridColor);
    grid.SetRows(ledger::GetTransactionCount());
    grid.SetCols(Count);
    grid.SetAllowUserResizing(platform::flexResizeColumns);
    grid.SetFormatString(RegisterLook::FormatString);
    for (const Width& width : ColumnWidths)
        grid.SetColWidth(width.col, width.twips);

    // The rows come sorted and balanced: nothing is read back from the texts written here.
    int r = 1;
    for (const RegisterRow& row : BuildRegisterRows(codec)) {
        const ledger::TransactionRecord& record = row.record;
        SetInteger(r, SortKey, int64_t(DateSortKey(row.dateDay)));
        if (row.isCheck)
            SetInteger(r, CheckNumber, record.CheckNumber);
        grid.SetDateMatrix(r, Date, codec.FormatShortDate(record.Date), row.dateDay);
        grid.SetTextMatrix(r, Description, row.Description().toString());
        // A check shows its number instead of a type.
        if (!row.isCheck)
            grid.SetTextMatrix(r, Type, ledger::TypeName(record.TypeCode, record.CheckNumber));
        SetMoney(r, ledger::IsCredit(record.TypeCode) ? Credit : Debit, record.Amount);
        SetBalance(r, row.balanceCents);
        SetInteger(r, TypeCode, record.TypeCode);
        SetInteger(r, Slot, row.slot);
        SetInteger(r, Locked, record.Locked ? 1 : 0);
        if (record.Locked) {
            SetRowColour(r, true);
            ledger::SetRecordsLocked(true);
        }
        ++r;
    }

    // The current cell as a sort leaves it: in the date key column, with the sort's key columns selected.
    grid.SetCol(SortKey);
    grid.SetColSel(CheckNumber);
    for (const int col : {Date, Debit, Credit, Balance})
        FitColumn(col);
    if (grid.Rows() > 1) {
        grid.SetRow(1);
        const int last = grid.Rows() - 1;
        if (!grid.RowIsVisible(last))
            grid.SetTopRow(last);
    }
}

void RegisterGrid::SetMoney(int row, int col, float amount) {
    WriteMoney(row, col, AmountCell(codec, amount));
}

void RegisterGrid::SetBalance(int row, int64_t cents) {
    WriteMoney(row, Balance, BalanceCell(codec, cents));
}

void RegisterGrid::WriteMoney(int row, int col, const MoneyCell& cell) {
    if (cell.number)
        grid.SetTextMatrix(row, col, cell.text, *cell.number);
    else
        grid.SetTextMatrix(row, col, cell.text);
}

bool RegisterGrid::FillDateSortKeys() {
    bool allRead = true;
    for (int r = 1; r < grid.Rows(); ++r) {
        const std::optional<double> date =
            grid.TextMatrix(r, Date).isEmpty() ? RegisterLook::EmptyDateKey : grid.CellDate(r, Date);
        allRead = allRead && date.has_value();
        const double key = date.value_or(RegisterLook::EmptyDateKey);
        // Keys of rows whose date did not change are already in place.
        if (grid.CellNumber(r, SortKey) != key)
            SetInteger(r, SortKey, int64_t(key));
    }
    return allRead;
}

void RegisterGrid::SortRows() {
    FillDateSortKeys();
    grid.SetCol(SortKey);
    grid.SetColSel(CheckNumber);
    grid.SetSort(platform::flexSortNumericAscending);
}

int64_t RegisterGrid::SignedCents(int row) const {
    int type = CellInteger(row, TypeCode, 0);
    if (type >= RegisterLook::ChangedMarker)
        type -= RegisterLook::ChangedMarker;
    return ledger::IsCredit(type) ? ledger::ToCents(CellAmount(row, Credit)) : -ledger::ToCents(CellAmount(row, Debit));
}

void RegisterGrid::RecalcBalances() {
    int64_t balance = ledger::ToCents(ledger::GetStartingBalance());
    for (int r = 1; r < grid.Rows(); ++r) {
        balance = std::clamp(balance + SignedCents(r), -ledger::MaxCents, ledger::MaxCents);
        // Only the balances below a change differ from what the cells hold.
        if (balance <= -MaxExactCents || balance >= MaxExactCents || grid.CellNumber(r, Balance) != balance / 100.0)
            SetBalance(r, balance);
    }
    FitColumn(Balance);
}

void RegisterGrid::FitColumn(int col) {
    // Measuring every cell of a large register costs more than it tells: in the grid's forms (numbers, dates)
    // only texts about as long as the longest can be the widest, and texts that differ only in their digits are
    // at most as wide as their shape with every digit the widest one, which is measured once.
    qsizetype longest = 0;
    for (int r = grid.FixedRows(); r < grid.Rows(); ++r)
        longest = std::max(longest, grid.TextMatrix(r, col).size());
    QChar widestDigit = u'0';
    for (char16_t digit = u'1'; digit <= u'9'; ++digit)
        if (grid.TextWidth(QString(QChar(digit))) > grid.TextWidth(QString(widestDigit)))
            widestDigit = QChar(digit);
    // A register's dates and amounts come in a few dozen shapes; past that (digits of other scripts), measure all.
    constexpr size_t MaxShapes = 64;
    std::vector<QString> shapes;
    int width = grid.ColWidth(col);
    for (int r = grid.FixedRows(); r < grid.Rows(); ++r) {
        const QString& text = grid.TextMatrix(r, col);
        if (text.isEmpty() || text.size() + 1 < longest)
            continue;
        std::array<char16_t, 64> buffer;
        if (text.size() > qsizetype(buffer.size()) || shapes.size() >= MaxShapes) {
            width = std::max(width, grid.TextWidth(text));
            continue;
        }
        for (qsizetype i = 0; i < text.size(); ++i) {
            const char16_t c = text[i].unicode();
            buffer[size_t(i)] = c >= u'0' && c <= u'9' ? widestDigit.unicode() : c;
        }
        const QStringView shape(buffer.data(), text.size());
        if (std::find(shapes.begin(), shapes.end(), shape) == shapes.end()) {
            shapes.push_back(shape.toString());
            width = std::max(width, grid.TextWidth(shapes.back()));
        }
    }
    if (width != grid.ColWidth(col))
        grid.SetColWidth(col, width);
}

bool RegisterGrid::IsRowLocked(int row) const {
    return CellInteger(row, Locked, 0) == 1;
}

void RegisterGrid::SetRowColour(int row, bool locked) {
    grid.SetFillStyle(platform::flexFillRepeat);
    grid.SetCol(CheckNumber);
    grid.SetRow(row);
    grid.SetColSel(Balance);
    grid.SetRowSel(row);
    grid.SetCellBackColor(locked ? RegisterLook::LockedRowColor : grid.BackColor());
}

void RegisterGrid::MarkRowModified(int row) {
    const int type = CellInteger(row, TypeCode, RegisterLook::ChangedMarker);
    if (type < RegisterLook::ChangedMarker)
        SetInteger(row, TypeCode, type + RegisterLook::ChangedMarker);
}

void RegisterGrid::UnlockRecords() {
    for (int r = 1; r < grid.Rows(); ++r) {
        if (IsRowLocked(r)) {
            SetInteger(r, Locked, 0);
            SetRowColour(r, false);
            MarkRowModified(r);
        }
        ledger::SetRecordsLocked(false);
    }
    // Also when there is no row at all, or the flag would keep the button at "Unlock records" for good.
    ledger::SetRecordsLocked(false);
    ledger::SetLockDate(0);
}

bool RegisterGrid::LockRecords() {
    if (!FillDateSortKeys() || grid.Row() < grid.FixedRows())
        return false;
    const std::optional<double> lockDate = codec.ParseShortDate(grid.TextMatrix(grid.Row(), Date));
    if (!lockDate || !LockThrough(*lockDate))
        return false;
    grid.SetCol(SortKey);
    grid.SetRow(0);
    return true;
}

bool RegisterGrid::LockThrough(double lockDate) {
    if (!FillDateSortKeys())
        return false;
    const double day = std::floor(lockDate);
    for (int r = 1; r < grid.Rows(); ++r) {
        if (CellInteger(r, SortKey, int(RegisterLook::EmptyDateKey)) <= day) {
            SetInteger(r, Locked, 1);
            ledger::SetRecordsLocked(true);
            SetRowColour(r, true);
            MarkRowModified(r);
        }
    }
    ledger::SetLockDate(day);
    return true;
}

int64_t RegisterGrid::BalanceOn(double day) {
    FillDateSortKeys();
    int64_t balance = ledger::ToCents(ledger::GetStartingBalance());
    for (int r = 1; r < grid.Rows(); ++r) {
        if (CellInteger(r, SortKey, int(RegisterLook::EmptyDateKey)) > std::floor(day))
            continue;
        balance = std::clamp(balance + SignedCents(r), -ledger::MaxCents, ledger::MaxCents);
    }
    return balance;
}

std::vector<int> RegisterGrid::RowsBetween(double after, double through) {
    FillDateSortKeys();
    std::vector<int> rows;
    for (int r = 1; r < grid.Rows(); ++r) {
        const int key = CellInteger(r, SortKey, int(RegisterLook::EmptyDateKey));
        if (key > std::floor(after) && key <= std::floor(through))
            rows.push_back(r);
    }
    return rows;
}

void RegisterGrid::ToggleLock() {
    if (ledger::AreRecordsLocked())
        UnlockRecords();
    else
        LockRecords();
    grid.SetRow(1);
}

QString RegisterGrid::DeleteQuestion(int row) const {
    const QChar cr(13);
    QString text = QStringLiteral("Delete this record?");
    for (const int col : {CheckNumber, Date, Description, Debit, Credit})
        text += cr + grid.TextMatrix(row, col);
    return text + cr;
}

bool RegisterGrid::DeleteRecord(int row) {
    const int slot = CellInteger(row, Slot, 0);
    if (slot < 1 || slot > ledger::MaxSlots || !ledger::DeleteTransaction(int16_t(slot)))
        return false;
    grid.RemoveItem(row);
    RecalcBalances();
    return true;
}

bool RegisterGrid::IsValidAmountText(const QString& text) {
    return ledger::IsDollarText(text) && platform::ToMoney(text) &&
           platform::MoneyKeptToTheCent(platform::ToDouble(text).value_or(0));
}

bool RegisterGrid::IsValidCheckNumberText(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return text.isEmpty();
    if (trimmed.size() > 5)
        return false;
    int value = 0;
    for (const QChar c : trimmed) {
        if (c.unicode() < '0' || c.unicode() > '9')
            return false;
        value = value * 10 + (c.unicode() - '0');
    }
    return value >= 1 && value <= ledger::MaxCheckNumber;
}

int RegisterGrid::WriteBack() const {
    // One journal entry for the whole register: a crash during the write-back keeps all rows or none.
    const ledger::ChangeBatch batch;
    int written = 0;
    for (int r = 1; r < grid.Rows(); ++r) {
        int type = CellInteger(r, TypeCode, 0);
        if (type < RegisterLook::ChangedMarker)
            continue;
        type -= RegisterLook::ChangedMarker;
        const int slot = CellInteger(r, Slot, 0);
        // Only the date picker writes a date cell; a cell that still cannot be read keeps the stored record.
        const std::optional<double> date = codec.ParseShortDate(grid.TextMatrix(r, Date));
        if (slot < 1 || slot > ledger::MaxSlots || !date)
            continue;
        const std::optional<int16_t> number = platform::ToInteger(grid.TextMatrix(r, CheckNumber));
        const int16_t checkNumber = number ? *number : (type == ledger::CheckOrPayment ? -1 : 0);
        const float amount = CellAmount(r, ledger::IsCredit(type) ? Credit : Debit);
        ledger::UpdateTransaction(int16_t(slot), checkNumber, *date, amount, grid.TextMatrix(r, Description),
                                  IsRowLocked(r));
        ++written;
    }
    return written;
}
