#include "platform/FlexGrid.h"

#include "platform/LocaleCodec.h"

#include <QPointer>
#include <algorithm>
#include <numeric>

namespace platform {

namespace {
const QString EmptyText;

// Without a display a header is measured as the control's default font would about measure it.
constexpr int NominalCharWidth = 90;
constexpr int NominalCellMargin = 120;
const QString NominalFontName = QStringLiteral("MS Sans Serif");
constexpr double NominalFontSize = 8.25;

// Most sort keys are plain whole numbers (day numbers, check numbers): read those without the locale.
double SortKey(const QString& text, const LocaleCodec& codec) {
    if (text.isEmpty())
        return 0;
    if (text.size() <= 15) {
        int64_t value = 0;
        bool digitsOnly = true;
        for (const QChar c : text) {
            if (c.unicode() < '0' || c.unicode() > '9') {
                digitsOnly = false;
                break;
            }
            value = value * 10 + (c.unicode() - '0');
        }
        if (digitsOnly)
            return double(value);
    }
    return codec.ToDouble(text).value_or(0.0);
}
} // namespace

FlexGrid::FlexGrid(QObject* parent) : QObject(parent) {
    Reshape(2, 2);
    fixedRows = 1;
    fixedCols = 1;
    row = rowSel = 1;
    col = colSel = 1;
    topRow = 1;
}

FlexGrid::~FlexGrid() = default;

void FlexGrid::SetDisplay(FlexGridDisplay* value) { display = value; }

void FlexGrid::Notify(FlexGridDisplay::Change change, int argument, bool before) const {
    if (!display)
        return;
    if (before)
        display->BeforeChange(change, argument);
    else
        display->AfterChange(change, argument);
}

void FlexGrid::Reshape(int newRows, int newCols) {
    newRows = std::max(newRows, 0);
    newCols = std::max(newCols, 0);
    if (newCols == cols) {
        cells.resize(size_t(newRows) * size_t(newCols));
    } else {
        std::vector<QString> reshaped(size_t(newRows) * size_t(newCols));
        const int keepRows = std::min(rows, newRows);
        const int keepCols = std::min(cols, newCols);
        for (int r = 0; r < keepRows; ++r)
            for (int c = 0; c < keepCols; ++c)
                reshaped[size_t(r) * newCols + c] = std::move(cells[size_t(r) * cols + c]);
        cells = std::move(reshaped);
        for (std::vector<OleColor>& colors : rowColors)
            if (!colors.empty())
                colors.resize(size_t(newCols), NoColor);
        columns.resize(size_t(newCols));
    }
    rowColors.resize(size_t(newRows));
    rows = newRows;
    cols = newCols;
}

void FlexGrid::ClampCurrent() {
    row = std::clamp(row, 0, std::max(rows - 1, 0));
    col = std::clamp(col, 0, std::max(cols - 1, 0));
    rowSel = std::clamp(rowSel, 0, std::max(rows - 1, 0));
    colSel = std::clamp(colSel, 0, std::max(cols - 1, 0));
    topRow = std::clamp(topRow, fixedRows, std::max(fixedRows, rows - 1));
}

void FlexGrid::SetRows(int value) {
    if (value < 0 || value == rows)
        return;
    if (row >= value) {
        QPointer<FlexGrid> self(this);
        Q_EMIT LeaveCell();
        if (!self)
            return;
    }
    Notify(FlexGridDisplay::Change::Shape, -1, true);
    Reshape(value, cols);
    fixedRows = std::min(fixedRows, rows);
    ClampCurrent();
    Notify(FlexGridDisplay::Change::Shape, -1, false);
}

void FlexGrid::SetCols(int value) {
    if (value < 0 || value == cols)
        return;
    if (col >= value) {
        QPointer<FlexGrid> self(this);
        Q_EMIT LeaveCell();
        if (!self)
            return;
    }
    Notify(FlexGridDisplay::Change::Shape, -1, true);
    Reshape(rows, value);
    fixedCols = std::min(fixedCols, cols);
    ClampCurrent();
    Notify(FlexGridDisplay::Change::Shape, -1, false);
}

void FlexGrid::SetFixedRows(int value) {
    if (value < 0 || value > rows || value == fixedRows)
        return;
    Notify(FlexGridDisplay::Change::Shape, -1, true);
    fixedRows = value;
    ClampCurrent();
    Notify(FlexGridDisplay::Change::Shape, -1, false);
}

void FlexGrid::SetFixedCols(int value) {
    if (value < 0 || value > cols || value == fixedCols)
        return;
    Notify(FlexGridDisplay::Change::Shape, -1, true);
    fixedCols = value;
    Notify(FlexGridDisplay::Change::Shape, -1, false);
}

void FlexGrid::SetFormatString(const QString& value) {
    formatString = value;
    const QStringList fields = value.split(QLatin1Char('|'));
    if (fields.size() > cols)
        SetCols(int(fields.size()));
    for (int c = 0; c < int(fields.size()); ++c) {
        QString text = fields[c];
        FlexAlignment alignment = FlexAlignment::General;
        if (!text.isEmpty()) {
            switch (text[0].unicode()) {
            case '^':
                alignment = FlexAlignment::Center;
                break;
            case '<':
                alignment = FlexAlignment::Left;
                break;
            case '>':
                alignment = FlexAlignment::Right;
                break;
            default:
                break;
            }
            if (alignment != FlexAlignment::General)
                text.remove(0, 1);
        }
        columns[size_t(c)].alignment = alignment;
        columns[size_t(c)].width =
            display ? display->HeaderWidth(text) : int(text.size()) * NominalCharWidth + NominalCellMargin;
        if (rows > 0)
            cells[size_t(c)] = text;
    }
    Notify(FlexGridDisplay::Change::Columns, -1, false);
}

int FlexGrid::ColWidth(int c) const { return c >= 0 && c < cols ? columns[size_t(c)].width : 0; }

void FlexGrid::SetColWidth(int c, int twips) {
    if (c < 0 || c >= cols)
        return;
    columns[size_t(c)].width = twips < 0 ? DefaultColWidth : twips;
    Notify(FlexGridDisplay::Change::Columns, c, false);
}

FlexAlignment FlexGrid::ColAlignment(int c) const {
    return c >= 0 && c < cols ? columns[size_t(c)].alignment : FlexAlignment::General;
}

void FlexGrid::SetColAlignment(int c, FlexAlignment alignment) {
    if (c < 0 || c >= cols)
        return;
    columns[size_t(c)].alignment = alignment;
    Notify(FlexGridDisplay::Change::Columns, c, false);
}

const QString& FlexGrid::TextMatrix(int r, int c) const {
    return IsCell(r, c) ? cells[size_t(r) * size_t(cols) + size_t(c)] : EmptyText;
}

void FlexGrid::SetTextMatrix(int r, int c, const QString& text) {
    if (!IsCell(r, c))
        return;
    cells[size_t(r) * size_t(cols) + size_t(c)] = text;
    Notify(FlexGridDisplay::Change::Cells, r, false);
}

void FlexGrid::SetCurrent(int newRow, int newCol) {
    if (!IsCell(newRow, newCol))
        return;
    if (newRow != row || newCol != col) {
        QPointer<FlexGrid> self(this);
        Q_EMIT LeaveCell();
        // The handler may have reshaped the grid.
        if (!self || !IsCell(newRow, newCol))
            return;
    }
    row = rowSel = newRow;
    col = colSel = newCol;
    Notify(FlexGridDisplay::Change::Current, -1, false);
}

void FlexGrid::SetRow(int value) { SetCurrent(value, col); }

void FlexGrid::SetCol(int value) { SetCurrent(row, value); }

void FlexGrid::MoveTo(int newRow, int newCol) { SetCurrent(newRow, newCol); }

void FlexGrid::SetRowSel(int value) {
    if (value < 0 || value >= rows)
        return;
    rowSel = value;
    Notify(FlexGridDisplay::Change::Current, -1, false);
}

void FlexGrid::SetColSel(int value) {
    if (value < 0 || value >= cols)
        return;
    colSel = value;
    Notify(FlexGridDisplay::Change::Current, -1, false);
}

void FlexGrid::SetCellBackColor(OleColor color) {
    if (!IsCell(row, col))
        return;
    int top = row, bottom = row, left = col, right = col;
    if (fillStyle == flexFillRepeat) {
        top = std::min(row, rowSel);
        bottom = std::max(row, rowSel);
        left = std::min(col, colSel);
        right = std::max(col, colSel);
    }
    for (int r = top; r <= bottom; ++r) {
        std::vector<OleColor>& colors = rowColors[size_t(r)];
        if (colors.empty())
            colors.assign(size_t(cols), NoColor);
        std::fill(colors.begin() + left, colors.begin() + right + 1, color);
    }
    Notify(FlexGridDisplay::Change::Cells, top == bottom ? top : -1, false);
}

OleColor FlexGrid::CellColor(int r, int c) const {
    if (!IsCell(r, c) || rowColors[size_t(r)].empty() || rowColors[size_t(r)][size_t(c)] == NoColor)
        return backColor;
    return rowColors[size_t(r)][size_t(c)];
}

void FlexGrid::SetBackColor(OleColor color) {
    backColor = color;
    Notify(FlexGridDisplay::Change::Look, -1, false);
}

void FlexGrid::SetGridColor(OleColor color) {
    gridColor = color;
    Notify(FlexGridDisplay::Change::Look, -1, false);
}

void FlexGrid::SetAllowUserResizing(int value) {
    allowUserResizing = value;
    Notify(FlexGridDisplay::Change::Look, -1, false);
}

void FlexGrid::SetSort(int setting) {
    if (setting != flexSortNumericAscending || rows - fixedRows < 2 || cols == 0)
        return;
    const int firstKey = std::min(col, colSel);
    const int keyCount = std::max(col, colSel) - firstKey + 1;
    const int count = rows - fixedRows;

    const LocaleCodec codec;
    std::vector<double> keys(size_t(count) * size_t(keyCount));
    for (int i = 0; i < count; ++i)
        for (int k = 0; k < keyCount; ++k)
            keys[size_t(i) * keyCount + k] = SortKey(TextMatrix(fixedRows + i, firstKey + k), codec);

    std::vector<int> order(static_cast<size_t>(count));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        const double* ka = &keys[size_t(a) * keyCount];
        const double* kb = &keys[size_t(b) * keyCount];
        for (int k = 0; k < keyCount; ++k)
            if (ka[k] != kb[k])
                return ka[k] < kb[k];
        return false;
    });

    Notify(FlexGridDisplay::Change::Order, -1, true);
    std::vector<QString> sortedCells(size_t(count) * size_t(cols));
    std::vector<std::vector<OleColor>> sortedColors(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        const size_t from = size_t(fixedRows + order[size_t(i)]);
        std::move(cells.begin() + from * cols, cells.begin() + (from + 1) * cols, sortedCells.begin() + size_t(i) * cols);
        sortedColors[size_t(i)] = std::move(rowColors[from]);
    }
    std::move(sortedCells.begin(), sortedCells.end(), cells.begin() + size_t(fixedRows) * cols);
    std::move(sortedColors.begin(), sortedColors.end(), rowColors.begin() + fixedRows);
    Notify(FlexGridDisplay::Change::Order, -1, false);
}

int FlexGrid::NominalVisibleRows() const { return std::max(0, (nominalHeight - fixedRows * RowHeight) / RowHeight); }

int FlexGrid::TopRow() const { return display ? display->TopRow() : topRow; }

void FlexGrid::SetTopRow(int value) {
    if (value < fixedRows || value >= rows)
        return;
    if (display) {
        display->SetTopRow(value);
        return;
    }
    // Scrolls no further than the last row allows, as a scroll bar does.
    topRow = std::min(value, std::max(fixedRows, rows - std::max(1, NominalVisibleRows())));
}

bool FlexGrid::RowIsVisible(int r) const {
    if (r < 0 || r >= rows)
        return false;
    if (display)
        return display->RowIsVisible(r);
    return r < fixedRows || (r >= topRow && r < topRow + NominalVisibleRows());
}

QRect FlexGrid::NominalCellRect(int r, int c) const {
    int left = 0;
    for (int i = 0; i < c; ++i)
        left += columns[size_t(i)].width;
    const int top = r < fixedRows ? r * RowHeight : (fixedRows + r - topRow) * RowHeight;
    return QRect(left, top, ColWidth(c), RowHeight);
}

QRect FlexGrid::CurrentCellRect() const {
    if (!IsCell(row, col))
        return {};
    return display ? display->CellRect(row, col) : NominalCellRect(row, col);
}

QString FlexGrid::CellFontName() const { return display ? display->FontName() : NominalFontName; }

double FlexGrid::CellFontSize() const { return display ? display->FontSize() : NominalFontSize; }

void FlexGrid::RemoveItem(int r) {
    if (r < fixedRows || r >= rows)
        return;
    if (r == row) {
        QPointer<FlexGrid> self(this);
        Q_EMIT LeaveCell();
        if (!self || r >= rows)
            return;
    }
    Notify(FlexGridDisplay::Change::RowRemoved, r, true);
    cells.erase(cells.begin() + size_t(r) * cols, cells.begin() + size_t(r + 1) * cols);
    rowColors.erase(rowColors.begin() + r);
    rows -= 1;
    if (row > r)
        row -= 1;
    rowSel = row;
    colSel = col;
    ClampCurrent();
    Notify(FlexGridDisplay::Change::RowRemoved, r, false);
    Notify(FlexGridDisplay::Change::Current, -1, false);
}

void FlexGrid::SetFocus() {
    if (display)
        display->SetFocus();
}

} // namespace platform
