// The headless grid: current cell and LeaveCell, selection and colours, format string, sort, row removal.
#include "platform/FlexGrid.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

using platform::FlexGrid;

namespace {

// Records every LeaveCell with the cell that Row and Col named at that moment.
struct LeaveLog {
    explicit LeaveLog(FlexGrid& grid) : grid(grid) {
        QObject::connect(&grid, &FlexGrid::LeaveCell,
                         [this] { cells.emplace_back(this->grid.Row(), this->grid.Col()); });
    }
    FlexGrid& grid;
    std::vector<std::pair<int, int>> cells;
};

FlexGrid& Filled(FlexGrid& grid, int rows, int cols) {
    grid.SetRows(rows);
    grid.SetCols(cols);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c)
            grid.SetTextMatrix(r, c, QStringLiteral("r%1c%2").arg(r).arg(c));
    return grid;
}

TEST(FlexGrid, StartsWithTheControlsDefaults) {
    FlexGrid grid;
    EXPECT_EQ(grid.Rows(), 2);
    EXPECT_EQ(grid.Cols(), 2);
    EXPECT_EQ(grid.FixedRows(), 1);
    EXPECT_EQ(grid.FixedCols(), 1);
    EXPECT_EQ(grid.Row(), 1);
    EXPECT_EQ(grid.Col(), 1);
    EXPECT_EQ(grid.BackColor(), platform::SystemWindowColor);
}

TEST(FlexGrid, LeaveCellComesBeforeTheMoveWhileRowAndColNameTheOldCell) {
    FlexGrid grid;
    Filled(grid, 5, 4);
    LeaveLog log(grid);

    grid.SetRow(3);
    grid.SetCol(2);
    grid.SetRow(3); // same cell: nothing to leave
    grid.MoveTo(1, 1);
    grid.MoveTo(1, 1);
    EXPECT_EQ(log.cells, (std::vector<std::pair<int, int>>{{1, 1}, {3, 1}, {3, 2}}));
    EXPECT_EQ(grid.Row(), 1);
    EXPECT_EQ(grid.Col(), 1);
}

TEST(FlexGrid, MovesOutsideTheGridAreIgnored) {
    FlexGrid grid;
    Filled(grid, 3, 3);
    LeaveLog log(grid);
    grid.SetRow(3);
    grid.SetCol(-1);
    grid.MoveTo(7, 0);
    EXPECT_TRUE(log.cells.empty());
    EXPECT_EQ(grid.Row(), 1);
    EXPECT_EQ(grid.TextMatrix(9, 9), QString());
    grid.SetTextMatrix(9, 9, QStringLiteral("lost"));
}

TEST(FlexGrid, TextFollowsTheCurrentCell) {
    FlexGrid grid;
    Filled(grid, 3, 3);
    grid.MoveTo(2, 1);
    EXPECT_EQ(grid.Text(), QStringLiteral("r2c1"));
    grid.SetText(QStringLiteral("changed"));
    EXPECT_EQ(grid.TextMatrix(2, 1), QStringLiteral("changed"));
}

TEST(FlexGrid, SettingRowOrColCollapsesTheSelection) {
    FlexGrid grid;
    Filled(grid, 5, 5);
    grid.SetRowSel(4);
    grid.SetColSel(3);
    EXPECT_EQ(grid.RowSel(), 4);
    grid.SetCol(2);
    EXPECT_EQ(grid.RowSel(), 1);
    EXPECT_EQ(grid.ColSel(), 2);
}

TEST(FlexGrid, FillRepeatColoursTheSelectionAndFillSingleTheCurrentCell) {
    FlexGrid grid;
    Filled(grid, 4, 5);
    grid.SetFillStyle(platform::flexFillRepeat);
    grid.SetCol(3);
    grid.SetRow(2);
    grid.SetColSel(1);
    grid.SetRowSel(3);
    grid.SetCellBackColor(0xC0C0C0);
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 5; ++c) {
            const bool inside = r >= 2 && r <= 3 && c >= 1 && c <= 3;
            EXPECT_EQ(grid.CellColor(r, c), inside ? 0xC0C0C0u : grid.BackColor()) << r << "," << c;
        }

    grid.SetFillStyle(platform::flexFillSingle);
    grid.MoveTo(1, 4);
    grid.SetRowSel(3);
    grid.SetCellBackColor(0x0000FF);
    EXPECT_EQ(grid.CellBackColor(), 0x0000FFu);
    EXPECT_EQ(grid.CellColor(2, 4), grid.BackColor());
}

TEST(FlexGrid, FormatStringSetsHeadersAlignmentsAndFirstWidths) {
    FlexGrid grid;
    grid.SetRows(3);
    grid.SetCols(6);
    grid.SetFormatString(QStringLiteral("|^Centre|<Left|>Right|Plain"));
    EXPECT_EQ(grid.Cols(), 6);
    EXPECT_EQ(grid.TextMatrix(0, 1), QStringLiteral("Centre"));
    EXPECT_EQ(grid.TextMatrix(0, 4), QStringLiteral("Plain"));
    EXPECT_EQ(grid.ColAlignment(1), platform::FlexAlignment::Center);
    EXPECT_EQ(grid.ColAlignment(2), platform::FlexAlignment::Left);
    EXPECT_EQ(grid.ColAlignment(3), platform::FlexAlignment::Right);
    EXPECT_EQ(grid.ColAlignment(4), platform::FlexAlignment::General);
    EXPECT_EQ(grid.ColAlignment(5), platform::FlexAlignment::General);
    EXPECT_LT(grid.ColWidth(0), grid.ColWidth(2));
    EXPECT_LT(grid.ColWidth(2), grid.ColWidth(1));
    EXPECT_EQ(grid.ColWidth(5), FlexGrid::DefaultColWidth);

    grid.SetFormatString(QStringLiteral("a|b|c|d|e|f|g|h"));
    EXPECT_EQ(grid.Cols(), 8);
}

TEST(FlexGrid, NumericSortOrdersByTheKeyColumnsAndKeepsEqualRowsInOrder) {
    FlexGrid grid;
    grid.SetRows(7);
    grid.SetCols(3);
    const char* rows[][3] = {{"", "", "header"}, {"20", "5", "a"}, {"3", "", "b"},       {"20", "1", "c"},
                             {"100", "", "d"},   {"3", "", "e"},   {"1,000.5", "x", "f"}};
    for (int r = 0; r < 7; ++r)
        for (int c = 0; c < 3; ++c)
            grid.SetTextMatrix(r, c, QString::fromLatin1(rows[r][c]));
    grid.SetFillStyle(platform::flexFillRepeat);
    grid.MoveTo(4, 2); // "d" turns grey and must move with its row
    grid.SetCellBackColor(0xC0C0C0);
    grid.SetCol(0);
    grid.SetColSel(1);
    grid.SetSort(platform::flexSortNumericAscending);

    QString order;
    for (int r = 1; r < 7; ++r)
        order += grid.TextMatrix(r, 2);
    EXPECT_EQ(order, QStringLiteral("becadf"));
    EXPECT_EQ(grid.TextMatrix(0, 2), QStringLiteral("header"));
    EXPECT_EQ(grid.CellColor(5, 2), 0xC0C0C0u);
    EXPECT_EQ(grid.CellColor(4, 2), grid.BackColor());
    EXPECT_EQ(grid.Row(), 4);
    EXPECT_EQ(grid.Col(), 0);
}

TEST(FlexGrid, SortWithKeysFromColToColSelInEitherDirection) {
    FlexGrid grid;
    grid.SetRows(4);
    grid.SetCols(3);
    grid.SetTextMatrix(1, 1, QStringLiteral("2"));
    grid.SetTextMatrix(1, 2, QStringLiteral("1"));
    grid.SetTextMatrix(2, 1, QStringLiteral("1"));
    grid.SetTextMatrix(2, 2, QStringLiteral("2"));
    grid.SetTextMatrix(3, 1, QStringLiteral("1"));
    grid.SetTextMatrix(3, 2, QStringLiteral("1"));
    grid.SetCol(2);
    grid.SetColSel(1);
    grid.SetSort(platform::flexSortNumericAscending);
    EXPECT_EQ(grid.TextMatrix(1, 1) + grid.TextMatrix(1, 2), QStringLiteral("11"));
    EXPECT_EQ(grid.TextMatrix(2, 1) + grid.TextMatrix(2, 2), QStringLiteral("12"));
    EXPECT_EQ(grid.TextMatrix(3, 1) + grid.TextMatrix(3, 2), QStringLiteral("21"));
}

TEST(FlexGrid, RemoveItemMovesTheRowsBelowUpWithTheirColours) {
    FlexGrid grid;
    Filled(grid, 5, 3);
    grid.MoveTo(3, 1);
    grid.SetCellBackColor(0xC0C0C0);
    grid.MoveTo(4, 2);
    LeaveLog log(grid);

    grid.RemoveItem(2);
    EXPECT_EQ(grid.Rows(), 4);
    EXPECT_EQ(grid.TextMatrix(2, 0), QStringLiteral("r3c0"));
    EXPECT_EQ(grid.CellColor(2, 1), 0xC0C0C0u);
    EXPECT_EQ(grid.TextMatrix(3, 0), QStringLiteral("r4c0"));
    // The current cell follows its row; it did not change, so nothing was left.
    EXPECT_EQ(grid.Row(), 3);
    EXPECT_TRUE(log.cells.empty());

    grid.RemoveItem(0); // a fixed row stays
    EXPECT_EQ(grid.Rows(), 4);
}

TEST(FlexGrid, RemovingTheCurrentRowLeavesItsCellFirst) {
    FlexGrid grid;
    Filled(grid, 3, 3);
    grid.MoveTo(2, 1);
    LeaveLog log(grid);
    QString textSeen;
    QObject::connect(&grid, &FlexGrid::LeaveCell, [&] { textSeen = grid.Text(); });

    grid.RemoveItem(2);
    EXPECT_EQ(log.cells, (std::vector<std::pair<int, int>>{{2, 1}}));
    EXPECT_EQ(textSeen, QStringLiteral("r2c1"));
    EXPECT_EQ(grid.Rows(), 2);
    EXPECT_EQ(grid.Row(), 1);

    grid.RemoveItem(1);
    EXPECT_EQ(grid.Rows(), 1);
    EXPECT_EQ(grid.Row(), 0);
}

TEST(FlexGrid, ShrinkingRowsLeavesACurrentCellThatDisappears) {
    FlexGrid grid;
    Filled(grid, 6, 3);
    grid.MoveTo(5, 2);
    LeaveLog log(grid);
    grid.SetRows(3);
    EXPECT_EQ(log.cells.size(), 1u);
    EXPECT_EQ(grid.Row(), 2);
    grid.SetCols(5);
    EXPECT_EQ(grid.TextMatrix(2, 2), QStringLiteral("r2c2"));
    EXPECT_EQ(grid.TextMatrix(2, 4), QString());
}

TEST(FlexGrid, NominalGeometryWithoutAView) {
    FlexGrid grid;
    grid.SetRows(100);
    grid.SetCols(3);
    grid.SetColWidth(0, 0);
    grid.SetColWidth(1, 500);
    grid.SetColWidth(2, 700);
    grid.SetNominalHeight(5 * FlexGrid::RowHeight);
    EXPECT_TRUE(grid.RowIsVisible(4));
    EXPECT_FALSE(grid.RowIsVisible(5));
    grid.SetTopRow(99);
    EXPECT_EQ(grid.TopRow(), 96); // no further than the last row allows
    EXPECT_TRUE(grid.RowIsVisible(99));
    grid.MoveTo(97, 2);
    EXPECT_EQ(grid.CellLeft(), 500);
    EXPECT_EQ(grid.CellWidth(), 700);
    EXPECT_EQ(grid.CellTop(), 2 * FlexGrid::RowHeight);
    EXPECT_EQ(grid.CellHeight(), FlexGrid::RowHeight);
}

} // namespace
