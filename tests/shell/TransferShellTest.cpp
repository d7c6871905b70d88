#include "tests/shell/ShellFixture.h"

#include "data/RadioImage.h"
#include "link/RadioLink.h"
#include "qtsupport/CommandIds.h"
#include "radio/VirtualRadio.h"
#include "shell/BackgroundWorkArea.h"
#include "shell/CommandRouter.h"
#include "shell/DocumentWindow.h"
#include "shell/MainWindow.h"
#include "shell/TarnDocument.h"
#include "tests/support/FakeSerialLine.h"
#include "tests/support/VirtualClock.h"
#include "view/ChannelView.h"

#include <QTest>

namespace tarn::test {
namespace {

constexpr int ReadAckSleepMs = 15;
const std::string ExitQuestion = "Do you Exit?";

// The program with the in-process virtual radio behind its first window.
class TransferShellTest : public ShellFixture {
protected:
    void SetUp() override {
        ShellFixture::SetUp();
        ASSERT_TRUE(start());
        radio.setRadioType(0xFF);
        radio.memory()[RadioImage::ModelTypeOffset] = 4;
        active()->radioLink().useDevices(line, clock);
    }

    [[nodiscard]] ChannelView& view() { return active()->view(); }
    // Read From Radio from the menu, Start pressed; returns once the transfer has ended.
    void read() {
        trigger(cmd::ReadFromRadio);
        QTest::mouseClick(&active()->radioLink().progressDialog().startButton(), Qt::LeftButton);
        QCoreApplication::processEvents();
    }
    void duringReadBlock(int block, std::function<void()> action) {
        clock.onSleep([this, block, action = std::move(action)](int ms) {
            if (ms == ReadAckSleepMs && ++blocks == block)
                action();
        });
    }
    // What was left to do once the transfer had ended.
    void runDeferred() {
        QCoreApplication::processEvents();
        flushDeletes();
    }

    VirtualRadio radio;
    VirtualClock clock;
    FakeSerialLine line{radio, clock};
    int blocks = 0;
};

TEST_F(TransferShellTest, CompletedReadMarksTheDocumentSoClosingAsks) {
    read();
    EXPECT_EQ(view().grid().rows(), 161);
    EXPECT_TRUE(active()->document().isModified());
    m_prompter.answer(PromptAnswer::No);
    trigger(cmd::FileClose);
    ASSERT_EQ(m_prompter.texts().size(), 1U);
    EXPECT_EQ(m_prompter.texts()[0].rfind("Save changes to ", 0), 0U);
    EXPECT_EQ(documentCount(), 0U);
}

TEST_F(TransferShellTest, ACompletedReadIsOneStepThatUndoTakesBack) {
    const RadioImage before = active()->document().image();
    read();
    ASSERT_EQ(view().grid().rows(), 161);
    const RadioImage received = active()->document().image();
    trigger(cmd::EditUndo);
    EXPECT_EQ(active()->document().image(), before);
    EXPECT_EQ(view().grid().rows(), 200);
    EXPECT_FALSE(active()->document().isModified());
    trigger(cmd::EditRedo);
    EXPECT_EQ(active()->document().image(), received);
    EXPECT_EQ(view().grid().rows(), 161);
}

TEST_F(TransferShellTest, CompletedReadShowsInEveryWindowOfTheDocument) {
    DocumentWindow* first = active();
    radio.memory()[0] = 0x00;
    radio.memory()[1] = 0x25;
    radio.memory()[2] = 0x65;
    radio.memory()[3] = 0x14;
    trigger(cmd::WindowNew);
    ASSERT_NE(active(), first);
    ChannelView& other = active()->view();
    main().mdiClient().setActiveSubWindow(first);
    read();
    // Saving from the other window must not put its older grid over what was read.
    EXPECT_EQ(other.grid().rows(), 161);
    EXPECT_EQ(other.grid().textMatrix(1, 1), "146.52500");
}

TEST_F(TransferShellTest, ReadAndWriteAreUnavailableWhileATransferRuns) {
    DocumentWindow* first = active();
    trigger(cmd::FileNew);
    DocumentWindow* other = active();
    main().mdiClient().setActiveSubWindow(first);
    bool checked = false;
    duringReadBlock(20, [&] {
        checked = true;
        for (const int id : {cmd::ReadFromRadio, cmd::WriteToRadio}) {
            EXPECT_FALSE(main().commandAction(id)->isEnabled()) << id;
            EXPECT_FALSE(main().router().run(id)) << id;
        }
        // Keys, in this window and in another, can neither start a transfer nor turn this one.
        view().grid().setFocus();
        QTest::keyClick(&view().grid(), Qt::Key_W, Qt::ControlModifier);
        main().mdiClient().setActiveSubWindow(main().childFrames().back());
        QTest::keyClick(&other->view().grid(), Qt::Key_R, Qt::ControlModifier);
        main().mdiClient().setActiveSubWindow(main().childFrames().front());
    });
    read();
    EXPECT_TRUE(checked);
    EXPECT_EQ(first->radioLink().direction(), TransferDirection::Read);
    EXPECT_FALSE(other->radioLink().progressDialog().hasWindow());
    EXPECT_EQ(view().grid().rows(), 161) << "the read completed";
    EXPECT_TRUE(enabled(cmd::ReadFromRadio));
    EXPECT_TRUE(enabled(cmd::WriteToRadio));
}

TEST_F(TransferShellTest, ClosingTheDocumentDuringATransferWaitsForItsEnd) {
    std::size_t documentsDuring = 0;
    duringReadBlock(5, [&] {
        trigger(cmd::FileClose);
        documentsDuring = documentCount();
    });
    read();
    EXPECT_EQ(documentsDuring, 1U);
    EXPECT_FALSE(line.isOpen());
    EXPECT_EQ(radio.blocksRead(), 5);
    runDeferred();
    EXPECT_EQ(documentCount(), 0U);
    EXPECT_TRUE(m_prompter.texts().empty());
}

TEST_F(TransferShellTest, ClosingTheWindowDuringATransferWaitsForItsEnd) {
    bool closedAtOnce = true;
    duringReadBlock(5, [&] { closedAtOnce = active()->close(); });
    read();
    EXPECT_FALSE(closedAtOnce);
    EXPECT_EQ(documentCount(), 1U);
    EXPECT_FALSE(line.isOpen());
    runDeferred();
    EXPECT_EQ(documentCount(), 0U);
    EXPECT_TRUE(m_prompter.texts().empty());
}

TEST_F(TransferShellTest, LeavingDuringATransferCancelsItThenLeavesWithoutAskingAgain) {
    bool closedAtOnce = true;
    duringReadBlock(5, [&] {
        m_prompter.answer(PromptAnswer::Ok);
        closedAtOnce = main().close();
    });
    read();
    EXPECT_FALSE(closedAtOnce);
    EXPECT_FALSE(line.isOpen());
    EXPECT_EQ(radio.blocksRead(), 5);
    EXPECT_TRUE(main().isVisible());
    runDeferred();
    EXPECT_FALSE(main().isVisible());
    EXPECT_EQ(m_prompter.texts(), std::vector<std::string>{ExitQuestion});
}

TEST_F(TransferShellTest, LeavingRefusedLetsTheTransferRunOn) {
    duringReadBlock(5, [&] {
        m_prompter.answer(PromptAnswer::Cancel);
        EXPECT_FALSE(main().close());
    });
    read();
    EXPECT_EQ(radio.blocksRead(), RadioImage::ReadBlocks);
    runDeferred();
    EXPECT_TRUE(main().isVisible());
}

} // namespace
} // namespace tarn::test
