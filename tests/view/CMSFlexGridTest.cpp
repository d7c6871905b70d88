#include "view/CMSFlexGrid.h"

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
        grid.SetCols(7);
        grid.SetRows(41);
        grid.resize(500, 300);
        grid.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
        QObject::connect(&grid, &CMSFlexGrid::LeaveCell, [this] { log("leave"); });
        QObject::connect(&grid, &CMSFlexGrid::EnterCell, [this] { log("enter"); });
    }

    void log(const char* what) {
        events.push_back(std::string(what) + " " + std::to_string(grid.GetRow()) + "," +
                         std::to_string(grid.GetCol()));
    }

    [[nodiscard]] QPoint centreOf(long row, long col) const {
        return grid.viewport()->mapFrom(&grid, grid.cellRect(row, col).center());
    }

    CMSFlexGrid grid;
    std::vector<std::string> events;
};

using Events = std::vector<std::string>;

TEST_F(FlexGridTest, FixedRowAndColumnAreAddressedLikeOtherCells) {
    EXPECT_EQ(grid.GetRows(), 41);
    EXPECT_EQ(grid.GetCols(), 7);
    grid.SetTextMatrix(0, 0, "Channel NO.");
    grid.SetTextMatrix(0, 3, "QT/DQT Dec");
    grid.SetTextMatrix(12, 0, " 12");
    grid.SetTextMatrix(12, 3, "D023N");
    EXPECT_EQ(grid.GetTextMatrix(0, 0), "Channel NO.");
    EXPECT_EQ(grid.GetTextMatrix(0, 3), "QT/DQT Dec");
    EXPECT_EQ(grid.GetTextMatrix(12, 0), " 12");
    EXPECT_EQ(grid.GetTextMatrix(12, 3), "D023N");
    EXPECT_EQ(grid.GetTextMatrix(12, 4), "");
    // What the user sees: the headers and numbers in the fixed bars, not Qt's own numbering.
    EXPECT_EQ(grid.model()->headerData(2, Qt::Horizontal).toString(), "QT/DQT Dec");
    EXPECT_EQ(grid.model()->headerData(11, Qt::Vertical).toString(), " 12");
    EXPECT_EQ(grid.model()->headerData(0, Qt::Vertical).toString(), "");

    grid.SetRow(5);
    grid.SetCol(2);
    grid.SetText("145.00000");
    EXPECT_EQ(grid.GetTextMatrix(5, 2), "145.00000");
    EXPECT_EQ(grid.GetText(), "145.00000");
}

TEST_F(FlexGridTest, CellsOutsideTheGridAndFixedCurrentCellsAreRefused) {
    EXPECT_THROW((void)grid.GetTextMatrix(41, 1), std::out_of_range);
    EXPECT_THROW(grid.SetTextMatrix(1, 7, "x"), std::out_of_range);
    EXPECT_THROW(grid.SetTextMatrix(-1, 1, "x"), std::out_of_range);
    EXPECT_THROW(grid.SetRow(0), std::out_of_range);
    EXPECT_THROW(grid.SetCol(7), std::out_of_range);
    EXPECT_THROW(grid.SetRows(0), std::out_of_range);
    EXPECT_EQ(grid.GetRow(), 1);
    EXPECT_EQ(grid.GetCol(), 1);
    EXPECT_TRUE(events.empty());
}

TEST_F(FlexGridTest, ProgramMovesLeaveTheOldCellBeforeEnteringTheNew) {
    grid.SetCol(3);
    grid.SetRow(9);
    grid.SetRow(9);
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
    QSignalSpy presses(&grid, &CMSFlexGrid::MouseDown);
    QObject::connect(&grid, &CMSFlexGrid::MouseDown, [this] { log("down"); });
    const QPoint at = centreOf(3, 2);
    QTest::mousePress(grid.viewport(), Qt::LeftButton, Qt::ControlModifier, at);
    QTest::mouseRelease(grid.viewport(), Qt::LeftButton, Qt::ControlModifier, at);
    QTest::mousePress(grid.viewport(), Qt::RightButton, {}, centreOf(6, 6));
    QTest::mouseRelease(grid.viewport(), Qt::RightButton, {}, centreOf(6, 6));

    EXPECT_EQ(events, (Events{"leave 1,1", "enter 3,2", "down 3,2", "down 3,2"}));
    ASSERT_EQ(presses.size(), 2);
    const QPoint inGrid = grid.viewport()->mapTo(&grid, at);
    EXPECT_EQ(presses[0], (QVariantList{short(1), short(2), inGrid.x(), inGrid.y()}));
    EXPECT_EQ(presses[1].at(0).value<short>(), CMSFlexGrid::RightButton);
}

// Neither typing nor Tab moves the current cell: Tab is the focus key.
TEST_F(FlexGridTest, TypedCharactersAreReportedWithoutMovingTheCurrentCell) {
    grid.SetTextMatrix(7, 1, "5");
    grid.setFocus();
    events.clear();
    QSignalSpy typed(&grid, &CMSFlexGrid::KeyPress);
    QTest::keyClicks(&grid, "5a");
    QTest::keyClick(&grid, Qt::Key_Backspace);
    QTest::keyClick(&grid, Qt::Key_Up);
    QTest::keyClick(&grid, Qt::Key_Tab);
    ASSERT_EQ(typed.size(), 3);
    EXPECT_EQ(typed[0].at(0).toInt(), '5');
    EXPECT_EQ(typed[1].at(0).toInt(), 'a');
    EXPECT_EQ(typed[2].at(0).toInt(), 8);
    EXPECT_TRUE(events.empty());
    EXPECT_EQ(grid.GetRow(), 1);
    EXPECT_EQ(grid.GetCol(), 1);
}

TEST_F(FlexGridTest, ScrollingIsReported) {
    QSignalSpy scrolls(&grid, &CMSFlexGrid::Scroll);
    grid.verticalScrollBar()->setValue(5);
    grid.SetRow(40); // brings the row into view
    EXPECT_GE(scrolls.size(), 2);
}

TEST_F(FlexGridTest, ShrinkingBelowTheCurrentRowLeavesItWhileItStillExists) {
    grid.SetRow(30);
    grid.SetTextMatrix(30, 1, "old");
    events.clear();
    QString textAtLeave;
    QObject::connect(&grid, &CMSFlexGrid::LeaveCell,
                     [&] { textAtLeave = grid.GetTextMatrix(grid.GetRow(), 1); });
    grid.SetRows(21);
    EXPECT_EQ(textAtLeave, "old");
    EXPECT_EQ(events, (Events{"leave 30,1", "enter 20,1"}));
    grid.SetRows(41);
    EXPECT_EQ(grid.GetRow(), 20);
    EXPECT_EQ(grid.GetTextMatrix(30, 1), "");

    // With no data row left there is no current cell to enter; one comes back with the rows.
    events.clear();
    textAtLeave.clear();
    grid.SetTextMatrix(20, 1, "last");
    grid.SetRows(1);
    EXPECT_EQ(events, Events{"leave 20,1"});
    EXPECT_EQ(textAtLeave, "last");
    EXPECT_EQ(grid.GetRow(), 0);
    grid.SetRows(41);
    EXPECT_EQ(grid.GetRow(), 1);
    EXPECT_EQ(events.size(), 1u);
}

TEST_F(FlexGridTest, GeometryIsInTwipsAndMatchesTheCellsOnScreen) {
    grid.SetColWidth(0, 1200);
    grid.SetColWidth(3, 1800);
    grid.SetRowHeight(0, 400);
    grid.SetRowHeight(2, 300);
    EXPECT_EQ(grid.columnWidth(2), grid.twipsToPixelsX(1800));
    EXPECT_EQ(grid.verticalHeader()->width(), grid.twipsToPixelsX(1200));
    EXPECT_EQ(grid.horizontalHeader()->height(), grid.twipsToPixelsY(400));

    grid.SetRow(2);
    grid.SetCol(3);
    grid.SetText("x");
    const QRect onScreen = grid.visualItemRect(grid.item(1, 2));
    // The visible cell plus its grid line.
    const QRect expected(grid.viewport()->mapTo(&grid, onScreen.topLeft()),
                         QSize(grid.columnWidth(2), grid.rowHeight(1)));
    const QRect reported(
        grid.twipsToPixelsX(grid.GetCellLeft()), grid.twipsToPixelsY(grid.GetCellTop()),
        grid.twipsToPixelsX(grid.GetCellWidth()), grid.twipsToPixelsY(grid.GetCellHeight()));
    EXPECT_EQ(reported, expected);
    EXPECT_EQ(grid.childAt(reported.center()), grid.viewport());
    EXPECT_EQ(reported.height(), grid.twipsToPixelsY(300));
    // Each pixel count survives the way to twips and back.
    for (int px = 0; px < 400; ++px)
        ASSERT_EQ(grid.twipsToPixelsX(grid.pixelsToTwipsX(px)), px);
}

TEST_F(FlexGridTest, AlignmentAppliesToPresentAndLaterCells) {
    grid.SetTextMatrix(1, 2, "before");
    grid.SetColAlignment(2, CMSFlexGrid::CenterTop);
    grid.SetTextMatrix(2, 2, "after");
    const auto centreTop = Qt::Alignment(Qt::AlignHCenter | Qt::AlignTop);
    EXPECT_EQ(Qt::Alignment(grid.item(0, 1)->textAlignment()), centreTop);
    EXPECT_EQ(Qt::Alignment(grid.item(1, 1)->textAlignment()), centreTop);
    EXPECT_EQ(grid.GetColAlignment(2), CMSFlexGrid::CenterTop);
    EXPECT_THROW(grid.SetColAlignment(2, 10), std::out_of_range);
}

// Selecting a range moves only its far end; the cell where it began stays current.
TEST_F(FlexGridTest, ExtendingASelectionKeepsTheCurrentCell) {
    grid.setFocus();
    QTest::mousePress(grid.viewport(), Qt::LeftButton, {}, centreOf(4, 3));
    QTest::mouseMove(grid.viewport(), centreOf(4, 4));
    QTest::mouseMove(grid.viewport(), centreOf(4, 5));
    QTest::mouseRelease(grid.viewport(), Qt::LeftButton, {}, centreOf(4, 5));
    EXPECT_EQ(events, (Events{"leave 1,1", "enter 4,3"}));
    EXPECT_EQ(grid.GetColSel(), 5);

    QTest::keyClick(&grid, Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_EQ(grid.GetColSel(), 4);
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, Qt::ShiftModifier, centreOf(4, 1));
    EXPECT_EQ(grid.GetColSel(), 1);
    EXPECT_EQ(grid.GetRow(), 4);
    EXPECT_EQ(grid.GetCol(), 3);
    EXPECT_EQ(events.size(), 2u);

    // A move from the program starts at the current cell and drops the range.
    grid.SetCol(1);
    EXPECT_EQ(events, (Events{"leave 1,1", "enter 4,3", "leave 4,3", "enter 4,1"}));
    EXPECT_EQ(grid.GetColSel(), 1);
    QTest::keyClick(&grid, Qt::Key_Right);
    EXPECT_EQ(events.back(), "enter 4,2");
}

} // namespace
} // namespace tarn
