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

} // namespace

FlexGrid::FlexGrid(QObject* parent) : QObject(parent), codec(std::make_unique<LocaleCodec>()) {
    Reshape(2, 2);
    fixedRows = 1;
    fixedCols = 1;
    row = rowSel = 1;
    col = colSel = 1;
    topRow = 1;
}

FlexGrid::~FlexGrid() = default;

void FlexGrid::Remember(int r, int c, uint8_t kind, std::optional<double> value) const {
    if (!IsCell(r, c))
        return;
    ColumnCache& column = cache[size_t(c)];
    if (column.kind != kind) {
        column.kind = kind;
        column.values.assign(rowColors.size(), std::bit_cast<double>(UnknownBits));
    }
    column.values[size_t(rowOrder[size_t(r)])] = value ? *value : std::bit_cast<double>(NoValueBits);
}

void FlexGrid::Forget(int r, int c) {
    ColumnCache& column = cache[size_t(c)];
    if (column.kind != 0)
        column.values[size_t(rowOrder[size_t(r)])] = std::bit_cast<double>(UnknownBits);
}

std::optional<double> FlexGrid::ReadNumber(int r, int c) const {
    const QString& text = TextMatrix(r, c);
    std::optional<double> value;
    if (text.isEmpty()) {
        value = std::nullopt;
    } else if (text.size() <= 15 && std::all_of(text.begin(), text.end(),
                                                [](QChar ch) { return ch.unicode() >= '0' && ch.unicode() <= '9'; })) {
        // Most numbers in a grid are plain whole numbers (keys, codes, indexes): read those without the locale.
        int64_t whole = 0;
        for (const QChar ch : text)
            whole = whole * 10 + (ch.unicode() - '0');
        value = double(whole);
    } else {
        value = codec->ToDouble(text);
    }
    Remember(r, c, NumberKind, value);
    return value;
}

std::optional<double> FlexGrid::ReadDate(int r, int c) const {
    const std::optional<double> value = codec->ParseShortDate(TextMatrix(r, c));
    Remember(r, c, DateKind, value);
    return value;
}

void FlexGrid::SetDisplay(FlexGridDisplay* value) {
    display = value;
}

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
    if (storedInOrder && newCols == cols) {
        cells.resize(size_t(newRows) * size_t(newCols));
        rowColors.resize(size_t(newRows));
        for (ColumnCache& column : cache)
            if (column.kind != 0)
                column.values.resize(size_t(newRows), std::bit_cast<double>(UnknownBits));
    } else {
        // Stores the rows afresh in grid order; removed rows are dropped for good.
        std::vector<QString> reshaped(size_t(newRows) * size_t(newCols));
        std::vector<std::vector<OleColor>> recoloured(static_cast<size_t>(newRows));
        const int keepRows = std::min(rows, newRows);
        const int keepCols = std::min(cols, newCols);
        for (int r = 0; r < keepRows; ++r) {
            for (int c = 0; c < keepCols; ++c)
                reshaped[size_t(r) * newCols + c] = std::move(cells[CellIndex(r, c)]);
            recoloured[size_t(r)] = std::move(ColorsOf(r));
            if (!recoloured[size_t(r)].empty())
                recoloured[size_t(r)].resize(size_t(newCols), NoColor);
        }
        cells = std::move(reshaped);
        rowColors = std::move(recoloured);
        columns.resize(size_t(newCols));
        cache.assign(size_t(newCols), {});
    }
    rowOrder.resize(size_t(newRows));
    std::iota(rowOrder.begin(), rowOrder.end(), 0);
    storedInOrder = true;
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
        if (rows > 0) {
            cells[CellIndex(0, c)] = text;
            Forget(0, c);
        }
    }
    Notify(FlexGridDisplay::Change::Columns, -1, false);
}

int FlexGrid::TextWidth(const QString& text) const {
    return display ? display->TextWidth(text) : int(text.size()) * NominalCharWidth + NominalCellMargin;
}

int FlexGrid::ColWidth(int c) const {
    return c >= 0 && c < cols ? columns[size_t(c)].width : 0;
}

void FlexGrid::SetColWidth(int c, int twips) {
    if (c < 0 || c >= cols)
        return;
    columns[size_t(c)].width = twips < 0 ? DefaultColWidth : twips;
    Notify(FlexGridDisplay::Change::Columns, c, false);
}

FlexAlignment FlexGrid::ColAlignment(int c) const {
    return c >= 0 && c < cols ? columns[size_t(c)].alignment : FlexAlignment::General;
}

const QString& FlexGrid::TextMatrix(int r, int c) const {
    return IsCell(r, c) ? cells[CellIndex(r, c)] : EmptyText;
}

void FlexGrid::SetTextMatrix(int r, int c, const QString& text) {
    if (!IsCell(r, c))
        return;
    cells[CellIndex(r, c)] = text;
    Forget(r, c);
    Notify(FlexGridDisplay::Change::Cells, r, false);
}

void FlexGrid::SetTextMatrix(int r, int c, const QString& text, double number) {
    if (!IsCell(r, c))
        return;
    cells[CellIndex(r, c)] = text;
    Remember(r, c, NumberKind, number);
    Notify(FlexGridDisplay::Change::Cells, r, false);
}

void FlexGrid::SetDateMatrix(int r, int c, const QString& text, std::optional<double> dayCount) {
    if (!IsCell(r, c))
        return;
    cells[CellIndex(r, c)] = text;
    Remember(r, c, DateKind, dayCount);
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

void FlexGrid::SetRow(int value) {
    SetCurrent(value, col);
}

void FlexGrid::SetCol(int value) {
    SetCurrent(row, value);
}

void FlexGrid::MoveTo(int newRow, int newCol) {
    SetCurrent(newRow, newCol);
}

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
        std::vector<OleColor>& colors = ColorsOf(r);
        if (colors.empty())
            colors.assign(size_t(cols), NoColor);
        std::fill(colors.begin() + left, colors.begin() + right + 1, color);
    }
    Notify(FlexGridDisplay::Change::Cells, top == bottom ? top : -1, false);
}

OleColor FlexGrid::CellColor(int r, int c) const {
    if (!IsCell(r, c))
        return backColor;
    const std::vector<OleColor>& colors = ColorsOf(r);
    return colors.empty() || colors[size_t(c)] == NoColor ? backColor : colors[size_t(c)];
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

    std::vector<double> keys(size_t(count) * size_t(keyCount));
    for (int i = 0; i < count; ++i)
        for (int k = 0; k < keyCount; ++k)
            keys[size_t(i) * keyCount + k] = CellNumber(fixedRows + i, firstKey + k).value_or(0.0);

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
    std::vector<int> sorted(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i)
        sorted[size_t(i)] = rowOrder[size_t(fixedRows + order[size_t(i)])];
    std::copy(sorted.begin(), sorted.end(), rowOrder.begin() + fixedRows);
    storedInOrder = false;
    Notify(FlexGridDisplay::Change::Order, -1, false);
}

int FlexGrid::NominalVisibleRows() const {
    return std::max(0, (nominalHeight - fixedRows * RowHeight) / RowHeight);
}

int FlexGrid::TopRow() const {
    return display ? display->TopRow() : topRow;
}

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

QString FlexGrid::CellFontName() const {
    return display ? display->FontName() : NominalFontName;
}

double FlexGrid::CellFontSize() const {
    return display ? display->FontSize() : NominalFontSize;
}

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
    // The stored row stays behind, empty, until the grid is next reshaped.
    const size_t stored = size_t(rowOrder[size_t(r)]);
    std::fill(cells.begin() + std::ptrdiff_t(stored * cols), cells.begin() + std::ptrdiff_t((stored + 1) * cols),
              QString());
    rowColors[stored].clear();
    for (ColumnCache& column : cache)
        if (column.kind != 0)
            column.values[stored] = std::bit_cast<double>(UnknownBits);
    rowOrder.erase(rowOrder.begin() + r);
    storedInOrder = false;
    rows -= 1;
    if (row > r)
        row -= 1;
    rowSel = row;
    colSel = col;
    ClampCurrent();
    Notify(FlexGridDisplay::Change::RowRemoved, r, false);
    Notify(FlexGridDisplay::Change::Current, -1, false);
}

void FlexGrid::InsertItem(int r) {
    if (r < fixedRows || r > rows)
        return;
    Notify(FlexGridDisplay::Change::Shape, -1, true);
    // A new stored row at the end: no texts move, and the remembered conversions of the others stay valid.
    const int stored = int(rowColors.size());
    cells.resize(cells.size() + size_t(cols));
    rowColors.emplace_back();
    for (ColumnCache& column : cache)
        if (column.kind != 0)
            column.values.push_back(std::bit_cast<double>(UnknownBits));
    rowOrder.insert(rowOrder.begin() + r, stored);
    storedInOrder = storedInOrder && r == rows;
    rows += 1;
    Notify(FlexGridDisplay::Change::Shape, -1, false);
}

void FlexGrid::ArrangeRows(const std::vector<int>& order) {
    const int count = rows - fixedRows;
    if (int(order.size()) != count)
        return;
    std::vector<bool> seen(static_cast<size_t>(count), false);
    for (const int r : order) {
        if (r < fixedRows || r >= rows || seen[size_t(r - fixedRows)])
            return;
        seen[size_t(r - fixedRows)] = true;
    }
    Notify(FlexGridDisplay::Change::Order, -1, true);
    std::vector<int> arranged(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i)
        arranged[size_t(i)] = rowOrder[size_t(order[size_t(i)])];
    std::copy(arranged.begin(), arranged.end(), rowOrder.begin() + fixedRows);
    storedInOrder = false;
    Notify(FlexGridDisplay::Change::Order, -1, false);
}

void FlexGrid::SetFocus() {
    if (display)
        display->SetFocus();
}

} // namespace platform
