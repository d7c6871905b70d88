#include "view/FlexGrid.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace tarn {
namespace {

// A shown 7-column grid with rows of data, and a log of its cell events with the current
// cell at the moment each was raised.
class FlexGridTest : public ::testing::Test {
protected:
    void SetUp() override {
        grid.setCols(7);
        grid.setRows(41);
        grid.resize(500, 300);
        grid.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
        QObject::connect(&grid, &FlexGrid::leaveCell, [this] { log("leave"); });
        QObject::connect(&grid, &FlexGrid::enterCell, [this] { log("enter"); });
    }

    void log(const char* what) {
        events.push_back(std::string(what) + " " + std::to_string(grid.row()) + "," +
                         std::to_string(grid.col()));
    }

    [[nodiscard]] QPoint centreOf(int row, int col) const {
        return grid.viewport()->mapFrom(&grid, grid.cellRect(row, col).center());
    }

    FlexGrid grid;
    std::vector<std::string> events;
};

using Events = std::vector<std::string>;

TEST_F(FlexGridTest, FixedRowAndColumnAreAddressedLikeOtherCells) {
    EXPECT_EQ(grid.rows(), 41);
    EXPECT_EQ(grid.cols(), 7);
    grid.setTextMatrix(0, 0, "Channel NO.");
    grid.setTextMatrix(0, 3, "QT/DQT Dec");
    grid.setTextMatrix(12, 0, " 12");
    grid.setTextMatrix(12, 3, "D023N");
    EXPECT_EQ(grid.textMatrix(0, 0), "Channel NO.");
    EXPECT_EQ(grid.textMatrix(0, 3), "QT/DQT Dec");
    EXPECT_EQ(grid.textMatrix(12, 0), " 12");
    EXPECT_EQ(grid.textMatrix(12, 3), "D023N");
    EXPECT_EQ(grid.textMatrix(12, 4), "");
    // What the user sees: the headers and numbers in the fixed bars, not Qt's own numbering.
    EXPECT_EQ(grid.model()->headerData(2, Qt::Horizontal).toString(), "QT/DQT Dec");
    EXPECT_EQ(grid.model()->headerData(11, Qt::Vertical).toString(), " 12");
    EXPECT_EQ(grid.model()->headerData(0, Qt::Vertical).toString(), "");

    grid.setRow(5);
    grid.setCol(2);
    grid.setText("145.00000");
    EXPECT_EQ(grid.textMatrix(5, 2), "145.00000");
    EXPECT_EQ(grid.text(), "145.00000");
}

TEST_F(FlexGridTest, CellsOutsideTheGridAndFixedCurrentCellsAreRefused) {
    EXPECT_THROW((void)grid.textMatrix(41, 1), std::out_of_range);
    EXPECT_THROW(grid.setTextMatrix(1, 7, "x"), std::out_of_range);
    EXPECT_THROW(grid.setTextMatrix(-1, 1, "x"), std::out_of_range);
    EXPECT_THROW(grid.setRow(0), std::out_of_range);
    EXPECT_THROW(grid.setCol(7), std::out_of_range);
    EXPECT_THROW(grid.setRows(0), std::out_of_range);
    EXPECT_EQ(grid.row(), 1);
    EXPECT_EQ(grid.col(), 1);
    EXPECT_TRUE(events.empty());
}

TEST_F(FlexGridTest, ProgramMovesLeaveTheOldCellBeforeEnteringTheNew) {
    grid.setCol(3);
    grid.setRow(9);
    grid.setRow(9);
    EXPECT_EQ(events, (Events{"leave 1,1", "enter 1,3", "leave 1,3", "enter 9,3"}));
}

TEST_F(FlexGridTest, UserMovesLeaveTheOldCellBeforeEnteringTheNew) {
    grid.setFocus();
    QTest::keyClick(&grid, Qt::Key_Right);
    QTest::keyClick(&grid, Qt::Key_Down);
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, centreOf(4, 5));
    EXPECT_EQ(events, (Events{"leave 1,1", "enter 1,2", "leave 1,2", "enter 2,2", "leave 2,2",
                              "enter 4,5"}));
}

TEST_F(FlexGridTest, PressReportsAfterTheCellBecameCurrentAndRightPressMovesNothing) {
    QSignalSpy presses(&grid, &FlexGrid::mouseDown);
    QObject::connect(&grid, &FlexGrid::mouseDown, [this] { log("down"); });
    const QPoint at = centreOf(3, 2);
    QTest::mousePress(grid.viewport(), Qt::LeftButton, Qt::ControlModifier, at);
    QTest::mouseRelease(grid.viewport(), Qt::LeftButton, Qt::ControlModifier, at);
    QTest::mousePress(grid.viewport(), Qt::RightButton, {}, centreOf(6, 6));
    QTest::mouseRelease(grid.viewport(), Qt::RightButton, {}, centreOf(6, 6));

    EXPECT_EQ(events, (Events{"leave 1,1", "enter 3,2", "down 3,2", "down 3,2"}));
    ASSERT_EQ(presses.size(), 2);
    const QPoint inGrid = grid.viewport()->mapTo(&grid, at);
    EXPECT_EQ(presses[0], (QVariantList{short(1), short(2), inGrid.x(), inGrid.y()}));
    EXPECT_EQ(presses[1].at(0).value<short>(), FlexGrid::RightButton);
}

// Neither typing nor Tab moves the current cell: Tab is the focus key.
TEST_F(FlexGridTest, TypedCharactersAreReportedWithoutMovingTheCurrentCell) {
    grid.setTextMatrix(7, 1, "5");
    grid.setFocus();
    events.clear();
    QSignalSpy typed(&grid, &FlexGrid::keyPress);
    QTest::keyClicks(&grid, "5a");
    QTest::keyClick(&grid, Qt::Key_Backspace);
    QTest::keyClick(&grid, Qt::Key_Up);
    QTest::keyClick(&grid, Qt::Key_Tab);
    ASSERT_EQ(typed.size(), 3);
    EXPECT_EQ(typed[0].at(0).toInt(), '5');
    EXPECT_EQ(typed[1].at(0).toInt(), 'a');
    EXPECT_EQ(typed[2].at(0).toInt(), 8);
    EXPECT_TRUE(events.empty());
    EXPECT_EQ(grid.row(), 1);
    EXPECT_EQ(grid.col(), 1);
}

TEST_F(FlexGridTest, ScrollingIsReported) {
    QSignalSpy scrolls(&grid, &FlexGrid::scrolled);
    grid.verticalScrollBar()->setValue(5);
    grid.setRow(40); // brings the row into view
    EXPECT_GE(scrolls.size(), 2);
}

TEST_F(FlexGridTest, ShrinkingBelowTheCurrentRowLeavesItWhileItStillExists) {
    grid.setRow(30);
    grid.setTextMatrix(30, 1, "old");
    events.clear();
    QString textAtLeave;
    QObject::connect(&grid, &FlexGrid::leaveCell,
                     [&] { textAtLeave = grid.textMatrix(grid.row(), 1); });
    grid.setRows(21);
    EXPECT_EQ(textAtLeave, "old");
    EXPECT_EQ(events, (Events{"leave 30,1", "enter 20,1"}));
    grid.setRows(41);
    EXPECT_EQ(grid.row(), 20);
    EXPECT_EQ(grid.textMatrix(30, 1), "");

    // With no data row left there is no current cell to enter; one comes back with the rows.
    events.clear();
    textAtLeave.clear();
    grid.setTextMatrix(20, 1, "last");
    grid.setRows(1);
    EXPECT_EQ(events, Events{"leave 20,1"});
    EXPECT_EQ(textAtLeave, "last");
    EXPECT_EQ(grid.row(), 0);
    grid.setRows(41);
    EXPECT_EQ(grid.row(), 1);
    EXPECT_EQ(events.size(), 1u);
}

TEST_F(FlexGridTest, GeometryIsInTwipsAndMatchesTheCellsOnScreen) {
    grid.setColWidthTwips(0, 1200);
    grid.setColWidthTwips(3, 1800);
    grid.setRowHeightTwips(0, 400);
    grid.setRowHeightTwips(2, 300);
    EXPECT_EQ(grid.columnWidth(2), grid.twipsToPixelsX(1800));
    EXPECT_EQ(grid.verticalHeader()->width(), grid.twipsToPixelsX(1200));
    EXPECT_EQ(grid.horizontalHeader()->height(), grid.twipsToPixelsY(400));

    grid.setRow(2);
    grid.setCol(3);
    grid.setText("x");
    const QRect onScreen = grid.visualItemRect(grid.item(1, 2));
    // The visible cell plus its grid line.
    const QRect expected(grid.viewport()->mapTo(&grid, onScreen.topLeft()),
                         QSize(grid.columnWidth(2), grid.rowHeight(1)));
    const QRect reported(grid.twipsToPixelsX(grid.cellLeft()), grid.twipsToPixelsY(grid.cellTop()),
                         grid.twipsToPixelsX(grid.cellWidth()),
                         grid.twipsToPixelsY(grid.cellHeight()));
    EXPECT_EQ(reported, expected);
    EXPECT_EQ(grid.childAt(reported.center()), grid.viewport());
    EXPECT_EQ(reported.height(), grid.twipsToPixelsY(300));
    // Each pixel count survives the way to twips and back.
    for (int px = 0; px < 400; ++px)
        ASSERT_EQ(grid.twipsToPixelsX(grid.pixelsToTwipsX(px)), px);
}

TEST_F(FlexGridTest, AlignmentAppliesToPresentAndLaterCells) {
    grid.setTextMatrix(1, 2, "before");
    grid.setColAlignment(2, FlexGrid::CenterTop);
    grid.setTextMatrix(2, 2, "after");
    const auto centreTop = Qt::Alignment(Qt::AlignHCenter | Qt::AlignTop);
    EXPECT_EQ(Qt::Alignment(grid.item(0, 1)->textAlignment()), centreTop);
    EXPECT_EQ(Qt::Alignment(grid.item(1, 1)->textAlignment()), centreTop);
    EXPECT_EQ(grid.colAlignment(2), FlexGrid::CenterTop);
    EXPECT_THROW(grid.setColAlignment(2, 10), std::out_of_range);
}

// Selecting a range moves only its far end; the cell where it began stays current.
TEST_F(FlexGridTest, ExtendingASelectionKeepsTheCurrentCell) {
    grid.setFocus();
    QTest::mousePress(grid.viewport(), Qt::LeftButton, {}, centreOf(4, 3));
    QTest::mouseMove(grid.viewport(), centreOf(4, 4));
    QTest::mouseMove(grid.viewport(), centreOf(4, 5));
    QTest::mouseRelease(grid.viewport(), Qt::LeftButton, {}, centreOf(4, 5));
    EXPECT_EQ(events, (Events{"leave 1,1", "enter 4,3"}));
    EXPECT_EQ(grid.colSel(), 5);

    QTest::keyClick(&grid, Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_EQ(grid.colSel(), 4);
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, Qt::ShiftModifier, centreOf(4, 1));
    EXPECT_EQ(grid.colSel(), 1);
    EXPECT_EQ(grid.row(), 4);
    EXPECT_EQ(grid.col(), 3);
    EXPECT_EQ(events.size(), 2u);

    // A move from the program starts at the current cell and drops the range.
    grid.setCol(1);
    EXPECT_EQ(events, (Events{"leave 1,1", "enter 4,3", "leave 4,3", "enter 4,1"}));
    EXPECT_EQ(grid.colSel(), 1);
    QTest::keyClick(&grid, Qt::Key_Right);
    EXPECT_EQ(events.back(), "enter 4,2");
}

} // namespace
} // namespace tarn
