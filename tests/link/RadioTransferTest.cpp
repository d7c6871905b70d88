#include "link/RadioTransfer.h"

#include "radio/VirtualRadio.h"
#include "tests/support/FakeSerialLine.h"
#include "tests/support/ImageTransferTarget.h"
#include "tests/support/RecordingTransferUi.h"
#include "tests/support/TestPrompter.h"
#include "tests/support/VirtualClock.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

namespace tarn {
namespace {

using test::FakeSerialLine;
using test::ImageTransferTarget;
using test::RecordingTransferUi;
using test::TestPrompter;
using test::VirtualClock;
using Bytes = std::vector<std::uint8_t>;

std::vector<std::string> firstLines(std::vector<std::string> texts) {
    for (std::string& text : texts)
        text = text.substr(0, text.find('\n'));
    return texts;
}

constexpr std::uint8_t ModelTypeDefault = 0;

// Distinct bytes everywhere, so a misplaced block shows.
void fillPattern(std::span<std::uint8_t> bytes, unsigned seed) {
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<std::uint8_t>((i * 7 + seed + i / 256) & 0xFF);
}

Bytes handshakeBytes() {
    Bytes bytes(RadioTransfer::WakeUp.begin(), RadioTransfer::WakeUp.end());
    bytes.insert(bytes.end(), {'M', 0x02, 0x06});
    return bytes;
}

bool inTransferredRange(std::size_t offset, int blocks) {
    for (int b = 0; b < blocks; ++b) {
        const std::size_t address = RadioImage::blockAddress(b);
        if (offset >= address && offset < address + RadioImage::BlockSize)
            return true;
    }
    return false;
}

class RadioTransferTest : public ::testing::Test {
protected:
    explicit RadioTransferTest(FaultPlan faults = {})
        : radio(faults) {}

    TransferOutcome run(TransferDirection direction) {
        target.setDirection(direction);
        return transfer.run("COM3", target);
    }
    void makeRadio(FaultPlan faults) { radio = VirtualRadio(faults); }
    [[nodiscard]] Bytes sentToRadio() const {
        return radio.wireLog().bytes(WireDirection::ToRadio);
    }
    // First lines: what follows explains the message (WriteReportTest).
    [[nodiscard]] std::vector<std::string> prompts() const { return firstLines(prompter.texts()); }
    void expectClosedOnce() const {
        EXPECT_EQ(line.openCount(), 1);
        EXPECT_EQ(line.closeCount(), 1);
        EXPECT_FALSE(line.isOpen());
        EXPECT_EQ(ui.windowCloses(), 1);
    }

    VirtualRadio radio;
    VirtualClock clock;
    TestPrompter prompter;
    FakeSerialLine line{radio, clock};
    RecordingTransferUi ui{prompter};
    ImageTransferTarget target{TransferDirection::Write};
    RadioTransfer transfer{line, ui, clock};
};

// ---- complete transfers ------------------------------------------------------------------

TEST_F(RadioTransferTest, CompleteWriteSendsEveryBlockWithItsAddressAndTheImageBytes) {
    fillPattern(target.image().bytes(), 3);
    target.image()[RadioImage::ModelTypeOffset] = ModelTypeDefault;
    const RadioImage sent = target.image();

    ASSERT_EQ(run(TransferDirection::Write), TransferOutcome::Completed);

    Bytes expected = handshakeBytes();
    for (int block = 0; block < 404; ++block) {
        const std::uint16_t address = RadioImage::blockAddress(block);
        expected.insert(expected.end(), {'W', static_cast<std::uint8_t>(address >> 8),
                                         static_cast<std::uint8_t>(address & 0xFF), 8});
        expected.insert(expected.end(), sent.bytes().begin() + address,
                        sent.bytes().begin() + address + 8);
    }
    EXPECT_EQ(sentToRadio(), expected);
    EXPECT_EQ(RadioImage::blockAddress(397), 0x0C68);
    EXPECT_EQ(RadioImage::blockAddress(403), 0x1FE8);

    for (std::size_t offset = 0; offset < RadioImage::Size; ++offset) {
        const std::uint8_t want = inTransferredRange(offset, 404) ? sent[offset] : 0xFF;
        ASSERT_EQ(radio.memory()[offset], want) << "offset " << offset;
    }
    EXPECT_EQ(target.image(), sent) << "a write leaves the image alone";
    EXPECT_EQ(target.parses(), 1);
    EXPECT_EQ(target.renders(), 0);
    EXPECT_TRUE(prompts().empty());
    expectClosedOnce();
}

TEST_F(RadioTransferTest, WriteOpensTheNamedPortWithTheRadioLineSettings) {
    ASSERT_EQ(run(TransferDirection::Write), TransferOutcome::Completed);
    EXPECT_EQ(line.openedName(), "COM3");
    EXPECT_EQ(line.inputQueue(), 1024u);
    EXPECT_EQ(line.outputQueue(), 512u);
    EXPECT_EQ(line.timeouts().readIntervalMs, 30);
    EXPECT_EQ(line.timeouts().readTotalMultiplierMs, 500);
    EXPECT_EQ(line.timeouts().readTotalConstantMs, 90);
    EXPECT_EQ(line.timeouts().writeTotalMultiplierMs, 50);
    EXPECT_EQ(line.timeouts().writeTotalConstantMs, 50);
    EXPECT_EQ(line.lineSettings().baudRate, 9600);
    EXPECT_EQ(line.lineSettings().dataBits, 8);
    EXPECT_EQ(line.lineSettings().parity, Parity::None);
    EXPECT_EQ(line.lineSettings().stopBits, 1);
}

TEST_F(RadioTransferTest, WriteSleepsAndShowsProgressAsPrescribed) {
    ASSERT_EQ(run(TransferDirection::Write), TransferOutcome::Completed);

    std::vector<int> expected(16, 1); // 7 passes, 7 wake-up bytes, 'M' and 0x02
    for (int block = 0; block < 404; ++block)
        expected.insert(expected.end(), {1, 2});
    EXPECT_EQ(clock.sleeps(), expected);
    EXPECT_EQ(ui.passes(), 7 + 404 * 21);

    EXPECT_EQ(ui.rangeMinimum(), 0);
    EXPECT_EQ(ui.rangeMaximum(), 403);
    EXPECT_EQ(ui.progressPosition(), 403);
    const auto& texts = ui.statusTexts();
    ASSERT_EQ(texts.size(), 3u + 403u + 1u);
    EXPECT_EQ(texts[0], RadioTransfer::DetectingText);
    EXPECT_EQ(texts[1], RadioTransfer::WaitingText);
    EXPECT_EQ(texts[2], RadioTransfer::WaitingText);
    EXPECT_EQ(texts[3], "1");
    EXPECT_EQ(texts[texts.size() - 2], "403");
    EXPECT_EQ(texts.back(), "Written: 404 blocks") << "the write ends by saying so";
    // Reads: acknowledge, identity, final acknowledge, then one per block.
    ASSERT_GE(line.readSizes().size(), 3u);
    EXPECT_EQ(line.readSizes()[1], 8u);
}

TEST_F(RadioTransferTest, CompleteReadFetchesTheChannelRowsAndFortySettingsBytes) {
    fillPattern(radio.memory(), 11);
    radio.memory()[RadioImage::ModelTypeOffset] = 4;
    const RadioImage before = target.image();

    ASSERT_EQ(run(TransferDirection::Read), TransferOutcome::Completed);

    Bytes expected = handshakeBytes();
    for (int block = 0; block < 403; ++block) {
        const std::uint16_t address = RadioImage::blockAddress(block);
        expected.insert(expected.end(), {'R', static_cast<std::uint8_t>(address >> 8),
                                         static_cast<std::uint8_t>(address & 0xFF), 8, 0x06});
    }
    EXPECT_EQ(sentToRadio(), expected);
    EXPECT_EQ(RadioImage::blockAddress(402), 0x1FE0);

    for (std::size_t offset = 0; offset < RadioImage::Size; ++offset) {
        const std::uint8_t want =
            inTransferredRange(offset, 403) ? radio.memory()[offset] : before[offset];
        ASSERT_EQ(target.image()[offset], want) << "offset " << offset;
    }
    EXPECT_EQ(target.channelCount(), 160);
    EXPECT_EQ(target.renders(), 1);
    EXPECT_EQ(target.renderedCount(), 160);
    EXPECT_EQ(target.parses(), 0);
    EXPECT_EQ(ui.progressPosition(), 403);
    EXPECT_EQ(ui.statusTexts().back(), "403");
    EXPECT_TRUE(prompts().empty());
    expectClosedOnce();

    std::vector<int> sleeps(16, 1);
    for (int block = 0; block < 403; ++block)
        sleeps.insert(sleeps.end(), {15, 2});
    EXPECT_EQ(clock.sleeps(), sleeps);
    EXPECT_EQ(ui.passes(), 7 + 403 * 19);
}

TEST_F(RadioTransferTest, ReadSetsTheChannelCountFromTheModelByte) {
    struct Case {
        std::uint8_t model;
        int before;
        int after;
    };
    for (const Case c : {Case{5, 199, 160}, Case{7, 160, 199}, Case{0xFF, 160, 160}}) {
        VirtualRadio fresh;
        fresh.memory()[RadioImage::ModelTypeOffset] = c.model;
        VirtualClock freshClock;
        FakeSerialLine freshLine(fresh, freshClock);
        RecordingTransferUi freshUi(prompter);
        ImageTransferTarget freshTarget(TransferDirection::Read);
        freshTarget.setChannelCount(c.before);
        RadioTransfer freshTransfer(freshLine, freshUi, freshClock);
        ASSERT_EQ(freshTransfer.run("COM1", freshTarget), TransferOutcome::Completed);
        EXPECT_EQ(freshTarget.channelCount(), c.after) << int(c.model);
    }
}

// ---- handshake -------------------------------------------------------------------------

TEST_F(RadioTransferTest, SilentRadioGetsFifteenAttemptsBeforeEachPrompt) {
    FaultPlan faults;
    faults.neverAnswer = true;
    makeRadio(faults);
    prompter.answer({PromptAnswer::Retry, PromptAnswer::Cancel});

    EXPECT_EQ(run(TransferDirection::Write), TransferOutcome::Failed);

    ASSERT_EQ(prompts().size(), 2u);
    EXPECT_EQ(prompts()[0], RadioTransfer::CommErrorText);
    EXPECT_EQ(prompter.prompts()[0].buttons, PromptButtons::RetryCancel);
    EXPECT_EQ(prompter.prompts()[0].caption, "Vizuruzu DizaRido");
    EXPECT_EQ(sentToRadio().size(), 30u * 7u);
    // Each attempt: 7 pass sleeps, 7 byte sleeps, then 2 ms; two 590 ms reads time out.
    std::vector<int> attempt(14, 1);
    attempt.push_back(2);
    std::vector<int> expected;
    for (int i = 0; i < 30; ++i)
        expected.insert(expected.end(), attempt.begin(), attempt.end());
    EXPECT_EQ(clock.sleeps(), expected);
    EXPECT_EQ(clock.nowMs(), 30 * (16 + 2 * 590));
    EXPECT_EQ(line.readSizes(), std::vector<std::size_t>(60, 1));
    EXPECT_EQ(ui.rangeSets(), 0);
    expectClosedOnce();
}

TEST_F(RadioTransferTest, RadioAnsweringLateWithinFifteenAttemptsNeedsNoPrompt) {
    FaultPlan faults;
    faults.ignoredWakeUps = 14;
    makeRadio(faults);
    EXPECT_EQ(run(TransferDirection::Write), TransferOutcome::Completed);
    EXPECT_TRUE(prompts().empty());
    EXPECT_EQ(radio.wakeUps(), 15);
}

TEST_F(RadioTransferTest, AcknowledgeAsSecondByteIsAccepted) {
    FaultPlan faults;
    faults.ackAsSecondByte = true;
    makeRadio(faults);
    EXPECT_EQ(run(TransferDirection::Read), TransferOutcome::Completed);
    EXPECT_EQ(radio.wakeUps(), 1);
    EXPECT_TRUE(prompts().empty());
}

TEST_F(RadioTransferTest, RadioTypeMismatchPromptsOnceAndOkWakesTheRadioAgain) {
    radio.setRadioType(3);
    target.image()[RadioImage::ModelTypeOffset] = 1;
    prompter.answer(PromptAnswer::Ok);

    EXPECT_EQ(run(TransferDirection::Write), TransferOutcome::Completed);

    ASSERT_EQ(prompts().size(), 1u);
    EXPECT_EQ(prompts()[0], RadioTransfer::TypeMismatchText);
    EXPECT_EQ(prompter.prompts()[0].buttons, PromptButtons::OkCancel);
    EXPECT_EQ(radio.wakeUps(), 2);
    EXPECT_EQ(radio.blocksWritten(), 404);
    EXPECT_EQ(ui.passes(), 7 + 351 + 7 + 404 * 21);
}

TEST_F(RadioTransferTest, RadioTypeMismatchCancelledWritesNothing) {
    radio.setRadioType(3);
    prompter.answer(PromptAnswer::Cancel);
    EXPECT_EQ(run(TransferDirection::Write), TransferOutcome::Failed);
    EXPECT_EQ(prompts(), std::vector<std::string>{RadioTransfer::TypeMismatchText});
    EXPECT_EQ(radio.blocksWritten(), 0);
    EXPECT_EQ(ui.rangeSets(), 0);
    expectClosedOnce();
}

TEST_F(RadioTransferTest, RadioTypeIsComparedWithTheModelTypeByteOnlyOnWrites) {
    // Channel 130's transmit tone byte is no radio type.
    radio.setRadioType(2);
    target.image()[RadioImage::ModelTypeOffset] = 2;
    target.image()[0x081B] = 0x55;
    EXPECT_EQ(run(TransferDirection::Write), TransferOutcome::Completed);

    radio.setRadioType(6);
    EXPECT_EQ(run(TransferDirection::Read), TransferOutcome::Completed);

    radio.setRadioType(0xFF);
    EXPECT_EQ(run(TransferDirection::Write), TransferOutcome::Completed);
    EXPECT_TRUE(prompts().empty());
}

TEST_F(RadioTransferTest, MissingIdentityStatesNoRadioType) {
    FaultPlan faults;
    faults.dropIdentity = true;
    makeRadio(faults);
    radio.setRadioType(5);
    EXPECT_EQ(run(TransferDirection::Write), TransferOutcome::Completed);
    EXPECT_TRUE(prompts().empty());
}

TEST_F(RadioTransferTest, DirectionChosenDuringARetryingHandshakeDecidesThePhase) {
    FaultPlan faults;
    faults.ignoredWakeUps = 2;
    makeRadio(faults);
    ui.onPass([this](int pass) {
        if (pass == 10)
            target.setDirection(TransferDirection::Write);
    });
    target.setDirection(TransferDirection::Read);
    ASSERT_EQ(transfer.run("COM1", target), TransferOutcome::Completed);
    EXPECT_EQ(radio.blocksWritten(), 404);
    EXPECT_EQ(radio.blocksRead(), 0);
    EXPECT_EQ(target.parses(), 0) << "the grid is parsed only when a write starts";
    EXPECT_EQ(target.renders(), 0);
}

// ---- failures ----------------------------------------------------------------------------

TEST_F(RadioTransferTest, PortThatCannotBeOpenedEndsAtOnce) {
    line.failOpen(true);
    prompter.answer(PromptAnswer::Ok);
    EXPECT_EQ(run(TransferDirection::Write), TransferOutcome::PortUnavailable);
    EXPECT_EQ(prompts(), std::vector<std::string>{RadioTransfer::OpenFailedText});
    EXPECT_EQ(prompter.prompts()[0].buttons, PromptButtons::Ok);
    EXPECT_EQ(ui.windowCloses(), 1);
    EXPECT_EQ(line.closeCount(), 0);
    EXPECT_TRUE(ui.statusTexts().empty());
    EXPECT_TRUE(sentToRadio().empty());
}

TEST_F(RadioTransferTest, FailedIdentityReadGoesToTheCommunicationPrompt) {
    line.failRead(2);
    prompter.answer(PromptAnswer::Retry);
    EXPECT_EQ(run(TransferDirection::Read), TransferOutcome::Completed);
    EXPECT_EQ(prompts(), std::vector<std::string>{RadioTransfer::CommErrorText});
    EXPECT_EQ(radio.wakeUps(), 2);
}

TEST_F(RadioTransferTest, DeadPortDuringTheWakeUpPromptsWithoutFifteenAttempts) {
    line.failRead(1);
    prompter.answer(PromptAnswer::Cancel);
    EXPECT_EQ(run(TransferDirection::Write), TransferOutcome::Failed);
    EXPECT_EQ(prompts(), std::vector<std::string>{RadioTransfer::CommErrorText});
    EXPECT_EQ(line.readSizes().size(), 1u);
    expectClosedOnce();
}

TEST_F(RadioTransferTest, RetryAfterTheDeviceWasLostOpensThePortAgain) {
    line.loseAtRead(2);
    prompter.answer(PromptAnswer::Retry);
    EXPECT_EQ(run(TransferDirection::Write), TransferOutcome::Completed);
    EXPECT_EQ(prompts(), std::vector<std::string>{RadioTransfer::CommErrorText});
    EXPECT_EQ(line.openCount(), 2);
    EXPECT_EQ(line.openedName(), "COM3");
    EXPECT_EQ(line.timeouts().readIntervalMs, 30) << "the new port is set up like the first";
    EXPECT_EQ(radio.blocksWritten(), RadioImage::WriteBlocks);
}

TEST_F(RadioTransferTest, RetryWhileTheDeviceIsStillMissingAsksAgain) {
    line.loseAtRead(1, true);
    prompter.answer({PromptAnswer::Retry, PromptAnswer::Retry, PromptAnswer::Cancel});
    EXPECT_EQ(run(TransferDirection::Read), TransferOutcome::Failed);
    EXPECT_EQ(prompts(), std::vector<std::string>(3, RadioTransfer::CommErrorText));
    EXPECT_EQ(line.readSizes().size(), 1u) << "no read on a port that is gone";
    EXPECT_FALSE(line.isOpen());
    EXPECT_EQ(ui.windowCloses(), 1);
}

TEST_F(RadioTransferTest, WrongFinalAcknowledgeWaitsThenPrompts) {
    FaultPlan faults;
    faults.wrongFinalAck = true;
    makeRadio(faults);
    prompter.answer(PromptAnswer::Cancel);
    EXPECT_EQ(run(TransferDirection::Read), TransferOutcome::Failed);
    EXPECT_EQ(prompts(), std::vector<std::string>{RadioTransfer::CommErrorText});
    EXPECT_EQ(ui.passes(), 7 + 601);
    EXPECT_EQ(target.renders(), 0);
    expectClosedOnce();
}

TEST_F(RadioTransferTest, UnsendableAcknowledgeIsReportedOnceAndEndsTheTransfer) {
    line.failWrite(10); // 7 wake-up bytes, 'M', 0x02, then the acknowledge
    prompter.answer(PromptAnswer::Ok);
    EXPECT_EQ(run(TransferDirection::Write), TransferOutcome::Failed);
    EXPECT_EQ(prompts(), std::vector<std::string>{RadioTransfer::SendOrderText});
    EXPECT_EQ(radio.blocksWritten(), 0);
    expectClosedOnce();
}

TEST_F(RadioTransferTest, RefusedWriteBlockInterruptsAndFillsTheBar) {
    FaultPlan faults;
    faults.refuseWriteBlock = 5;
    makeRadio(faults);
    prompter.answer({PromptAnswer::Ok, PromptAnswer::Ok});
    EXPECT_EQ(run(TransferDirection::Write), TransferOutcome::Failed);
    EXPECT_EQ(prompts(), (std::vector<std::string>{RadioTransfer::ProgramInterruptText,
                                                   RadioTransfer::partlyWrittenText(5)}));
    EXPECT_EQ(radio.blocksWritten(), 5);
    EXPECT_EQ(transfer.blocksSent(), 6);
    EXPECT_EQ(transfer.blocksAcknowledged(), 5);
    EXPECT_EQ(ui.statusTexts().back(), "5");
    EXPECT_EQ(ui.progressPosition(), 403);
    expectClosedOnce();
}

class ReadFailureTest : public RadioTransferTest {
protected:
    void SetUp() override {
        fillPattern(radio.memory(), 5);
        radio.memory()[RadioImage::ModelTypeOffset] = 4;
        target.setChannelCount(199);
        before = target.image();
    }
    // Blocks 0..done-1 came from the radio; the rest of the image is as it was.
    void expectPartialImage(int done) {
        for (std::size_t offset = 0; offset < RadioImage::Size; ++offset) {
            const bool received = inTransferredRange(offset, done);
            ASSERT_EQ(target.image()[offset], received ? radio.memory()[offset] : before[offset])
                << "offset " << offset;
        }
        EXPECT_EQ(target.channelCount(), 199);
        EXPECT_EQ(target.renders(), 0);
    }
    RadioImage before;
};

TEST_F(ReadFailureTest, ShortReplyEvenOfElevenBytesKeepsTheImageClean) {
    FaultPlan faults;
    faults.shortReadBlock = 7;
    faults.shortReadLength = 11;
    makeRadio(faults);
    SetUp();
    prompter.answer(PromptAnswer::Ok);
    EXPECT_EQ(run(TransferDirection::Read), TransferOutcome::Failed);
    EXPECT_EQ(prompts(), std::vector<std::string>{RadioTransfer::NotEnoughText});
    expectPartialImage(7);
    EXPECT_EQ(ui.progressPosition(), 7) << "the bar stays where it was";
    expectClosedOnce();
}

TEST_F(ReadFailureTest, AStrayByteThatShiftsAReplyFailsAndKeepsNothingOfIt) {
    // Paced: the 13th byte is still on the wire at the first purge; the second one sees it.
    FaultPlan faults;
    faults.strayBeforeReadBlock = 20;
    makeRadio(faults);
    radio.setPacing(true);
    SetUp();
    prompter.answer(PromptAnswer::Ok);
    EXPECT_EQ(run(TransferDirection::Read), TransferOutcome::Failed);
    EXPECT_EQ(prompts(), std::vector<std::string>{RadioTransfer::NotEnoughText});
    expectPartialImage(20);
    expectClosedOnce();
}

TEST_F(ReadFailureTest, ARadioThatAlwaysAppendsAByteKeepsWorkingUnlessOneReplyDiffers) {
    FaultPlan faults;
    faults.trailingByte = true;
    makeRadio(faults);
    SetUp();
    ASSERT_EQ(run(TransferDirection::Read), TransferOutcome::Completed);
    for (std::size_t offset = 0; offset < RadioImage::Size; ++offset)
        ASSERT_EQ(target.image()[offset],
                  inTransferredRange(offset, 403) ? radio.memory()[offset] : before[offset]);
    EXPECT_TRUE(prompts().empty());

    faults.strayBeforeReadBlock = 1;
    makeRadio(faults);
    SetUp();
    prompter.answer(PromptAnswer::Ok);
    EXPECT_EQ(run(TransferDirection::Read), TransferOutcome::Failed);
    EXPECT_EQ(prompts(), std::vector<std::string>{RadioTransfer::NotEnoughText});
}

TEST_F(ReadFailureTest, RepliesMustEchoTheirBlockWhenBlockZeroDid) {
    struct Case {
        std::vector<const char*> faults;
        bool completes;
        int blocksKept; // when it fails
    };
    const Case cases[] = {
        {{"shift=20"}, false, 20},
        {{"shift=402"}, false, 402},
        {{"trailing-byte", "stray=100", "short-read=100:11"}, false, 100},
        {{"no-echo"}, true, 0},
        {{"no-echo", "shift=20"}, true, 0}, // never judged: such radios keep working
        {{"trailing-byte"}, true, 0},
    };
    for (const Case& c : cases) {
        FaultPlan faults;
        std::string name;
        for (const char* fault : c.faults) {
            faults.add(fault);
            name += std::string(fault) + " ";
        }
        makeRadio(faults);
        prompter.clear();
        SetUp();
        if (!c.completes)
            prompter.answer(PromptAnswer::Ok);
        const TransferOutcome outcome = run(TransferDirection::Read);
        if (c.completes) {
            EXPECT_EQ(outcome, TransferOutcome::Completed) << name;
            EXPECT_TRUE(prompts().empty()) << name;
            continue;
        }
        EXPECT_EQ(outcome, TransferOutcome::Failed) << name;
        EXPECT_EQ(prompts(), std::vector<std::string>{RadioTransfer::NotEnoughText}) << name;
        expectPartialImage(c.blocksKept);
    }
}

TEST_F(ReadFailureTest, EachReadLearnsTheEchoAfresh) {
    makeRadio(FaultPlan{});
    ASSERT_EQ(run(TransferDirection::Read), TransferOutcome::Completed);
    FaultPlan silent;
    silent.noEcho = true;
    makeRadio(silent);
    EXPECT_EQ(run(TransferDirection::Read), TransferOutcome::Completed);
    EXPECT_TRUE(prompts().empty());
}

TEST_F(ReadFailureTest, WrongAcknowledgeAfterABlockKeepsThatBlock) {
    FaultPlan faults;
    faults.wrongReadAckBlock = 3;
    makeRadio(faults);
    SetUp();
    prompter.answer(PromptAnswer::Ok);
    EXPECT_EQ(run(TransferDirection::Read), TransferOutcome::Failed);
    EXPECT_EQ(prompts(), std::vector<std::string>{RadioTransfer::ReadAckText});
    expectPartialImage(4);
    expectClosedOnce();
}

TEST_F(ReadFailureTest, RadioHangingUpEndsAReadWithItsMessage) {
    FaultPlan faults;
    faults.hangUpBlock = 10;
    makeRadio(faults);
    SetUp();
    prompter.answer(PromptAnswer::Ok);
    EXPECT_EQ(run(TransferDirection::Read), TransferOutcome::Failed);
    EXPECT_EQ(prompts(), std::vector<std::string>{RadioTransfer::NotEnoughText});
    expectPartialImage(10);
    expectClosedOnce();
}

TEST_F(RadioTransferTest, RadioHangingUpEndsAWriteWithItsMessage) {
    FaultPlan faults;
    faults.hangUpBlock = 10;
    makeRadio(faults);
    prompter.answer({PromptAnswer::Ok, PromptAnswer::Ok});
    EXPECT_EQ(run(TransferDirection::Write), TransferOutcome::Failed);
    EXPECT_EQ(prompts(), (std::vector<std::string>{RadioTransfer::ProgramInterruptText,
                                                   RadioTransfer::partlyWrittenText(10)}));
    EXPECT_EQ(radio.blocksWritten(), 10);
    expectClosedOnce();
}

// ---- cancel ------------------------------------------------------------------------------

TEST_F(RadioTransferTest, CancelDuringTheHandshakeStopsQuietly) {
    ui.cancelAtPass(3);
    EXPECT_EQ(run(TransferDirection::Write), TransferOutcome::Cancelled);
    EXPECT_EQ(ui.passes(), 3);
    EXPECT_TRUE(sentToRadio().empty());
    EXPECT_TRUE(prompts().empty());
    expectClosedOnce();
}

TEST_F(RadioTransferTest, CancelDuringAWriteSaysHowFarItGot) {
    ui.cancelAtPass(7 + 21 * 50 + 1);
    prompter.answer(PromptAnswer::Ok);
    EXPECT_EQ(run(TransferDirection::Write), TransferOutcome::Cancelled);
    EXPECT_EQ(radio.blocksWritten(), 51);
    EXPECT_EQ(ui.progressPosition(), 51);
    EXPECT_EQ(prompts(), std::vector<std::string>{"Writing stopped after 51 of 404 blocks: the "
                                                  "radio is partly programmed. Write again to "
                                                  "complete it."});
    EXPECT_EQ(ui.windowCloses(), 1) << "the message comes after the window has gone";
    expectClosedOnce();
}

TEST_F(ReadFailureTest, CancelDuringAReadLeavesThePartImageAndTheGrid) {
    ui.cancelAtPass(7 + 19 * 20 + 5);
    EXPECT_EQ(run(TransferDirection::Read), TransferOutcome::Cancelled);
    expectPartialImage(21);
    EXPECT_TRUE(prompts().empty());
    expectClosedOnce();
}

TEST(RadioTransferCancelTest, CancelWhileWaitingForTheRadioEndsAsCancel) {
    // Reads: wake-up acknowledge, identity, final acknowledge, then per read block its reply
    // and acknowledge, per write block its acknowledge.
    struct Case {
        TransferDirection direction;
        int read;
        std::vector<std::string> prompts;
    };
    const Case cases[] = {
        {TransferDirection::Read, 4 + 2 * 10, {}},
        {TransferDirection::Read, 4 + 2 * 10 + 1, {}},
        {TransferDirection::Write, 4 + 10, {RadioTransfer::partlyWrittenText(10)}},
    };
    for (const Case& c : cases) {
        VirtualRadio radio;
        VirtualClock clock;
        TestPrompter prompter;
        FakeSerialLine line{radio, clock};
        RecordingTransferUi ui{prompter};
        ImageTransferTarget target{c.direction};
        RadioTransfer transfer{line, ui, clock};
        line.interruptRead(c.read, [&ui] { ui.requestCancel(); });
        if (!c.prompts.empty())
            prompter.answer(PromptAnswer::Ok);
        EXPECT_EQ(transfer.run("COM3", target), TransferOutcome::Cancelled) << c.read;
        EXPECT_EQ(firstLines(prompter.texts()), c.prompts) << c.read;
        EXPECT_FALSE(line.isOpen());
    }
}

TEST_F(RadioTransferTest, CancelWhileWaitingAfterAcceptedTypeMismatch) {
    radio.setRadioType(3);
    prompter.answer(PromptAnswer::Ok);
    ui.cancelAtPass(7 + 100);
    EXPECT_EQ(run(TransferDirection::Write), TransferOutcome::Cancelled);
    EXPECT_EQ(radio.wakeUps(), 1);
    expectClosedOnce();
}

// ---- verify after write ------------------------------------------------------------------

class VerifyTest : public RadioTransferTest {
protected:
    void SetUp() override {
        fillPattern(target.image().bytes(), 11);
        transfer.setVerifyAfterWrite(true);
    }
};

TEST_F(VerifyTest, AGoodRadioPassesInASecondSessionOfReadBlocks) {
    EXPECT_EQ(run(TransferDirection::Write), TransferOutcome::Completed);
    ASSERT_TRUE(transfer.verifyResult());
    EXPECT_TRUE(transfer.verifyResult()->passed());
    EXPECT_TRUE(prompts().empty());
    EXPECT_EQ(radio.wakeUps(), 2) << "the read-back wakes the radio afresh";
    EXPECT_EQ(radio.blocksRead(), RadioImage::ReadBlocks);
    EXPECT_EQ(ui.statusTexts().back(), "Written and verified: 403 blocks match");
    EXPECT_EQ(ui.statusTexts().end()[-2], RadioTransfer::VerifyPassedText);
    EXPECT_NE(std::find(ui.statusTexts().begin(), ui.statusTexts().end(), "Verify 403"),
              ui.statusTexts().end());
    EXPECT_EQ(target.renders(), 0) << "the read-back never reaches the document";
    expectClosedOnce();
}

TEST_F(VerifyTest, ABlockStoredWronglyIsCountedWithItsAddress) {
    FaultPlan faults;
    faults.badStoreBlock = 42;
    makeRadio(faults);
    prompter.answer(PromptAnswer::Ok);
    EXPECT_EQ(run(TransferDirection::Write), TransferOutcome::Completed);
    ASSERT_TRUE(transfer.verifyResult());
    EXPECT_EQ(transfer.verifyResult()->differingBlocks, 1);
    EXPECT_EQ(transfer.verifyResult()->firstAddress, 0x0150);
    EXPECT_EQ(prompts(), std::vector<std::string>{"Verify failed: 1 block differs, at 0x0150"});
    EXPECT_EQ(RadioTransfer::verifyFailedText(3, 0x1FC8),
              "Verify failed: 3 blocks differ, the first at 0x1FC8");
}

TEST_F(VerifyTest, TheLastWriteBlockIsNeverReadBack) {
    FaultPlan faults;
    faults.badStoreBlock = RadioImage::WriteBlocks - 1;
    makeRadio(faults);
    EXPECT_EQ(run(TransferDirection::Write), TransferOutcome::Completed);
    EXPECT_TRUE(transfer.verifyResult()->passed());
}

TEST_F(VerifyTest, AFailedReadBackIsReportedAsUnreadable) {
    FaultPlan faults;
    faults.shortReadBlock = 3;
    makeRadio(faults);
    prompter.answer({PromptAnswer::Ok, PromptAnswer::Ok});
    EXPECT_EQ(run(TransferDirection::Write), TransferOutcome::Completed);
    ASSERT_TRUE(transfer.verifyResult());
    EXPECT_FALSE(transfer.verifyResult()->readBack);
    EXPECT_EQ(prompts(), (std::vector<std::string>{RadioTransfer::NotEnoughText,
                                                   RadioTransfer::VerifyUnreadableText}));
    EXPECT_EQ(radio.blocksWritten(), RadioImage::WriteBlocks);
    expectClosedOnce();
}

TEST_F(VerifyTest, TheReadBackJudgesEchoesOnItsOwn) {
    FaultPlan faults;
    faults.shiftReadBlock = 30;
    makeRadio(faults);
    prompter.answer({PromptAnswer::Ok, PromptAnswer::Ok});
    EXPECT_EQ(run(TransferDirection::Write), TransferOutcome::Completed);
    ASSERT_TRUE(transfer.verifyResult());
    EXPECT_FALSE(transfer.verifyResult()->readBack);
    EXPECT_EQ(prompts(), (std::vector<std::string>{RadioTransfer::NotEnoughText,
                                                   RadioTransfer::VerifyUnreadableText}));
}

TEST_F(VerifyTest, NoVerifyAfterAnInterruptedWriteOrARead) {
    FaultPlan faults;
    faults.refuseWriteBlock = 2;
    makeRadio(faults);
    prompter.answer({PromptAnswer::Ok, PromptAnswer::Ok});
    EXPECT_EQ(run(TransferDirection::Write), TransferOutcome::Failed);
    EXPECT_FALSE(transfer.verifyResult());
    EXPECT_EQ(radio.wakeUps(), 1);

    makeRadio({});
    EXPECT_EQ(run(TransferDirection::Read), TransferOutcome::Completed);
    EXPECT_FALSE(transfer.verifyResult());
}

} // namespace
} // namespace tarn
