#include "register/RegisterGrid.h"

#include "ledger/Ledger.h"
#include "model/TransactionRules.h"
#include "platform/Locale.h"

#include <QCoreApplication>
#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

using namespace RegisterColumn;

namespace {

// Column widths in twips after the format string; columns 1, 5 and 7 keep the width that fits their header.
struct Width {
    int col;
    int twips;
};
constexpr Width ColumnWidths[] = {{SortKey, 0},     {Date, 900}, {Description, 2800}, {Memo, 960},
                                  {Category, 1500}, {Type, 900}, {Balance, 1000},     {TypeCode, 0},
                                  {Slot, 0},        {Locked, 0}, {Cleared, 300}};
} // namespace

RegisterGrid::RegisterGrid(platform::FlexGrid& grid) : grid(grid), codec(grid.Codec()), model(grid.Codec()) {}

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

void RegisterGrid::WriteMoney(int row, int col, const QString& text, std::optional<double> number) {
    if (number)
        grid.SetTextMatrix(row, col, text, *number);
    else
        grid.SetTextMatrix(row, col, text);
}

void RegisterGrid::ShowRow(int row) {
    const RegisterRow& values = model.At(row - 1);
    const RowCells cells(values, codec, RowCells::Controls::Keep);
    // Cells left empty stay untouched: a register of tens of thousands of rows is filled here.
    const auto write = [this, row, &cells](int col) {
        if (!cells.Text(col).isEmpty() || !grid.TextMatrix(row, col).isEmpty())
            grid.SetTextMatrix(row, col, cells.Text(col).toString());
    };
    SetInteger(row, SortKey, int64_t(DateSortKey(values.dateDay)));
    if (values.isCheck && values.typedCheckNumber.isNull())
        SetInteger(row, CheckNumber, values.record.CheckNumber);
    else
        write(CheckNumber);
    grid.SetDateMatrix(row, Date, cells.Text(Date).toString(), values.dateDay);
    grid.SetTextMatrix(row, Description, cells.Text(Description).toString());
    write(Memo);
    // A path is the row's own text, shared rather than copied: most rows of a kept ledger have one.
    if (const ledger::CategoryAssignment& category = values.Category(); !category.IsSplit())
        grid.SetTextMatrix(row, Category, category.category);
    else
        write(Category);
    if (values.isCheck)
        write(Type);
    else // the type names are shared texts
        grid.SetTextMatrix(row, Type, ledger::TypeName(values.record.TypeCode, values.record.CheckNumber));
    for (const int col : {Debit, Credit}) {
        if (cells.Text(col).isEmpty())
            write(col);
        else
            WriteMoney(row, col, cells.Text(col).toString(), cells.Number(col));
    }
    WriteMoney(row, Balance, cells.Text(Balance).toString(), cells.Number(Balance));
    SetInteger(row, Slot, values.slot);
    ShowFlags(row);
}

// Column 9 (type code and changed marker), column 11 (lock flag) and the row's colour.
void RegisterGrid::ShowFlags(int row) {
    const RegisterRow& values = model.At(row - 1);
    SetInteger(row, TypeCode, values.record.TypeCode + (values.changed ? RegisterLook::ChangedMarker : 0));
    SetInteger(row, Locked, values.IsLocked() ? 1 : 0);
    if (MarkText(values) != grid.TextMatrix(row, Cleared))
        grid.SetTextMatrix(row, Cleared, MarkText(values));
    const platform::OleColor colour = values.IsLocked() ? RegisterLook::LockedRowColor : grid.BackColor();
    if (grid.CellColor(row, CheckNumber) != colour)
        SetRowColour(row, values.IsLocked());
}

void RegisterGrid::ShowBalance(int row) {
    const MoneyCell cell = BalanceCell(codec, model.At(row - 1).balanceCents);
    WriteMoney(row, Balance, cell.text, cell.number);
}

void RegisterGrid::Show(const RegisterUpdate& update) {
    if (update.removed >= 0)
        grid.RemoveItem(update.removed + 1);
    if (update.inserted >= 0)
        grid.InsertItem(update.inserted + 1);
    if (!update.order.empty()) {
        std::vector<int> order;
        order.reserve(update.order.size());
        for (const int from : update.order)
            order.push_back(from + 1);
        grid.ArrangeRows(order);
    }
    for (const int index : update.rows)
        ShowRow(index + 1);
    for (const int index : update.flags)
        ShowFlags(index + 1);
    for (const int index : update.balances)
        ShowBalance(index + 1);
}

void RegisterGrid::FillGrid() {
    grid.SetGridColor(RegisterLook::GridColor);
    model.Load();
    grid.SetRows(model.Count() + 1);
    grid.SetCols(Count);
    grid.SetAllowUserResizing(platform::flexResizeColumns);
    grid.SetFormatString(RegisterLook::GridFormatText());
    for (const Width& width : ColumnWidths)
        grid.SetColWidth(width.col, width.twips);
    for (int r = 1; r <= model.Count(); ++r)
        ShowRow(r);

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

void RegisterGrid::SortRows() {
    RegisterUpdate update;
    model.Sort(update);
    Show(update);
    grid.SetCol(SortKey);
    grid.SetColSel(CheckNumber);
}

void RegisterGrid::RecalcBalances() {
    RegisterUpdate update;
    model.Rebalance(update);
    Show(update);
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
    return row >= 1 && row <= model.Count() && model.At(row - 1).IsLocked();
}

bool RegisterGrid::IsEditable(int row, int col) const {
    if (row < 1 || row > model.Count() || IsRowLocked(row))
        return false;
    const ledger::TransactionRecord& record = model.At(row - 1).record;
    const int amountColumn = ledger::IsCredit(record.TypeCode) ? Credit : Debit;
    return col == CheckNumber || col == Date || col == Description || col == amountColumn || col == Category ||
           (col == Memo && record.TypeCode == ledger::CheckOrPayment);
}

void RegisterGrid::SetRowColour(int row, bool locked) {
    const platform::OleColor colour = locked ? RegisterLook::LockedRowColor : grid.BackColor();
    grid.SetFillStyle(platform::flexFillRepeat);
    // The mark's column first, so that the selection is left on columns 1 to 8.
    grid.SetCol(Cleared);
    grid.SetRow(row);
    grid.SetColSel(Cleared);
    grid.SetRowSel(row);
    grid.SetCellBackColor(colour);
    grid.SetCol(CheckNumber);
    grid.SetColSel(Balance);
    grid.SetRowSel(row);
    grid.SetCellBackColor(colour);
}

void RegisterGrid::MarkRowModified(int row) {
    model.MarkChanged(row - 1);
    ShowFlags(row);
}

RegisterModel::Outcome RegisterGrid::CommitText(int row, int col, const QString& text,
                                                RegisterModel::PartsFollow parts) {
    RegisterUpdate update;
    const RegisterModel::Outcome outcome = model.CommitText(row - 1, col, text, update, parts);
    Show(update);
    if (outcome != RegisterModel::Outcome::Changed)
        return outcome;
    if (col == Debit || col == Credit)
        FitColumn(col);
    TellChanged();
    return outcome;
}

bool RegisterGrid::IsSplit(int row) const {
    return row >= 1 && row <= model.Count() && model.At(row - 1).Category().IsSplit();
}

bool RegisterGrid::ChangesSplitAmount(int row, int col, const QString& text) const {
    return row >= 1 && row <= model.Count() && model.ChangesSplitAmount(row - 1, col, text);
}

QString RegisterGrid::SplitAmountQuestion(int row, const QString& text) const {
    return QCoreApplication::translate("RegisterGrid",
                                       "%1 is split into parts, and its amount changes from %2 to %3. How should the "
                                       "parts change?")
        .arg(grid.TextMatrix(row, Description), codec.FormatCents(ledger::ToCents(model.At(row - 1).record.Amount)),
             codec.FormatCents(ledger::ToCents(*platform::ToMoney(text))));
}

QStringList RegisterGrid::SplitAmountChoices() {
    return {QCoreApplication::translate("RegisterGrid", "Scale in Proportion"),
            QCoreApplication::translate("RegisterGrid", "Difference to the Last Part"),
            QCoreApplication::translate("RegisterGrid", "Cancel")};
}

RegisterModel::Outcome RegisterGrid::SetCategory(int row, const ledger::CategoryAssignment& assignment) {
    if (row < 1 || row > model.Count())
        return RegisterModel::Outcome::Refused;
    RegisterUpdate update;
    const RegisterModel::Outcome outcome = model.SetCategory(row - 1, assignment, update);
    Show(update);
    if (outcome == RegisterModel::Outcome::Changed) {
        grid.MoveTo(row, Category);
        TellChanged();
    }
    return outcome;
}

RegisterModel::Outcome RegisterGrid::CommitDate(int row, double day) {
    RegisterUpdate update;
    const RegisterModel::Outcome outcome = model.CommitDate(row - 1, day, update);
    Show(update);
    if (outcome == RegisterModel::Outcome::Changed) {
        FitColumn(Date);
        FitColumn(Balance);
        // As a sort leaves it.
        grid.SetCol(SortKey);
        grid.SetColSel(CheckNumber);
        TellChanged();
    }
    return outcome;
}

void RegisterGrid::ToggleLock() {
    RegisterUpdate update;
    if (ledger::AreRecordsLocked()) {
        model.Unlock(update);
        Show(update);
    } else if (grid.Row() >= grid.FixedRows() && grid.Row() <= model.Count() &&
               model.LockThrough(model.At(grid.Row() - 1).dateDay, update)) {
        Show(update);
        grid.SetCol(SortKey);
        grid.SetRow(0);
    }
    grid.SetRow(1);
    TellChanged();
}

RegisterModel::Outcome RegisterGrid::ToggleCleared(int row) {
    if (row < 1 || row > model.Count())
        return RegisterModel::Outcome::Refused;
    RegisterUpdate update;
    const RegisterModel::Outcome outcome = model.ToggleCleared(row - 1, update);
    Show(update);
    if (outcome == RegisterModel::Outcome::Changed)
        TellChanged();
    return outcome;
}

bool RegisterGrid::Finish(double day, int64_t statementCents) {
    RegisterUpdate update;
    if (!model.Finish(day, statementCents, update))
        return false;
    Show(update);
    grid.SetCol(SortKey);
    grid.SetRow(1);
    TellChanged();
    return true;
}

void RegisterGrid::LockThrough(double day) {
    RegisterUpdate update;
    model.LockThrough(day, update);
    Show(update);
    TellChanged();
}

bool RegisterGrid::CanVoid(int row) const {
    return row >= 1 && row <= model.Count() && RegisterModel::IsVoidable(model.At(row - 1));
}

bool RegisterGrid::TakesAddress(int row) const {
    return row >= 1 && row <= model.Count() && !IsRowLocked(row) &&
           model.At(row - 1).record.TypeCode == ledger::CheckOrPayment;
}

RegisterModel::Outcome RegisterGrid::SetAddress(int row, const QStringList& lines) {
    if (!TakesAddress(row))
        return RegisterModel::Outcome::Refused;
    RegisterUpdate update;
    const RegisterModel::Outcome outcome = model.SetAddress(row - 1, lines, update);
    Show(update);
    if (outcome == RegisterModel::Outcome::Changed)
        TellChanged();
    return outcome;
}

QString RegisterGrid::VoidQuestion(int row) const {
    return QCoreApplication::translate(
               "RegisterGrid", "Void check %1 to %2, dated %3? Its amount becomes %4; its number and date stay.")
        .arg(grid.TextMatrix(row, CheckNumber), grid.TextMatrix(row, Description), grid.TextMatrix(row, Date),
             codec.FormatCents(0));
}

RegisterModel::Outcome RegisterGrid::Void(int row) {
    if (!CanVoid(row))
        return RegisterModel::Outcome::Refused;
    RegisterUpdate update;
    const RegisterModel::Outcome outcome = model.Void(row - 1, update);
    Show(update);
    if (outcome == RegisterModel::Outcome::Changed) {
        FitColumn(Debit);
        FitColumn(Balance);
        grid.MoveTo(update.current + 1, Description);
        TellChanged();
    }
    return outcome;
}

QString RegisterGrid::DeleteQuestion(int row) const {
    const QChar cr(13);
    QString text = QCoreApplication::translate("RegisterGrid", "Delete this record?");
    for (const int col : {CheckNumber, Date, Description, Debit, Credit})
        text += cr + grid.TextMatrix(row, col);
    return text + cr;
}

Forecast RegisterGrid::LookAhead(double today, int horizonDays) const {
    return StoreForecast(model.Rows(), today, horizonDays);
}

int RegisterGrid::Enter(const UpcomingRow& upcoming) {
    RegisterUpdate update;
    if (model.Enter(upcoming, update) < 0)
        return 0;
    Show(update);
    FitColumn(Balance);
    grid.MoveTo(update.current + 1, update.column);
    TellChanged();
    return update.current + 1;
}

bool RegisterGrid::Skip(const UpcomingRow& upcoming) {
    if (!model.Skip(upcoming))
        return false;
    TellChanged();
    return true;
}

bool RegisterGrid::AddSchedule(const ledger::Schedule& schedule) {
    if (!model.AddSchedule(schedule))
        return false;
    TellChanged();
    return true;
}

bool RegisterGrid::DeleteRecord(int row) {
    if (row < 1 || row > model.Count())
        return false;
    RegisterUpdate update;
    if (!model.Delete(row - 1, update))
        return false;
    Show(update);
    FitColumn(Balance);
    TellChanged();
    return true;
}

int RegisterGrid::WriteBack() const {
    return model.WriteBack();
}

bool RegisterGrid::Undo() {
    RegisterUpdate update;
    if (!model.Undo(update))
        return false;
    AfterHistoryStep(update);
    return true;
}

bool RegisterGrid::Redo() {
    RegisterUpdate update;
    if (!model.Redo(update))
        return false;
    AfterHistoryStep(update);
    return true;
}

void RegisterGrid::AfterHistoryStep(const RegisterUpdate& update) {
    Show(update);
    if (update.lockChanged) {
        grid.SetCol(SortKey);
        grid.SetRow(1);
    } else if (update.current >= 0) {
        grid.MoveTo(update.current + 1, update.column);
    }
    TellChanged();
}
