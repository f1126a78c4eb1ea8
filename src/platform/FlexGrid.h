#pragma once
// A headless grid of text cells with the facilities of the register's grid control, under the control's names:
// rows and columns with fixed (header) rows and columns, a current cell with a selection block, cell background
// colours, column widths and alignments from a format string, a numeric sort and row removal.
//
// It needs no window, so the register's procedures run and are tested without one. A view (FlexGridView) attaches
// itself as the grid's FlexGridDisplay: it draws the grid, hears about every change, supplies the real geometry
// (cell rectangles, visible rows, font) and raises the user's events. Without a display the grid answers
// geometry questions from nominal sizes: every row RowHeight twips high, columns as wide as ColWidth says.
//
// Cell texts live in one flat vector of stored rows (row-major); colours in a per-row array that exists only for
// rows with coloured cells. A row order maps the grid's rows to stored rows, so that a sort or a removal moves row
// numbers, not texts. Indexes outside the grid are ignored by setters and read as empty by getters.

#include <QObject>
#include <QRect>
#include <QString>
#include <bit>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace platform {

class LocaleCodec;

// Colours as the grid control takes them: 0x00BBGGRR, or 0x800000nn for the system colour nn.
using OleColor = uint32_t;
constexpr OleColor SystemWindowColor = 0x80000005;
constexpr OleColor SystemButtonFaceColor = 0x8000000F;

enum class FlexAlignment { General, Left, Center, Right }; // General: numbers right, other text left
enum FlexFillStyle { flexFillSingle = 0, flexFillRepeat = 1 };
enum FlexSortSettings { flexSortNumericAscending = 3 };
enum FlexAllowUserResizing { flexResizeNone = 0, flexResizeColumns = 1 };

// What a view hears and supplies. Before/After bracket every change so that an item model can announce it.
class FlexGridDisplay {
public:
    enum class Change {
        Shape,      // Rows, Cols, FixedRows or FixedCols
        RowRemoved, // one row (the argument) removed
        Order,      // rows permuted by a sort
        Columns,    // widths, alignments or header texts of columns (argument: one column, or -1 for all)
        Cells,      // texts or colours of cells (argument: the row, or -1 for many)
        Current,    // Row, Col, RowSel or ColSel
        Look,       // GridColor, BackColor, AllowUserResizing
    };
    virtual ~FlexGridDisplay() = default;
    virtual void BeforeChange(Change change, int argument) = 0;
    virtual void AfterChange(Change change, int argument) = 0;

    virtual int TopRow() const = 0;
    virtual void SetTopRow(int row) = 0;
    virtual bool RowIsVisible(int row) const = 0;
    // Twips, relative to the grid's top left corner.
    virtual QRect CellRect(int row, int col) const = 0;
    virtual QString FontName() const = 0;
    virtual double FontSize() const = 0;
    // Width of a header text in twips with the grid's font, margins included.
    virtual int HeaderWidth(const QString& text) const = 0;
    // Width a column needs to show a cell text whole in twips, with the grid's font, margins included.
    virtual int TextWidth(const QString& text) const = 0;
    virtual void SetFocus() = 0;
};

class FlexGrid : public QObject {
    Q_OBJECT
public:
    static constexpr int DefaultColWidth = 960; // twips
    static constexpr int RowHeight = 240;       // twips, nominal (without a display)

    explicit FlexGrid(QObject* parent = nullptr);
    ~FlexGrid() override;

    // Not owned; the display detaches itself with nullptr before it goes.
    void SetDisplay(FlexGridDisplay* display);
    FlexGridDisplay* Display() const { return display; }

    int Rows() const { return rows; }
    void SetRows(int value);
    int Cols() const { return cols; }
    void SetCols(int value);
    int FixedRows() const { return fixedRows; }
    void SetFixedRows(int value);
    int FixedCols() const { return fixedCols; }
    void SetFixedCols(int value);

    // Fields separated by "|", one per column from column 0: a leading "^" centres, "<" aligns left, ">" right;
    // the rest is the text of the top row. Each column gets a width that fits its header. Cols grows to the
    // number of fields, never shrinks.
    QString FormatString() const { return formatString; }
    void SetFormatString(const QString& value);
    int ColWidth(int col) const;
    void SetColWidth(int col, int twips);
    // Width a column needs to show `text` whole, in twips; without a display, a nominal width per character.
    int TextWidth(const QString& text) const;
    FlexAlignment ColAlignment(int col) const;

    const QString& TextMatrix(int row, int col) const;
    void SetTextMatrix(int row, int col, const QString& text);
    // Writes a cell whose number is known: `number` must be what CellNumber reads from `text`.
    void SetTextMatrix(int row, int col, const QString& text, double number);
    // Writes a date cell whose day is known: `dayCount` must be what CellDate reads from `text`.
    void SetDateMatrix(int row, int col, const QString& text, std::optional<double> dayCount);

    // The number a cell's text reads as by the locale's rules (what the numeric sort compares); empty for a text
    // that is no number. Whole-column passes over thousands of rows read the same cells again and again, and the
    // texts lie scattered in memory: every conversion is remembered per cell, in one array per column, until the
    // cell's text changes.
    std::optional<double> CellNumber(int row, int col) const {
        if (const double* remembered = Remembered(row, col, NumberKind))
            return Known(*remembered);
        return ReadNumber(row, col);
    }
    // The day count a cell's text reads as in the locale's short date form, remembered in the same way (a column
    // remembers either numbers or dates); empty for a text that is no date.
    std::optional<double> CellDate(int row, int col) const {
        if (const double* remembered = Remembered(row, col, DateKind))
            return Known(*remembered);
        return ReadDate(row, col);
    }
    // The grid's conversions between text and numbers or dates, for the default locale as it was when the grid
    // was made.
    const LocaleCodec& Codec() const { return *codec; }
    const QString& Text() const { return TextMatrix(row, col); }
    void SetText(const QString& text) { SetTextMatrix(row, col, text); }

    // Setting Row or Col raises LeaveCell first when the current cell changes, then moves it; either collapses
    // the selection to the current cell. RowSel/ColSel then set the far corner of the selection.
    int Row() const { return row; }
    void SetRow(int value);
    int Col() const { return col; }
    void SetCol(int value);
    int RowSel() const { return rowSel; }
    void SetRowSel(int value);
    int ColSel() const { return colSel; }
    void SetColSel(int value);
    // A move as the user makes it: one LeaveCell, then row and column together.
    void MoveTo(int newRow, int newCol);

    // flexFillSingle colours the current cell, flexFillRepeat the whole selection.
    int FillStyle() const { return fillStyle; }
    void SetFillStyle(int value) { fillStyle = value; }
    OleColor CellBackColor() const { return CellColor(row, col); }
    void SetCellBackColor(OleColor color);
    // The background of any cell: its own colour, else BackColor.
    OleColor CellColor(int row, int col) const;
    OleColor BackColor() const { return backColor; }
    void SetBackColor(OleColor color);
    OleColor GridColor() const { return gridColor; }
    void SetGridColor(OleColor color);
    int AllowUserResizing() const { return allowUserResizing; }
    void SetAllowUserResizing(int value);

    // flexSortNumericAscending sorts the rows below the fixed rows by the columns Col..ColSel, left to right,
    // as numbers (a text that is not a number counts as 0); equal rows keep their order. Texts and colours
    // move with their rows; Row and Col stay where they are.
    void SetSort(int setting);

    int TopRow() const;
    void SetTopRow(int value);
    bool RowIsVisible(int row) const;

    // The current cell's rectangle, twips relative to the grid.
    int CellLeft() const { return CurrentCellRect().left(); }
    int CellTop() const { return CurrentCellRect().top(); }
    int CellWidth() const { return CurrentCellRect().width(); }
    int CellHeight() const { return CurrentCellRect().height(); }
    QString CellFontName() const;
    double CellFontSize() const;

    // Removes one row below the fixed rows; the rows below move up. Removing the current row raises LeaveCell
    // first (the current cell changes); the current cell then stays at the same row number, or the last row.
    void RemoveItem(int row);
    // Inserts an empty row at `row` (below the fixed rows, at most Rows()); the rows from there move down. The
    // current cell keeps its row number.
    void InsertItem(int row);
    // Puts the rows below the fixed rows in a new order: order[i] is the row that becomes row FixedRows() + i. An
    // order that is not a permutation of those rows changes nothing. Row and Col stay where they are.
    void ArrangeRows(const std::vector<int>& order);
    void SetFocus();

    // Extent of the grid in twips when no display is attached (decides the nominal visible rows).
    void SetNominalHeight(int twips) { nominalHeight = twips; }

Q_SIGNALS:
    void DblClick();
    void KeyPress(int16_t& KeyAscii);
    void KeyUp(int KeyCode, int Shift);
    void LeaveCell();

private:
    struct Column {
        int width = DefaultColWidth;
        FlexAlignment alignment = FlexAlignment::General;
    };
    static constexpr OleColor NoColor = 0xFFFFFFFFu;
    // Remembered values of one column, per stored row, of one kind of conversion (0: none yet). Two NaNs stand
    // for "not read yet" and "no value"; neither conversion gives a NaN.
    struct ColumnCache {
        uint8_t kind = 0;
        std::vector<double> values;
    };
    static constexpr uint8_t NumberKind = 1;
    static constexpr uint8_t DateKind = 2;
    static constexpr uint64_t UnknownBits = 0x7FF8'0000'0000'0001;
    static constexpr uint64_t NoValueBits = 0x7FF8'0000'0000'0002;
    const double* Remembered(int r, int c, uint8_t kind) const {
        if (!IsCell(r, c) || cache[size_t(c)].kind != kind)
            return nullptr;
        const double* value = &cache[size_t(c)].values[size_t(rowOrder[size_t(r)])];
        return std::bit_cast<uint64_t>(*value) == UnknownBits ? nullptr : value;
    }
    static std::optional<double> Known(double value) {
        return std::bit_cast<uint64_t>(value) == NoValueBits ? std::nullopt : std::optional<double>(value);
    }
    void Remember(int r, int c, uint8_t kind, std::optional<double> value) const;
    std::optional<double> ReadNumber(int r, int c) const;
    std::optional<double> ReadDate(int r, int c) const;

    bool IsCell(int r, int c) const { return r >= 0 && r < rows && c >= 0 && c < cols; }
    size_t CellIndex(int r, int c) const { return size_t(rowOrder[size_t(r)]) * size_t(cols) + size_t(c); }
    std::vector<OleColor>& ColorsOf(int r) { return rowColors[size_t(rowOrder[size_t(r)])]; }
    const std::vector<OleColor>& ColorsOf(int r) const { return rowColors[size_t(rowOrder[size_t(r)])]; }
    void Forget(int r, int c);
    void Reshape(int newRows, int newCols);
    void ClampCurrent();
    void SetCurrent(int newRow, int newCol);
    QRect CurrentCellRect() const;
    QRect NominalCellRect(int r, int c) const;
    int NominalVisibleRows() const;
    void Notify(FlexGridDisplay::Change change, int argument, bool before) const;

    int rows = 0;
    int cols = 0;
    int fixedRows = 0;
    int fixedCols = 0;
    std::vector<QString> cells;                   // stored rows x cols
    std::vector<std::vector<OleColor>> rowColors; // per stored row; empty for a row without coloured cells
    std::vector<int> rowOrder;                    // grid row -> stored row
    mutable std::vector<ColumnCache> cache;       // one per column
    std::unique_ptr<LocaleCodec> codec;
    bool storedInOrder = true; // rowOrder is 0, 1, 2, ... and every stored row is in use
    std::vector<Column> columns;
    QString formatString;
    int row = 0;
    int col = 0;
    int rowSel = 0;
    int colSel = 0;
    int fillStyle = flexFillSingle;
    OleColor backColor = SystemWindowColor;
    OleColor gridColor = 0xC0C0C0;
    int allowUserResizing = flexResizeNone;
    int topRow = 0;
    int nominalHeight = 0;
    FlexGridDisplay* display = nullptr;
};

} // namespace platform
