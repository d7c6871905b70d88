// Choosing channels with the row numbers and copying them to the clipboard.
#include "view/ChannelView.h"

#include "data/ChannelDocument.h"
#include "data/ChannelTable.h"
#include "data/ToneTable.h"
#include "qtsupport/CommandIds.h"
#include "tests/support/FakeDocumentDialogs.h"
#include "tests/support/TestPrompter.h"
#include "view/ChannelClipboard.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QTest>

#include <gtest/gtest.h>

namespace tarn {
namespace {

class ChannelCopyTest : public ::testing::Test {
protected:
    ChannelCopyTest() {
        document.initNew();
        view.initialUpdate();
        view.resize(760, 560);
        view.show();
        view.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&view));
    }

    [[nodiscard]] ChannelTableView& grid() { return view.grid(); }
    void setRow(int row, const std::vector<const char*>& texts) {
        for (int col = 1; col <= 6; ++col)
            document.sheet().setCellText(row, col, texts[static_cast<std::size_t>(col - 1)]);
    }
    // A press on a channel number, as the mouse gives it.
    void pressNumber(int row, Qt::KeyboardModifiers modifiers = {}) {
        QHeaderView* numbers = grid().verticalHeader();
        const int section = int(row - 1);
        const int y = numbers->sectionViewportPosition(section) + numbers->sectionSize(section) / 2;
        QTest::mouseClick(numbers->viewport(), Qt::LeftButton, modifiers, QPoint(4, y));
    }

    ChannelDocument document;
    const ToneTable tones;
    test::TestPrompter prompter;
    test::FakeDocumentDialogs dialogs;
    ChannelView view{document, tones, prompter, dialogs};
};

TEST_F(ChannelCopyTest, TheRowNumbersChooseWholeChannels) {
    grid().setCurrentCell({7, 4});
    EXPECT_EQ(view.chosenChannels(), std::vector<int>{7}) << "no selection: the current channel";
    pressNumber(3);
    EXPECT_EQ(grid().currentCell().row, 3) << "the current channel is the one chosen";
    pressNumber(5, Qt::ShiftModifier);
    EXPECT_EQ(view.chosenChannels(), (std::vector<int>{3, 4, 5}));
    pressNumber(6, Qt::ControlModifier);
    EXPECT_EQ(view.chosenChannels(), (std::vector<int>{3, 4, 5, 6}));

    // A cell range chooses the channels it spans.
    grid().scrollTo(grid().channels().indexOf(10, 2));
    QTest::mouseClick(grid().viewport(), Qt::LeftButton, {}, grid().cellRect({10, 2}).center());
    QTest::keyClick(&grid(), Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(&grid(), Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(view.chosenChannels(), (std::vector<int>{10, 11}));
}

TEST_F(ChannelCopyTest, CopyPutsTheTableAndTheWholeRowsOnTheClipboard) {
    // Channel 2 holds a spare byte that no cell shows.
    document.image()[16 + 14] = 0x5A;
    setRow(2, {"145.50000", "145.50000", "D023N", "67.0", "Middle", "UnLock"});
    setRow(3, {"433.12500", "433.12500", "OFF", "OFF", "High", "Lock"});
    pressNumber(2);
    pressNumber(3, Qt::ShiftModifier);
    view.runCommand(cmd::EditCopy);

    EXPECT_EQ(QApplication::clipboard()->text().toStdString(),
              ChannelTable::headerLine() + "\n" +
                  "  2\t145.50000\t145.50000\tD023N\t67.0\tMiddle\tUnLock\n"
                  "  3\t433.12500\t433.12500\tOFF\tOFF\tHigh\tLock\n");
    const ChannelClip clip = ChannelClipboard::get();
    ASSERT_EQ(clip.channelCount(), 2U);
    EXPECT_EQ(clip.rows[0], 0x00) << "the cells' values, though the image has not seen them";
    EXPECT_EQ(clip.rows[3], 0x14);
    EXPECT_EQ(clip.rows[14], 0x5A);
    EXPECT_FALSE(document.isModified());
}

} // namespace
} // namespace tarn
