#include "platform/widgets/FlexGridView.h"

#include "platform/widgets/FlexGridModel.h"
#include "platform/widgets/KeyCodes.h"
#include "platform/widgets/Twips.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPointer>
#include <QProxyStyle>
#include <QScrollBar>
#include <QStyleFactory>

namespace platform {

// Table views take their grid-line colour from the style; this one takes the grid's, and keeps the cell margins
// as narrow as the grid control's, so that a column sized for its text shows all of it.
class GridLineStyle : public QProxyStyle {
public:
    explicit GridLineStyle(QObject* owner) : QProxyStyle(QStyleFactory::create(QApplication::style()->name())) {
        setParent(owner);
    }
    void SetColor(const QColor& value) { color = value; }
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_Table_GridLineColor)
            return int(color.rgba());
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
        if (metric == PM_FocusFrameHMargin)
            return 1;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }

private:
    QColor color = Qt::lightGray;
};

std::optional<QAbstractItemView::CursorAction> FlexGridView::NavigationOf(int key) {
    switch (key) {
    case Qt::Key_Up:
        return MoveUp;
    case Qt::Key_Down:
        return MoveDown;
    case Qt::Key_Left:
        return MoveLeft;
    case Qt::Key_Right:
        return MoveRight;
    case Qt::Key_Home:
        return MoveHome;
    case Qt::Key_End:
        return MoveEnd;
    case Qt::Key_PageUp:
        return MovePageUp;
    case Qt::Key_PageDown:
        return MovePageDown;
    default:
        return std::nullopt;
    }
}

FlexGridView::FlexGridView(FlexGrid& grid, QWidget* parent)
    : QTableView(parent), grid(grid), gridModel(new FlexGridModel(grid, this)), lineStyle(new GridLineStyle(this)) {
    setStyle(lineStyle);
    setModel(gridModel);
    setSelectionMode(NoSelection); // the grid owns the selection; the view only shows it
    setEditTriggers(NoEditTriggers);
    setTabKeyNavigation(false);
    setAutoScroll(false); // moves by code do not scroll, as TopRow is the way to scroll
    setWordWrap(false);
    setTextElideMode(Qt::ElideNone); // a text wider than its cell is cut, as the grid control cuts it
    setCornerButtonEnabled(false);
    setHorizontalScrollMode(ScrollPerPixel);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(std::max(TwipsToPixels(FlexGrid::RowHeight), fontMetrics().height() + 4));
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setMinimumSectionSize(1);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this](int col, int, int size) {
        if (applyingColumns || size <= 0)
            return;
        applyingColumns = true;
        this->grid.SetColWidth(col, PixelsToTwips(size));
        applyingColumns = false;
    });
    grid.SetDisplay(this);
    ApplyColumns();
    ApplyLook();
    SyncCurrent();
}

FlexGridView::~FlexGridView() {
    if (grid.Display() == this)
        grid.SetDisplay(nullptr);
}

void FlexGridView::BeforeChange(Change change, int argument) {
    switch (change) {
    case Change::Shape:
        gridModel->BeginReset();
        break;
    case Change::RowRemoved:
        gridModel->BeginRemoveRow(argument);
        break;
    case Change::Order:
        gridModel->BeginReorder();
        break;
    default:
        break;
    }
}

void FlexGridView::AfterChange(Change change, int argument) {
    switch (change) {
    case Change::Shape:
        gridModel->EndReset();
        ApplyLook(); // a reset header forgets its sections' resize modes
        ApplyColumns();
        SyncCurrentLater();
        break;
    case Change::RowRemoved:
        gridModel->EndRemoveRow();
        break;
    case Change::Order:
        gridModel->EndReorder();
        break;
    case Change::Columns: {
        // A column the program widened gets the room it needs (WidthShort), unless the columns did not fit before:
        // the user made the view that narrow. Before the view is shown, its owner asks MissingWidth itself.
        const bool wasWhole = MissingWidth() == 0;
        const bool byProgram = !applyingColumns;
        if (argument < 0) {
            ApplyColumns();
        } else {
            if (byProgram)
                ApplyColumn(argument);
            FitFillColumn();
        }
        gridModel->HeaderChanged(argument);
        viewport()->update();
        if (wasWhole && byProgram && isVisible() && MissingWidth() > 0)
            Q_EMIT WidthShort(MissingWidth());
        break;
    }
    case Change::Cells:
        if (argument >= 0 && argument < grid.FixedRows()) {
            gridModel->HeaderChanged(-1);
        } else if (!cellsPending) {
            // Thousands of cells change at once; one repaint covers them all.
            cellsPending = true;
            viewport()->update();
        }
        break;
    case Change::Current:
        scrollPending = true;
        SyncCurrentLater();
        break;
    case Change::Look:
        ApplyLook();
        break;
    }
}

void FlexGridView::ApplyColumn(int col) {
    const bool wasApplying = applyingColumns;
    applyingColumns = true;
    const int width = grid.ColWidth(col);
    // A hidden column, not a column 0 pixels wide: the arrow keys must pass over it.
    setColumnHidden(col, width == 0);
    if (width > 0 && col != fillColumn)
        setColumnWidth(col, TwipsToPixels(width));
    applyingColumns = wasApplying;
}

void FlexGridView::ApplyColumns() {
    for (int c = 0; c < grid.Cols(); ++c)
        ApplyColumn(c);
    FitFillColumn();
}

void FlexGridView::ApplyLook() {
    lineStyle->SetColor(ColorFromOle(grid.GridColor()));
    QHeaderView* header = horizontalHeader();
    header->setSectionResizeMode(grid.AllowUserResizing() == flexResizeColumns ? QHeaderView::Interactive
                                                                               : QHeaderView::Fixed);
    if (fillColumn >= 0 && fillColumn < header->count())
        header->setSectionResizeMode(fillColumn, QHeaderView::Fixed);
    header->setVisible(grid.FixedRows() > 0);
    viewport()->update();
}

void FlexGridView::SetFillColumn(int col) {
    fillColumn = col;
    ApplyLook();
    FitFillColumn();
}

// The width the columns have without scrolling sideways: the viewport's, or before the view is shown, what the
// viewport's will be at the view's present size.
int FlexGridView::ColumnsViewWidth() const {
    if (isVisible())
        return viewport()->width();
    int width = this->width() - 2 * frameWidth();
    if (gridModel->rowCount() > DataRowsInView())
        width -= verticalScrollBar()->sizeHint().width();
    return width;
}

int FlexGridView::FillColumnLeast() const {
    return TwipsToPixels(HeaderWidth(grid.TextMatrix(0, fillColumn)));
}

int FlexGridView::MissingWidth() const {
    int least = 0;
    for (int c = 0; c < grid.Cols(); ++c)
        if (!isColumnHidden(c))
            least += c == fillColumn ? FillColumnLeast() : columnWidth(c);
    return std::max(0, least - ColumnsViewWidth());
}

// The fill column takes what the others leave, and the grid learns its width as it learns a dragged one.
void FlexGridView::FitFillColumn() {
    if (fillColumn < 0 || fillColumn >= grid.Cols() || isColumnHidden(fillColumn))
        return;
    int others = 0;
    for (int c = 0; c < grid.Cols(); ++c)
        if (c != fillColumn && !isColumnHidden(c))
            others += columnWidth(c);
    const int width = std::max(FillColumnLeast(), ColumnsViewWidth() - others);
    const bool wasApplying = applyingColumns;
    applyingColumns = true;
    setColumnWidth(fillColumn, width);
    if (grid.ColWidth(fillColumn) != PixelsToTwips(width))
        grid.SetColWidth(fillColumn, PixelsToTwips(width));
    applyingColumns = wasApplying;
}

void FlexGridView::SyncCurrentLater() {
    if (currentPending)
        return;
    currentPending = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (currentPending)
                SyncCurrent();
        },
        Qt::QueuedConnection);
}

void FlexGridView::SyncCurrent() {
    currentPending = false;
    QItemSelectionModel* selection = selectionModel();
    const int fixed = grid.FixedRows();
    if (grid.Row() < fixed || grid.Rows() <= fixed) {
        selection->clear();
        return;
    }
    const QModelIndex current = gridModel->IndexOf(grid.Row(), grid.Col());
    const int top = std::max(std::min(grid.Row(), grid.RowSel()), fixed);
    const int bottom = std::max(grid.Row(), grid.RowSel());
    const int left = std::min(grid.Col(), grid.ColSel());
    const int right = std::max(grid.Col(), grid.ColSel());
    selection->setCurrentIndex(current, QItemSelectionModel::NoUpdate);
    selection->select(QItemSelection(gridModel->IndexOf(top, left), gridModel->IndexOf(bottom, right)),
                      QItemSelectionModel::ClearAndSelect);
    if (scrollPending && isVisible())
        ScrollToCurrent();
}

void FlexGridView::ScrollToCurrent() {
    scrollPending = false;
    if (grid.Row() < grid.FixedRows())
        return;
    if (pendingTopRow >= 0)
        updateGeometries();
    const QModelIndex current = gridModel->IndexOf(grid.Row(), grid.Col());
    if (!current.isValid())
        return;
    // A hidden column (the sort key after a sort) cannot be scrolled to; its row can.
    if (isColumnHidden(current.column()) || current.column() < grid.FixedCols())
        verticalScrollBar()->setValue(
            std::clamp(verticalScrollBar()->value(), current.row() - DataRowsInView() + 1, current.row()));
    else
        scrollTo(current);
}

void FlexGridView::MoveByUser(const QModelIndex& target) {
    if (!target.isValid())
        return;
    const int row = gridModel->GridRow(target.row());
    const int col = target.column();
    if (col < grid.FixedCols())
        return;
    grid.MoveTo(row, col);
    SyncCurrent();
    const QModelIndex current = gridModel->IndexOf(grid.Row(), grid.Col());
    if (current.isValid() && !isColumnHidden(current.column()))
        scrollTo(current);
}

void FlexGridView::keyPressEvent(QKeyEvent* event) {
    SyncCurrent();
    const int ascii = KeyAsciiOf(event);
    if (ascii != 0) {
        int16_t keyAscii = int16_t(ascii);
        Q_EMIT grid.KeyPress(keyAscii);
        event->accept();
        return;
    }
    if (const auto action = NavigationOf(event->key())) {
        event->accept();
        // From a cell the user cannot see (a hidden or fixed column), the keys start at the first column they can.
        const QModelIndex current = currentIndex();
        if (current.isValid() && (isColumnHidden(current.column()) || current.column() < grid.FixedCols())) {
            int first = grid.FixedCols();
            while (first < grid.Cols() && isColumnHidden(first))
                ++first;
            if (first >= grid.Cols())
                return;
            const QModelIndex start = gridModel->index(current.row(), first);
            if (*action == MoveLeft || *action == MoveRight) {
                MoveByUser(start);
                return;
            }
            selectionModel()->setCurrentIndex(start, QItemSelectionModel::NoUpdate);
        }
        MoveByUser(moveCursor(*action, event->modifiers()));
        SyncCurrent();
        return;
    }
    event->ignore();
}

void FlexGridView::keyReleaseEvent(QKeyEvent* event) {
    event->accept();
    if (!event->isAutoRepeat())
        Q_EMIT grid.KeyUp(KeyCodeOf(event), ShiftState(event->modifiers()));
}

void FlexGridView::mousePressEvent(QMouseEvent* event) {
    event->accept();
    SyncCurrent();
    if (event->button() == Qt::LeftButton)
        MoveByUser(indexAt(event->position().toPoint()));
}

void FlexGridView::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
}

void FlexGridView::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
}

void FlexGridView::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
    SyncCurrent();
    if (event->button() != Qt::LeftButton)
        return;
    MoveByUser(indexAt(event->position().toPoint()));
    Q_EMIT grid.DblClick();
}

void FlexGridView::paintEvent(QPaintEvent* event) {
    cellsPending = false;
    if (currentPending)
        SyncCurrent();
    QTableView::paintEvent(event);
}

void FlexGridView::updateGeometries() {
    QTableView::updateGeometries();
    if (pendingTopRow >= 0 && isVisible()) {
        verticalScrollBar()->setValue(pendingTopRow - grid.FixedRows());
        pendingTopRow = -1;
    }
    KeepTopRowWhole();
    FitFillColumn();
}

void FlexGridView::scrollContentsBy(int dx, int dy) {
    QTableView::scrollContentsBy(dx, dy);
    KeepTopRowWhole();
}

// Scrolled to the end, a table view lines its last row up with the bottom and shows only part of the top row. The
// grid shows whole rows from TopRow down, the space below the last one left empty, as RowIsVisible counts them.
void FlexGridView::KeepTopRowWhole() {
    QHeaderView* rows = verticalHeader();
    const int top = verticalScrollBar()->value();
    if (top >= rows->count() || rows->offset() == rows->sectionPosition(rows->logicalIndex(top)))
        return;
    rows->setOffsetToSectionPosition(top);
    viewport()->update();
}

int FlexGridView::DataRowsInView() const {
    int height = 0;
    if (isVisible()) {
        height = viewport()->height();
    } else {
        // Not laid out yet: what the viewport will be at the widget's present size.
        const QHeaderView* header = horizontalHeader();
        height = this->height() - 2 * frameWidth() - (header->isHidden() ? 0 : header->sizeHint().height());
        int columnsWidth = 0;
        for (int c = 0; c < grid.Cols(); ++c)
            columnsWidth += isColumnHidden(c) ? 0 : columnWidth(c);
        if (columnsWidth > width() - 2 * frameWidth())
            height -= horizontalScrollBar()->sizeHint().height();
    }
    const int rowHeight = verticalHeader()->defaultSectionSize();
    return rowHeight > 0 ? std::max(0, height / rowHeight) : 0;
}

int FlexGridView::TopRow() const {
    if (pendingTopRow >= 0)
        return pendingTopRow;
    return verticalScrollBar()->value() + grid.FixedRows();
}

void FlexGridView::SetTopRow(int row) {
    scrollPending = false;
    pendingTopRow = row;
    if (isVisible())
        updateGeometries();
}

bool FlexGridView::RowIsVisible(int row) const {
    if (row < grid.FixedRows())
        return true;
    const int top = TopRow();
    return row >= top && row < top + DataRowsInView();
}

QRect FlexGridView::CellPixelRect(int row, int col) const {
    // The cell inside its grid lines, as the view draws it.
    const int line = showGrid() ? 1 : 0;
    const QHeaderView* header = horizontalHeader();
    const int x = viewport()->x() + std::max(0, columnViewportPosition(col));
    const int width = isColumnHidden(col) ? 0 : columnWidth(col) - line;
    if (row < grid.FixedRows())
        return QRect(x, header->y(), width, header->height());
    const int modelRow = row - grid.FixedRows();
    return QRect(x, viewport()->y() + rowViewportPosition(modelRow), width, rowHeight(modelRow) - line);
}

QRect FlexGridView::CellRect(int row, int col) const {
    const QRect pixels = CellPixelRect(row, col);
    const int left = PixelsToTwips(pixels.x());
    const int top = PixelsToTwips(pixels.y());
    return QRect(left, top, PixelsToTwips(pixels.x() + pixels.width()) - left,
                 PixelsToTwips(pixels.y() + pixels.height()) - top);
}

QString FlexGridView::FontName() const {
    return font().family();
}

double FlexGridView::FontSize() const {
    return QFontInfo(font()).pointSizeF();
}

int FlexGridView::HeaderWidth(const QString& text) const {
    const QHeaderView* header = horizontalHeader();
    // Just wide enough for the header to draw the text between its margins.
    const int margin = 2 * style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header) + 1;
    return PixelsToTwips(header->fontMetrics().horizontalAdvance(text) + margin);
}

int FlexGridView::TextWidth(const QString& text) const {
    // The cell's text margins on both sides, the grid line and a pixel to spare.
    const int margin = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1) + 2;
    return PixelsToTwips(fontMetrics().horizontalAdvance(text) + margin);
}

void FlexGridView::SetFocus() {
    setFocus(Qt::OtherFocusReason);
}

} // namespace platform
