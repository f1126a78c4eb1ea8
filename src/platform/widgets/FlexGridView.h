#pragma once
// The window side of a FlexGrid: a table view that draws the headless grid and is its FlexGridDisplay.
//
// The view never moves its current cell by itself: arrow keys, page keys and mouse presses ask the grid to move
// (so LeaveCell is raised first, while Row and Col still name the old cell), and the view follows the grid.
// Typed characters raise KeyPress (Enter and Escape are always consumed here, so they never reach a dialog's
// default or cancel button), released keys KeyUp, double clicks DblClick. Whatever moves the current cell, it is
// scrolled into view, unless TopRow is set after the move. It scrolls by whole rows: the top row is shown whole,
// also at the end. A column of width 0 is hidden, so the arrow keys pass over it. The first fixed row is the
// horizontal header. A fill column takes the width the other columns leave, so that they all show without
// scrolling sideways as long as they can.

#include "platform/FlexGrid.h"

#include <QTableView>
#include <optional>

namespace platform {

class FlexGridModel;
class GridLineStyle;

class FlexGridView : public QTableView, public FlexGridDisplay {
    Q_OBJECT
public:
    // The grid must outlive the view.
    explicit FlexGridView(FlexGrid& grid, QWidget* parent = nullptr);
    ~FlexGridView() override;

    FlexGrid& Grid() const { return grid; }
    // A cell's rectangle in pixels, relative to this widget (frame and header included).
    QRect CellPixelRect(int row, int col) const;
    // Scrolls the grid's current cell into view now (otherwise that happens after the move that made it current,
    // unless TopRow is set in between).
    void ScrollToCurrent();
    // Makes a column take the width the other columns leave in the view, never less than its header needs; its
    // width is the view's to set, not the user's.
    void SetFillColumn(int col);
    // How many pixels wider the view must be to show every column whole, the fill column at its least.
    int MissingWidth() const;

    void BeforeChange(Change change, int argument) override;
    void AfterChange(Change change, int argument) override;
    int TopRow() const override;
    void SetTopRow(int row) override;
    bool RowIsVisible(int row) const override;
    QRect CellRect(int row, int col) const override;
    QString FontName() const override;
    double FontSize() const override;
    int HeaderWidth(const QString& text) const override;
    int TextWidth(const QString& text) const override;
    void SetFocus() override;

Q_SIGNALS:
    // A column the program widened took more than the fill column could give up: the view, which showed every
    // column whole, is MissingWidth() pixels short.
    void WidthShort(int pixels);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void updateGeometries() override;
    void scrollContentsBy(int dx, int dy) override;

private:
    static std::optional<CursorAction> NavigationOf(int key);
    void ApplyColumn(int col);
    void ApplyColumns();
    void ApplyLook();
    void SyncCurrent();
    void SyncCurrentLater();
    void MoveByUser(const QModelIndex& target);
    int DataRowsInView() const;
    void KeepTopRowWhole();
    int ColumnsViewWidth() const;
    int FillColumnLeast() const;
    void FitFillColumn();

    FlexGrid& grid;
    FlexGridModel* gridModel;
    GridLineStyle* lineStyle;
    int pendingTopRow = -1;
    int fillColumn = -1;
    bool currentPending = false;
    bool scrollPending = false;
    bool cellsPending = false;
    bool applyingColumns = false;
};

} // namespace platform
