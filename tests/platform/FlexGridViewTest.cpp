// The grid's view: it follows the headless grid, asks it to move (so LeaveCell comes first) and raises its events.
#include "platform/widgets/FlexGridView.h"
#include "platform/FlexGrid.h"
#include "platform/widgets/Twips.h"
#include "support/ScopedPalette.h"

#include <QDialog>
#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

#include <utility>
#include <vector>

using platform::FlexGrid;
using platform::FlexGridView;

namespace {

class FlexGridViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        grid.SetRows(30);
        grid.SetCols(5);
        for (int r = 0; r < 30; ++r)
            for (int c = 0; c < 5; ++c)
                grid.SetTextMatrix(r, c, QStringLiteral("%1:%2").arg(r).arg(c));
        grid.SetColWidth(0, 0);
        grid.SetColWidth(3, 0);
        view = new FlexGridView(grid, &dialog);
        view->setGeometry(0, 0, 400, 200);
        ok = new QPushButton(QStringLiteral("OK"), &dialog);
        ok->setDefault(true);
        ok->setGeometry(0, 210, 80, 25);
        QObject::connect(ok, &QPushButton::clicked, [this] { ++okClicks; });
        QObject::connect(&grid, &FlexGrid::LeaveCell, [this] { left.emplace_back(grid.Row(), grid.Col()); });
        dialog.resize(420, 250);
        dialog.show();
        dialog.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
        view->setFocus();
        QCoreApplication::processEvents();
    }

    QPoint CellCenter(int row, int col) const { return view->visualRect(IndexOf(row, col)).center(); }
    QModelIndex IndexOf(int row, int col) const { return view->model()->index(row - grid.FixedRows(), col); }

    FlexGrid grid;
    QDialog dialog;
    FlexGridView* view = nullptr;
    QPushButton* ok = nullptr;
    int okClicks = 0;
    std::vector<std::pair<int, int>> left;
};

TEST_F(FlexGridViewTest, ShowsTheGridWithHiddenColumnsAndTheFixedRowAsHeader) {
    EXPECT_EQ(view->model()->rowCount(), 29);
    EXPECT_TRUE(view->isColumnHidden(0));
    EXPECT_TRUE(view->isColumnHidden(3));
    EXPECT_FALSE(view->isColumnHidden(1));
    EXPECT_EQ(view->columnWidth(1), platform::TwipsToPixels(FlexGrid::DefaultColWidth));
    EXPECT_EQ(view->model()->headerData(2, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("0:2"));
    EXPECT_EQ(view->model()->data(IndexOf(5, 4), Qt::DisplayRole).toString(), QStringLiteral("5:4"));
    EXPECT_EQ(view->currentIndex(), IndexOf(1, 1));
}

TEST_F(FlexGridViewTest, ArrowKeysLeaveTheCellFirstAndSkipHiddenColumns) {
    QTest::keyClick(view, Qt::Key_Right);
    QTest::keyClick(view, Qt::Key_Right); // column 3 is hidden
    QTest::keyClick(view, Qt::Key_Down);
    EXPECT_EQ(left, (std::vector<std::pair<int, int>>{{1, 1}, {1, 2}, {1, 4}}));
    EXPECT_EQ(grid.Row(), 2);
    EXPECT_EQ(grid.Col(), 4);
    EXPECT_EQ(view->currentIndex(), IndexOf(2, 4));

    QTest::keyClick(view, Qt::Key_Up);
    QTest::keyClick(view, Qt::Key_Up); // the header row is not a cell to move to
    EXPECT_EQ(grid.Row(), 1);
}

TEST_F(FlexGridViewTest, KeysFromAHiddenCurrentColumnStartAtTheFirstVisibleColumn) {
    grid.SetCol(0);
    QTest::keyClick(view, Qt::Key_Down);
    EXPECT_EQ(grid.Row(), 2);
    EXPECT_EQ(grid.Col(), 1);
    grid.SetCol(0);
    QTest::keyClick(view, Qt::Key_Right);
    EXPECT_EQ(grid.Row(), 2);
    EXPECT_EQ(grid.Col(), 1);
}

TEST_F(FlexGridViewTest, MouseClicksLeaveTheCellFirst) {
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, CellCenter(4, 2));
    EXPECT_EQ(left, (std::vector<std::pair<int, int>>{{1, 1}}));
    EXPECT_EQ(grid.Row(), 4);
    EXPECT_EQ(grid.Col(), 2);
    EXPECT_EQ(grid.RowSel(), 4);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, CellCenter(4, 2));
    EXPECT_EQ(left.size(), 1u);
}

TEST_F(FlexGridViewTest, CodeMovesShowInTheView) {
    grid.MoveTo(6, 4);
    grid.SetRowSel(8);
    QCoreApplication::processEvents();
    EXPECT_EQ(view->currentIndex(), IndexOf(6, 4));
    EXPECT_TRUE(view->selectionModel()->isSelected(IndexOf(8, 4)));
    EXPECT_FALSE(view->selectionModel()->isSelected(IndexOf(9, 4)));
}

TEST_F(FlexGridViewTest, TypedKeysRaiseKeyPressAndEnterAndEscapeStayInTheGrid) {
    std::vector<int> typed;
    QObject::connect(&grid, &FlexGrid::KeyPress, [&](int16_t& KeyAscii) { typed.push_back(KeyAscii); });
    QTest::keyClick(view, Qt::Key_A);
    QTest::keyClick(view, Qt::Key_Return);
    QTest::keyClick(view, Qt::Key_Escape);
    EXPECT_EQ(typed, (std::vector<int>{'a', 13, 27}));
    EXPECT_EQ(okClicks, 0);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(grid.Row(), 1); // no keyboard search moved the cell
    EXPECT_EQ(grid.Col(), 1);
}

TEST_F(FlexGridViewTest, ReleasedKeysRaiseKeyUpWithCodeAndShift) {
    std::vector<std::pair<int, int>> released;
    QObject::connect(&grid, &FlexGrid::KeyUp, [&](int code, int shift) {
        if (code != 0) // the Shift key itself has no code here
            released.emplace_back(code, shift);
    });
    QTest::keyRelease(view, Qt::Key_Delete);
    QTest::keyRelease(view, Qt::Key_Delete, Qt::ShiftModifier);
    EXPECT_EQ(released, (std::vector<std::pair<int, int>>{{46, 0}, {46, 1}}));
}

TEST_F(FlexGridViewTest, DoubleClickMovesToTheCellThenRaisesDblClick) {
    std::pair<int, int> cellAtDblClick{-1, -1};
    QObject::connect(&grid, &FlexGrid::DblClick, [&] { cellAtDblClick = {grid.Row(), grid.Col()}; });
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, CellCenter(3, 2));
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, CellCenter(3, 2));
    EXPECT_EQ(cellAtDblClick, std::make_pair(3, 2));
}

// A cell coloured on purpose keeps its colour under a dark theme, and its text is chosen to read on it; other
// cells take both from the theme.
TEST_F(FlexGridViewTest, TextOnAColouredCellReadsWhateverThePalette) {
    const tallix::test::ScopedPalette dark(tallix::test::ScopedPalette::Dark());
    const std::pair<platform::OleColor, QVariant> cases[] = {
        {0xC0C0C0, QColor(Qt::black)}, {0x800000, QColor(Qt::white)}, {platform::SystemWindowColor, QVariant()}};
    for (const auto& [color, text] : cases) {
        grid.MoveTo(4, 2);
        grid.SetCellBackColor(color);
        EXPECT_EQ(view->model()->data(IndexOf(4, 2), Qt::BackgroundRole).isValid(), text.isValid()) << color;
        EXPECT_EQ(view->model()->data(IndexOf(4, 2), Qt::ForegroundRole), text) << color;
    }
}

TEST_F(FlexGridViewTest, CellGeometryIsTheDrawnCellInTwips) {
    grid.MoveTo(5, 2);
    const QRect drawn = view->visualRect(IndexOf(5, 2)).translated(view->viewport()->pos());
    EXPECT_EQ(view->CellPixelRect(5, 2), drawn);
    EXPECT_EQ(platform::TwipsToPixels(grid.CellLeft()), drawn.left());
    EXPECT_EQ(platform::TwipsToPixels(grid.CellTop()), drawn.top());
    EXPECT_EQ(platform::TwipsToPixels(grid.CellLeft() + grid.CellWidth()), drawn.left() + drawn.width());
    EXPECT_EQ(platform::TwipsToPixels(grid.CellTop() + grid.CellHeight()), drawn.top() + drawn.height());
    EXPECT_EQ(grid.CellFontName(), view->font().family());
}

TEST_F(FlexGridViewTest, DraggedColumnWidthsReachTheGrid) {
    grid.SetAllowUserResizing(platform::flexResizeColumns);
    EXPECT_EQ(view->horizontalHeader()->sectionResizeMode(1), QHeaderView::Interactive);
    view->horizontalHeader()->resizeSection(1, 100);
    EXPECT_EQ(grid.ColWidth(1), platform::PixelsToTwips(100));
    grid.SetColWidth(2, 0);
    EXPECT_TRUE(view->isColumnHidden(2));

    // A fill column takes what the others leave, whoever changed them, and is not dragged itself.
    view->SetFillColumn(4);
    EXPECT_EQ(view->horizontalHeader()->sectionResizeMode(4), QHeaderView::Fixed);
    for (const int width : {150, 40}) {
        view->horizontalHeader()->resizeSection(1, width);
        EXPECT_EQ(view->columnViewportPosition(4) + view->columnWidth(4), view->viewport()->width());
        EXPECT_EQ(grid.ColWidth(4), platform::PixelsToTwips(view->columnWidth(4)));
    }
    grid.SetColWidth(2, 960);
    EXPECT_EQ(view->columnViewportPosition(4) + view->columnWidth(4), view->viewport()->width());
}

TEST_F(FlexGridViewTest, TopRowScrollsAndRowIsVisibleFollows) {
    EXPECT_TRUE(grid.RowIsVisible(1));
    EXPECT_FALSE(grid.RowIsVisible(29));
    grid.SetTopRow(29);
    EXPECT_TRUE(grid.RowIsVisible(29));
    EXPECT_FALSE(grid.RowIsVisible(1));
    EXPECT_GT(grid.TopRow(), 1);
    // Scrolled to the end, the top row is whole and is the grid's TopRow, however high the view, and whatever
    // scrolled it: the grid, a resize or the scroll bar.
    QScrollBar* bar = view->verticalScrollBar();
    const auto expectTopRowWhole = [&](int height) {
        EXPECT_EQ(view->rowViewportPosition(view->rowAt(0)), 0) << height;
        EXPECT_EQ(view->rowAt(0) + grid.FixedRows(), grid.TopRow()) << height;
        EXPECT_TRUE(grid.RowIsVisible(29)) << height;
    };
    expectTopRowWhole(view->height());
    for (const int height : {207, 213}) {
        view->resize(400, height);
        QCoreApplication::processEvents();
        expectTopRowWhole(height);
        bar->setValue(0);
        bar->setValue(bar->maximum());
        expectTopRowWhole(height);
    }
}

TEST_F(FlexGridViewTest, RemovedAndSortedRowsShowAtOnce) {
    grid.RemoveItem(2);
    EXPECT_EQ(view->model()->rowCount(), 28);
    EXPECT_EQ(view->model()->data(IndexOf(2, 1), Qt::DisplayRole).toString(), QStringLiteral("3:1"));
    grid.SetRows(40);
    EXPECT_EQ(view->model()->rowCount(), 39);
}

TEST(FlexGridViewBeforeShow, ScrollingAskedBeforeTheViewIsShownHappensWhenItIs) {
    FlexGrid grid;
    grid.SetRows(200);
    QWidget window;
    FlexGridView view(grid, &window);
    view.setGeometry(0, 0, 300, 150);
    EXPECT_FALSE(grid.RowIsVisible(199));
    grid.SetTopRow(199);
    window.resize(300, 150);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_TRUE(grid.RowIsVisible(199));
}

} // namespace
