#include "view/ChannelView.h"

#include "data/ChannelCodec.h"
#include "data/ChannelDocument.h"
#include "data/ToneTable.h"
#include "link/RadioTransfer.h"
#include "radio/VirtualRadio.h"
#include "tests/support/FakeSerialLine.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestPrompter.h"
#include "tests/support/VirtualClock.h"

#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>

namespace tarn {
namespace {

constexpr std::uint32_t Freq145_5 = 14550000;
constexpr int ReadAckSleepMs = 15;

std::span<std::uint8_t, 4> rxBytes(std::span<std::uint8_t> memory, int channel) {
    return memory.subspan(static_cast<std::size_t>(channel - 1) * RadioImage::RowSize)
        .subspan<0, 4>();
}

class ViewRadioLinkTest : public ::testing::Test {
protected:
    ViewRadioLinkTest() {
        document.initNew();
        radio.setRadioType(RadioTransfer::NoRadioType);
        ChannelCodec::encodeFrequency(Freq145_5, rxBytes(radio.memory(), 1));
        view.setDumpDirectory(dumpDir.path());
        view.initialUpdate();
        view.radioLink().useDevices(line, clock);
    }

    [[nodiscard]] TransferProgressDialog& dialog() { return view.radioLink().progressDialog(); }
    [[nodiscard]] QString cell(long row, long col) { return view.grid().textMatrix(row, col); }
    // Start as the user presses it; the posted transfer runs to its end.
    static void start(TransferProgressDialog& window) {
        QTest::mouseClick(&window.startButton(), Qt::LeftButton);
        QCoreApplication::processEvents();
    }
    // Runs action while the given read block is being acknowledged.
    void duringReadBlock(int block, std::function<void()> action) {
        clock.onSleep([this, block, action = std::move(action)](int ms) {
            if (ms == ReadAckSleepMs && ++readBlocks == block)
                action();
        });
    }
    void expectEndedQuietly() {
        EXPECT_FALSE(line.isOpen());
        EXPECT_GE(line.closeCount(), 1);
        EXPECT_FALSE(dialog().hasWindow());
        EXPECT_FALSE(dialog().isVisible());
        EXPECT_TRUE(prompter.texts().empty());
        EXPECT_FALSE(view.radioLink().isTransferring());
    }

    VirtualRadio radio;
    test::VirtualClock clock;
    test::FakeSerialLine line{radio, clock};
    test::TempDir dumpDir;
    ChannelDocument document;
    const ToneTable tones;
    test::TestPrompter prompter;
    ChannelView view{document, tones, prompter};
    int readBlocks = 0;
};

TEST_F(ViewRadioLinkTest, ReadFillsTheGridAndMarksTheDocument) {
    EXPECT_EQ(cell(1, 1), "");
    view.runCommand(ViewRadioLink::ReadCommand);
    ASSERT_TRUE(dialog().hasWindow());
    EXPECT_EQ(dialog().windowTitle(), "Reading Data Progress");
    EXPECT_EQ(line.openCount(), 0);
    start(dialog());
    expectEndedQuietly();
    EXPECT_EQ(line.openedName(), "COM1");
    EXPECT_EQ(radio.blocksRead(), RadioImage::ReadBlocks);
    EXPECT_EQ(cell(1, 1), "145.50000");
    EXPECT_EQ(view.grid().rows(), 200);
    EXPECT_TRUE(document.isModified());
    EXPECT_EQ(dialog().progressBar().value(), RadioTransfer::ProgressMaximum);
}

TEST_F(ViewRadioLinkTest, ReadOfAReducedModelShows160Channels) {
    radio.memory()[RadioImage::ModelTypeOffset] = 4;
    view.runCommand(ViewRadioLink::Com3Command);
    view.runCommand(ViewRadioLink::ReadCommand);
    start(dialog());
    expectEndedQuietly();
    EXPECT_EQ(line.openedName(), "COM3");
    EXPECT_EQ(document.channelCount(), 160);
    EXPECT_EQ(view.grid().rows(), 161);
    EXPECT_EQ(cell(160, 0), "160");
}

TEST_F(ViewRadioLinkTest, WriteSendsWhatTheGridShowsIncludingAValueStillBeingTyped) {
    view.grid().setTextMatrix(3, ChannelCodec::RxFreqColumn, "146.02500");
    view.resize(760, 560);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    FlexGrid& grid = view.grid();
    grid.scrollToItem(grid.item(4, 0));
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {},
                      grid.viewport()->mapFrom(&grid, grid.cellRect(5, 1).center()));
    ASSERT_TRUE(view.frequencyEdit()->isVisible());
    QTest::keyClicks(view.frequencyEdit(), "147");

    view.runCommand(ViewRadioLink::WriteCommand);
    EXPECT_EQ(dialog().windowTitle(), "Writing Data Progress");
    EXPECT_EQ(cell(5, 1), "147.00000");
    start(dialog());
    expectEndedQuietly();
    EXPECT_EQ(radio.blocksWritten(), RadioImage::WriteBlocks);
    std::array<std::uint8_t, 4> expected{};
    ChannelCodec::encodeFrequency(14602500, expected);
    EXPECT_TRUE(std::ranges::equal(rxBytes(radio.memory(), 3), expected));
    ChannelCodec::encodeFrequency(14700000, expected);
    EXPECT_TRUE(std::ranges::equal(rxBytes(radio.memory(), 5), expected));
    EXPECT_TRUE(std::ranges::equal(radio.memory().subspan(0, 3184),
                                   document.image().bytes().subspan(0, 3184)));
    EXPECT_TRUE(dumpDir.has("1.txt"));
}

TEST_F(ViewRadioLinkTest, CancelBeforeStartTouchesNoPort) {
    view.runCommand(ViewRadioLink::WriteCommand);
    QTest::mouseClick(&dialog().cancelButton(), Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_FALSE(dialog().hasWindow());
    EXPECT_EQ(line.openCount(), 0);
    EXPECT_TRUE(prompter.texts().empty());
}

TEST_F(ViewRadioLinkTest, CancelDuringAReadClosesThePortAndTheWindowWithNoMessage) {
    duringReadBlock(10, [this] { QTest::mouseClick(&dialog().cancelButton(), Qt::LeftButton); });
    view.runCommand(ViewRadioLink::ReadCommand);
    start(dialog());
    expectEndedQuietly();
    EXPECT_EQ(radio.blocksRead(), 10);
    // What came in stays in the image; the grid and the document are as they were.
    EXPECT_EQ(ChannelCodec::renderFrequency(rxBytes(document.image().bytes(), 1)), "145.50000");
    EXPECT_EQ(cell(1, 1), "");
    EXPECT_FALSE(document.isModified());

    // The next command opens a fresh window.
    view.runCommand(ViewRadioLink::ReadCommand);
    EXPECT_EQ(dialog().statusText(), "   Not start yet");
    EXPECT_TRUE(dialog().startButton().isEnabled());
}

TEST_F(ViewRadioLinkTest, WriteChosenOverAnIdleReadWindowKeepsItsCaptionButWrites) {
    view.runCommand(ViewRadioLink::ReadCommand);
    view.runCommand(ViewRadioLink::WriteCommand);
    EXPECT_EQ(dialog().windowTitle(), "Reading Data Progress");
    start(dialog());
    EXPECT_EQ(radio.blocksWritten(), RadioImage::WriteBlocks);
    EXPECT_EQ(radio.blocksRead(), 0);
    expectEndedQuietly();
}

TEST_F(ViewRadioLinkTest, APortThatWillNotOpenIsReported) {
    line.failOpen(true);
    view.runCommand(ViewRadioLink::ReadCommand);
    prompter.answer(PromptAnswer::Ok);
    start(dialog());
    ASSERT_EQ(prompter.prompts().size(), 1U);
    EXPECT_EQ(prompter.prompts()[0].text, RadioTransfer::OpenFailedText);
    EXPECT_EQ(prompter.prompts()[0].caption, "Vizuruzu DizaRido");
    EXPECT_FALSE(dialog().hasWindow());
    EXPECT_FALSE(document.isModified());
}

TEST_F(ViewRadioLinkTest, EachViewKeepsItsOwnPortAndStartsOnCom1) {
    ChannelView second(document, tones, prompter);
    view.runCommand(ViewRadioLink::Com3Command);
    const auto checked = [](ChannelView& v) {
        std::vector<int> ids;
        for (int id : {ViewRadioLink::Com1Command, ViewRadioLink::Com2Command,
                       ViewRadioLink::Com3Command, ViewRadioLink::Com4Command}) {
            CommandState state{false, false};
            EXPECT_TRUE(v.handlesCommand(id));
            v.updateCommand(id, state);
            EXPECT_TRUE(state.enabled);
            if (state.checked)
                ids.push_back(id);
        }
        return ids;
    };
    EXPECT_EQ(checked(view), std::vector<int>{ViewRadioLink::Com3Command});
    EXPECT_EQ(checked(second), std::vector<int>{ViewRadioLink::Com1Command});
    EXPECT_EQ(line.openCount(), 0);
    ChannelView third(document, tones, prompter);
    EXPECT_EQ(third.radioLink().portName(), "COM1");
    for (int id : {ViewRadioLink::ReadCommand, ViewRadioLink::WriteCommand})
        EXPECT_TRUE(view.handlesCommand(id));
}

} // namespace
} // namespace tarn
