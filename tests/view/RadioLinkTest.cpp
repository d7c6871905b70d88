#include "link/RadioLink.h"

#include "data/ChannelCodec.h"
#include "data/ChannelDocument.h"
#include "data/ToneTable.h"
#include "link/PortNames.h"
#include "link/PortSettings.h"
#include "link/RadioTransfer.h"
#include "qtsupport/CommandIds.h"
#include "radio/VirtualRadio.h"
#include "tests/support/FakeDocumentDialogs.h"
#include "tests/support/FakePortSystem.h"
#include "tests/support/FakeSerialLine.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestPrompter.h"
#include "tests/support/VirtualClock.h"
#include "tests/support/VirtualSessionTimer.h"
#include "view/ChannelView.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>

namespace tarn {
namespace {

constexpr std::uint32_t Freq145_5 = 14550000;

std::span<std::uint8_t, 4> rxBytes(std::span<std::uint8_t> memory, int channel) {
    return memory.subspan(static_cast<std::size_t>(channel - 1) * RadioImage::RowSize)
        .subspan<0, 4>();
}

class RadioLinkTest : public ::testing::Test {
protected:
    RadioLinkTest() {
        document.initNew();
        document.setDumpDirectory(dumpDir.path());
        radio.setRadioType(RadioTransfer::NoRadioType);
        ChannelCodec::encodeFrequency(Freq145_5, rxBytes(radio.memory(), 1));
        view.initialUpdate();
        link.useDevices(line, timer);
    }

    [[nodiscard]] TransferProgressDialog& dialog() { return link.progressDialog(); }
    [[nodiscard]] QString cell(int row, int col) { return view.grid().cellText(row, col); }
    // Start as the user presses it; returns once the transfer has ended.
    void start(TransferProgressDialog& window) {
        QSignalSpy ended(&link, &RadioLink::transferEnded);
        QTest::mouseClick(&window.startButton(), Qt::LeftButton);
        ASSERT_TRUE(ended.wait(60000));
    }
    // Runs action once, when the radio has answered the given number of read blocks.
    void duringReadBlock(int block, std::function<void()> action) {
        timer.onStep([this, block, action = std::move(action)] {
            if (radio.blocksRead() == block && std::exchange(readBlocks, block) != block)
                action();
        });
    }
    // A good write's window stays, confirming, until the user closes it; anything else closes.
    void expectEndedQuietly(bool confirmedWrite = false) {
        EXPECT_FALSE(line.isOpen());
        EXPECT_GE(line.closeCount(), 1);
        EXPECT_EQ(dialog().hasWindow(), confirmedWrite);
        EXPECT_EQ(dialog().isVisible(), confirmedWrite);
        EXPECT_EQ(dialog().isFinished(), confirmedWrite);
        EXPECT_TRUE(prompter.texts().empty());
        EXPECT_FALSE(link.isTransferring());
    }

    VirtualRadio radio;
    test::VirtualClock clock;
    test::FakeSerialLine line{radio, clock};
    test::VirtualSessionTimer timer{line};
    test::TempDir dumpDir;
    ChannelDocument document;
    const ToneTable tones;
    test::TestPrompter prompter;
    test::FakeDocumentDialogs dialogs;
    ChannelView view{document, tones, prompter, dialogs};
    RadioLink link{document, prompter, dialogs, view, view.grid()};
    int readBlocks = 0;
};

TEST_F(RadioLinkTest, ReadFillsTheGridAndMarksTheDocument) {
    EXPECT_EQ(cell(1, 1), "");
    link.runCommand(cmd::ReadFromRadio);
    ASSERT_TRUE(dialog().hasWindow());
    EXPECT_EQ(dialog().windowTitle(), "Reading Data Progress");
    EXPECT_EQ(line.openCount(), 0);
    start(dialog());
    expectEndedQuietly();
    EXPECT_EQ(line.openedName(), "COM1");
    EXPECT_EQ(radio.blocksRead(), RadioImage::ReadBlocks);
    EXPECT_EQ(cell(1, 1), "145.50000");
    EXPECT_EQ(view.grid().model()->rowCount(), 199);
    EXPECT_TRUE(document.isModified());
    EXPECT_EQ(dialog().progressBar().value(), RadioTransfer::ProgressMaximum);
}

TEST_F(RadioLinkTest, ReadOfAReducedModelShows160Channels) {
    radio.memory()[RadioImage::ModelTypeOffset] = 4;
    link.runCommand(cmd::Com3);
    link.runCommand(cmd::ReadFromRadio);
    start(dialog());
    expectEndedQuietly();
    EXPECT_EQ(line.openedName(), "COM3");
    EXPECT_EQ(document.channelCount(), 160);
    EXPECT_EQ(view.grid().model()->rowCount(), 160);
    EXPECT_EQ(cell(160, 0), "160");
}

TEST_F(RadioLinkTest, WriteSendsWhatTheGridShowsIncludingAValueStillBeingTyped) {
    document.storeCell(3, ChannelCodec::RxFreqColumn, "146.02500");
    view.resize(760, 560);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    ChannelTableView& grid = view.grid();
    grid.scrollTo(grid.channels().indexOf(5, 1));
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, grid.cellRect({5, 1}).center());
    ASSERT_TRUE(view.frequencyEdit()->isVisible());
    QTest::keyClicks(view.frequencyEdit(), "147");

    link.runCommand(cmd::WriteToRadio);
    EXPECT_EQ(dialog().windowTitle(), "Writing Data Progress");
    EXPECT_EQ(cell(5, 1), "147.00000");
    start(dialog());
    expectEndedQuietly(true);
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

TEST_F(RadioLinkTest, CancelBeforeStartTouchesNoPort) {
    link.runCommand(cmd::WriteToRadio);
    QTest::mouseClick(&dialog().cancelButton(), Qt::LeftButton);
    EXPECT_FALSE(dialog().hasWindow());
    EXPECT_EQ(line.openCount(), 0);
    EXPECT_TRUE(prompter.texts().empty());
}

TEST_F(RadioLinkTest, CancelDuringAReadClosesThePortAndTheWindowWithNoMessage) {
    duringReadBlock(10, [this] { QTest::mouseClick(&dialog().cancelButton(), Qt::LeftButton); });
    link.runCommand(cmd::ReadFromRadio);
    start(dialog());
    expectEndedQuietly();
    EXPECT_EQ(radio.blocksRead(), 10);

    // The next command opens a fresh window.
    link.runCommand(cmd::ReadFromRadio);
    EXPECT_EQ(dialog().statusText(), "   Not start yet");
    EXPECT_TRUE(dialog().startButton().isEnabled());
}

// A read that does not complete leaves the document byte for byte as it was: its image,
// channel count, sheet and changed mark.
TEST_F(RadioLinkTest, AReadThatFailsOrIsCancelledLeavesTheDocumentAsItWas) {
    radio.memory()[RadioImage::ModelTypeOffset] = 4;
    document.storeCell(2, ChannelCodec::TxFreqColumn, "440.00000");
    document.setModified(false);
    const RadioImage image = document.image();
    const auto unchanged = [&] {
        EXPECT_EQ(document.image(), image);
        EXPECT_EQ(document.channelCount(), 199);
        EXPECT_EQ(view.grid().model()->rowCount(), 199);
        EXPECT_EQ(cell(1, 1), "");
        EXPECT_EQ(cell(2, 2), "440.00000");
        EXPECT_FALSE(document.isModified());
    };

    // A radio whose reply to block 200 comes short: the read fails with its message.
    FaultPlan faults;
    faults.shortReadBlock = 200;
    faults.shortReadLength = 5;
    VirtualRadio failing(faults);
    std::copy(radio.memory().begin(), radio.memory().end(), failing.memory().begin());
    failing.setRadioType(RadioTransfer::NoRadioType);
    test::FakeSerialLine failingLine{failing, clock};
    test::VirtualSessionTimer failingTimer{failingLine};
    link.useDevices(failingLine, failingTimer);
    prompter.answer(PromptAnswer::Ok);
    link.runCommand(cmd::ReadFromRadio);
    start(dialog());
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{RadioTransfer::NotEnoughText});
    EXPECT_EQ(failing.blocksRead(), 201);
    unchanged();
    link.useDevices(line, timer);

    prompter.clear();
    readBlocks = 0;
    duringReadBlock(400, [this] { QTest::mouseClick(&dialog().cancelButton(), Qt::LeftButton); });
    link.runCommand(cmd::ReadFromRadio);
    start(dialog());
    expectEndedQuietly();
    unchanged();
}

TEST_F(RadioLinkTest, ARefusedValueBeingTypedStopsAWriteBeforeItStarts) {
    view.resize(760, 560);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    view.grid().setCurrentCell({4, 1});
    view.editing().showEditor('9');
    ASSERT_TRUE(view.frequencyEdit()->isVisible());
    prompter.answer(PromptAnswer::Ok);
    link.runCommand(cmd::WriteToRadio);
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{"Error Data Format，Please input "
                                                         "again\nThe frequency must lie "
                                                         "between 100 and 600 MHz."});
    EXPECT_FALSE(dialog().hasWindow());
    EXPECT_TRUE(view.frequencyEdit()->isVisible());
    EXPECT_EQ(view.frequencyEdit()->text(), "9");
    EXPECT_EQ(cell(4, 1), "");
    EXPECT_EQ(line.openCount(), 0);
}

TEST_F(RadioLinkTest, WriteChosenOverAnIdleReadWindowKeepsItsCaptionButWrites) {
    link.runCommand(cmd::ReadFromRadio);
    link.runCommand(cmd::WriteToRadio);
    EXPECT_EQ(dialog().windowTitle(), "Reading Data Progress");
    start(dialog());
    EXPECT_EQ(radio.blocksWritten(), RadioImage::WriteBlocks);
    EXPECT_EQ(radio.blocksRead(), 0);
    expectEndedQuietly(true);
}

TEST_F(RadioLinkTest, APortThatWillNotOpenIsReported) {
    line.failOpen(true);
    link.runCommand(cmd::ReadFromRadio);
    prompter.answer(PromptAnswer::Ok);
    start(dialog());
    ASSERT_EQ(prompter.prompts().size(), 1U);
    EXPECT_EQ(prompter.prompts()[0].text, RadioTransfer::OpenFailedText);
    EXPECT_EQ(prompter.prompts()[0].caption, "Vizuruzu DizaRido");
    EXPECT_FALSE(dialog().hasWindow());
    EXPECT_FALSE(document.isModified());
}

TEST_F(RadioLinkTest, APortThatWillNotOpenSaysWhyUnderTheDescribedMessage) {
    test::FakePortSystem system;
    system.groups["/dev/ttyUSB0"] = {"dialout", true};
    system.user = "ana";
    system.holders["/dev/ttyUSB0"] = {2468, "minicom"};
    link.usePortSystem(system);
    const std::string first = std::string(RadioTransfer::OpenFailedText) + "\n\n";
    const std::vector<std::pair<int, std::string>> cases{
        {EACCES, "Your account may not use /dev/ttyUSB0. Add it to the group that owns the "
                 "device (sudo usermod -aG dialout ana), then log out and in again."},
        {ENOENT, "No such device: is the cable plugged in? (/dev/ttyUSB0)"},
        {EBUSY,
         "The port /dev/ttyUSB0 is in use by minicom (process 2468). Close it, then try again."}};
    for (const auto& [error, why] : cases) {
        prompter.clear();
        line.failOpen(OpenFailure{"/dev/ttyUSB0", error, "Permission denied"});
        link.runCommand(cmd::ReadFromRadio);
        prompter.answer(PromptAnswer::Ok);
        start(dialog());
        ASSERT_EQ(prompter.prompts().size(), 1U) << error;
        EXPECT_EQ(prompter.prompts()[0].text, first + why);
        EXPECT_FALSE(dialog().hasWindow());
    }
    EXPECT_FALSE(document.isModified());
}

TEST_F(RadioLinkTest, APortAnotherWindowsTransferHoldsIsNamedAsSuch) {
    ChannelDocument otherDocument;
    otherDocument.initNew();
    otherDocument.setDumpDirectory(dumpDir.path());
    ChannelView otherView{otherDocument, tones, prompter, dialogs};
    otherView.initialUpdate();
    RadioLink other{otherDocument, prompter, dialogs, otherView, otherView.grid()};
    // Its window was open before this window's transfer took the same port.
    other.runCommand(cmd::ReadFromRadio);
    prompter.answer(PromptAnswer::Ok);
    duringReadBlock(
        5, [&other] { QTest::mouseClick(&other.progressDialog().startButton(), Qt::LeftButton); });
    link.runCommand(cmd::ReadFromRadio);
    start(dialog());
    ASSERT_EQ(prompter.prompts().size(), 1U);
    EXPECT_EQ(prompter.prompts()[0].text,
              PortTrouble::message("The port " + PortNames::resolve("COM1", &PortSettings::lookup) +
                                   " is in use by another window's transfer: wait until it ends."));
    EXPECT_EQ(radio.blocksRead(), RadioImage::ReadBlocks) << "the running transfer goes on";
    EXPECT_FALSE(other.isTransferring());
}

TEST_F(RadioLinkTest, EachLinkKeepsItsOwnPortAndStartsOnCom1) {
    RadioLink second{document, prompter, dialogs, view, view.grid()};
    link.runCommand(cmd::Com3);
    const auto checked = [](RadioLink& l) {
        std::vector<int> ids;
        for (int id : {cmd::Com1, cmd::Com2, cmd::Com3, cmd::Com4}) {
            CommandState state{false, false, {}};
            EXPECT_TRUE(l.handlesCommand(id));
            l.updateCommand(id, state);
            EXPECT_TRUE(state.enabled);
            if (state.checked)
                ids.push_back(id);
        }
        return ids;
    };
    EXPECT_EQ(checked(link), std::vector<int>{cmd::Com3});
    EXPECT_EQ(checked(second), std::vector<int>{cmd::Com1});
    EXPECT_EQ(second.portName(), "COM1");
    EXPECT_EQ(line.openCount(), 0);
    for (int id : {cmd::ReadFromRadio, cmd::WriteToRadio})
        EXPECT_TRUE(link.handlesCommand(id));
    // The devices behind the names are the program's setting, not a window's.
    EXPECT_FALSE(link.handlesCommand(cmd::Ports));
}

} // namespace
} // namespace tarn
