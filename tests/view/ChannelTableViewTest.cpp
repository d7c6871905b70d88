#include "view/ChannelTableView.h"
#include "view/ChannelProxyModel.h"
#include "view/ChannelTableModel.h"

#include "data/ChannelCodec.h"
#include "data/ChannelDocument.h"

#include <QFontDatabase>
#include <QHeaderView>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <numeric>
#include <string>
#include <vector>

namespace tarn {
namespace {

using Cell = CellEditRules::Cell;

// A shown table over a new document, with a log of the current cell's moves.
class ChannelTableViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        document.initNew();
        table.resize(640, 400);
        table.keepACurrentCell();
        table.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&table));
        QObject::connect(table.selectionModel(), &QItemSelectionModel::currentChanged,
                         [this] { moves.push_back(table.currentCell()); });
    }

    [[nodiscard]] QPoint centreOf(int row, int col) {
        table.scrollTo(proxy.indexOf(row, col));
        return table.cellRect({row, col}).center();
    }
    [[nodiscard]] int columnsWidth() const {
        int width = 0;
        for (int c = 0; c < ChannelTableModel::Columns; ++c)
            width += table.columnWidth(c);
        return width;
    }

    ChannelDocument document;
    ChannelTableModel model{document};
    ChannelProxyModel proxy{model};
    ChannelTableView table{proxy};
    std::vector<Cell> moves;
};

TEST_F(ChannelTableViewTest, TheModelFollowsTheSheetCellByCell) {
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
    document.storeCell(5, ChannelCodec::TxFreqColumn, "145.50000");
    ASSERT_EQ(changed.size(), 1);
    EXPECT_EQ(changed[0][0].toModelIndex(), model.index(4, 1));
    EXPECT_EQ(table.cellText(5, 2), "145.50000");
    EXPECT_EQ(model.headerData(4, Qt::Vertical, Qt::DisplayRole), "  5");
    EXPECT_EQ(model.headerData(4, Qt::Vertical, Qt::AccessibleTextRole), "Channel 5");
    EXPECT_EQ(model.headerData(5, Qt::Horizontal, Qt::DisplayRole), "CHN Lock");
    EXPECT_FALSE(model.headerData(6, Qt::Horizontal, Qt::DisplayRole).isValid());
    EXPECT_EQ(table.cellText(0, 0), "Channel NO.");
    EXPECT_TRUE(resets.isEmpty());

    document.setChannelCount(RadioImage::ReducedChannels);
    document.setUpRowsForChannelCount();
    EXPECT_EQ(resets.size(), 1);
    EXPECT_EQ(model.rowCount(), 160);
    EXPECT_EQ(table.cellText(160, 0), "160");
    EXPECT_EQ(table.cellText(199, 1), "") << "a row the table lacks shows nothing";
}

TEST_F(ChannelTableViewTest, AResetKeepsTheCurrentCellOrTheLastRow) {
    table.setCurrentCell({30, 4});
    document.setChannelCount(RadioImage::ReducedChannels);
    document.setUpRowsForChannelCount();
    EXPECT_EQ(table.currentCell(), (Cell{30, 4}));
    document.setChannelCount(RadioImage::MaxChannels);
    document.setUpRowsForChannelCount();
    table.setCurrentCell({190, 2});
    document.setChannelCount(RadioImage::ReducedChannels);
    document.setUpRowsForChannelCount();
    EXPECT_EQ(table.currentCell(), (Cell{160, 2}));
}

TEST_F(ChannelTableViewTest, MarksStayWithTheirChannelAndShowAsABackground) {
    proxy.setCellMarked(12, ChannelCodec::RxFreqColumn, true);
    EXPECT_TRUE(proxy.isCellMarked(12, ChannelCodec::RxFreqColumn));
    EXPECT_TRUE(proxy.indexOf(12, 1).data(Qt::BackgroundRole).isValid());
    EXPECT_FALSE(proxy.indexOf(12, 2).data(Qt::BackgroundRole).isValid());
    EXPECT_FALSE(model.index(11, 0).data(Qt::BackgroundRole).isValid())
        << "marks are the window's, not the document's";
    proxy.sort(0, Qt::DescendingOrder);
    EXPECT_TRUE(proxy.indexOf(12, 1).data(Qt::BackgroundRole).isValid());
    proxy.clearMarks();
    EXPECT_FALSE(proxy.isCellMarked(12, ChannelCodec::RxFreqColumn));
}

// Typing is reported and moves nothing; arrows move.
TEST_F(ChannelTableViewTest, TypedCharactersAreReportedWithoutMovingTheCurrentCell) {
    table.setFocus();
    QSignalSpy typed(&table, &ChannelTableView::keyPress);
    QTest::keyClicks(&table, "5a");
    QTest::keyClick(&table, Qt::Key_Backspace);
    QTest::keyClick(&table, Qt::Key_Delete);
    ASSERT_EQ(typed.size(), 4);
    EXPECT_EQ(typed[0].at(0).toInt(), '5');
    EXPECT_EQ(typed[1].at(0).toInt(), 'a');
    EXPECT_EQ(typed[2].at(0).toInt(), 8);
    EXPECT_EQ(typed[3].at(0).toInt(), 127);
    EXPECT_TRUE(moves.empty());
    QTest::keyClick(&table, Qt::Key_Down);
    EXPECT_EQ(table.currentCell(), (Cell{2, 1}));
}

TEST_F(ChannelTableViewTest, PressesAreReportedAfterTheLeftOneMadeItsCellCurrent) {
    std::vector<std::pair<Qt::MouseButton, Cell>> presses;
    QObject::connect(&table, &ChannelTableView::mouseDown, [&](Qt::MouseButton button) {
        presses.emplace_back(button, table.currentCell());
    });
    QTest::mouseClick(table.viewport(), Qt::LeftButton, {}, centreOf(3, 2));
    table.selectChannels(3, 4);
    // A right press inside the selection keeps it for the menu; outside, it chooses anew.
    QTest::mouseClick(table.viewport(), Qt::RightButton, {}, centreOf(4, 5));
    EXPECT_EQ(table.selectedChannels(), (std::vector<int>{3, 4}));
    QTest::mouseClick(table.viewport(), Qt::RightButton, {}, centreOf(8, 5));
    EXPECT_EQ(table.selectedChannels(), std::vector<int>{8});
    ASSERT_EQ(presses.size(), 3u);
    EXPECT_EQ(presses[0].first, Qt::LeftButton);
    EXPECT_EQ(presses[0].second, (Cell{3, 2}));
    EXPECT_EQ(presses[1].second, (Cell{3, 2}));
    EXPECT_EQ(presses[2].first, Qt::RightButton);
}

TEST_F(ChannelTableViewTest, ScrollingIsReported) {
    QSignalSpy scrolls(&table, &ChannelTableView::scrolled);
    table.verticalScrollBar()->setValue(5);
    table.setCurrentCell({190, 1}); // brings the row into view
    EXPECT_GE(scrolls.size(), 2);
}

// Selecting a range moves only its far end; the cell where it began stays current.
TEST_F(ChannelTableViewTest, ExtendingASelectionKeepsTheCurrentCell) {
    table.setFocus();
    QTest::mousePress(table.viewport(), Qt::LeftButton, {}, centreOf(4, 3));
    QTest::mouseMove(table.viewport(), centreOf(4, 4));
    QTest::mouseMove(table.viewport(), centreOf(4, 5));
    QTest::mouseRelease(table.viewport(), Qt::LeftButton, {}, centreOf(4, 5));
    EXPECT_EQ(table.currentCell(), (Cell{4, 3}));
    EXPECT_EQ(table.farColumn(), 5);
    QTest::mouseClick(table.viewport(), Qt::LeftButton, Qt::ShiftModifier, centreOf(4, 1));
    EXPECT_EQ(table.farColumn(), 1);
    EXPECT_EQ(table.currentCell(), (Cell{4, 3}));

    // A move from the program drops the range.
    table.setCurrentCell({4, 1});
    EXPECT_EQ(table.farColumn(), 1);
    EXPECT_EQ(table.selectedChannels(), std::vector<int>{4});
}

TEST_F(ChannelTableViewTest, ColumnsFillTheWidthInTheirProportions) {
    for (const QSize size : {QSize(640, 400), QSize(1400, 700), QSize(900, 500)}) {
        table.resize(size);
        QCoreApplication::sendPostedEvents();
        EXPECT_EQ(columnsWidth(), table.viewport()->width()) << size.width();
        EXPECT_FALSE(table.horizontalScrollBar()->isVisible()) << size.width();
        EXPECT_NEAR(table.columnWidth(0) * 2, table.columnWidth(4) * 3, 6) << size.width();
    }
    // A column the user widens keeps its share when the window is widened.
    table.horizontalHeader()->resizeSection(5, table.columnWidth(5) * 2);
    const double share = double(table.columnWidth(5)) / table.columnWidth(4);
    table.resize(1200, 500);
    QCoreApplication::sendPostedEvents();
    EXPECT_NEAR(double(table.columnWidth(5)) / table.columnWidth(4), share, 0.05);
}

// Every installed text family (either of the default font sets gives a different one) fits
// at the window's default width.
TEST_F(ChannelTableViewTest, EveryColumnShowsWithTheFontsInstalled) {
    QStringList families{QFont().family()};
    for (const QString& family : QFontDatabase::families(QFontDatabase::Latin)) {
        if (!QFontDatabase::isFixedPitch(family) && families.size() < 16 &&
            !QFontDatabase::writingSystems(family).contains(QFontDatabase::Symbol))
            families << family;
    }
    for (const QString& family : families) {
        QFont font(family, 9);
        table.setFont(font);
        table.resize(640, 400);
        QCoreApplication::sendPostedEvents();
        EXPECT_FALSE(table.horizontalScrollBar()->isVisible()) << family.toStdString();
        EXPECT_LE(columnsWidth(), table.viewport()->width()) << family.toStdString();
        const QFontMetrics metrics = table.horizontalHeader()->fontMetrics();
        EXPECT_GE(table.columnWidth(5), metrics.horizontalAdvance(QStringLiteral("CHN Lock")))
            << family.toStdString();
    }
}

} // namespace
} // namespace tarn
