#include "link/SerialPortLine.h"

#include "common/SystemClock.h"
#include "link/RadioTransfer.h"
#include "tests/support/ImageTransferTarget.h"
#include "tests/support/PtyRadioFixture.h"
#include "tests/support/RecordingTransferUi.h"
#include "tests/support/TestPrompter.h"

#include <gtest/gtest.h>

#include <array>

namespace tarn {
namespace {

using test::ImageTransferTarget;
using test::PtyRadioFixture;
using test::RecordingTransferUi;
using test::TestPrompter;

class SerialPortLineTest : public ::testing::Test {
protected:
    TransferOutcome transfer(PtyRadioFixture& radio, ImageTransferTarget& target) {
        SerialPortLine line;
        RecordingTransferUi ui(prompter);
        SystemClock clock;
        RadioTransfer run(line, ui, clock);
        const TransferOutcome outcome = run.run(radio.devicePath(), target);
        EXPECT_FALSE(line.isOpen());
        return outcome;
    }

    TestPrompter prompter;
};

TEST_F(SerialPortLineTest, WriteThenReadReturnsTheTransferredBytes) {
    PtyRadioFixture radio;
    radio.start();
    ImageTransferTarget writer(TransferDirection::Write);
    for (std::size_t i = 0; i < RadioImage::Size; ++i)
        writer.image()[i] = static_cast<std::uint8_t>(i * 13 + 1);
    writer.image()[RadioImage::ModelTypeOffset] = 5;
    ASSERT_EQ(transfer(radio, writer), TransferOutcome::Completed);

    ImageTransferTarget reader(TransferDirection::Read);
    ASSERT_EQ(transfer(radio, reader), TransferOutcome::Completed);
    EXPECT_TRUE(prompter.texts().empty());
    for (int block = 0; block < RadioImage::ReadBlocks; ++block) {
        const std::size_t address = RadioImage::blockAddress(block);
        for (std::size_t i = address; i < address + RadioImage::BlockSize; ++i)
            ASSERT_EQ(reader.image()[i], writer.image()[i]) << "offset " << i;
    }
    EXPECT_EQ(reader.channelCount(), 160);
    radio.stop();
    EXPECT_EQ(radio.radio().blocksWritten(), RadioImage::WriteBlocks);
    EXPECT_EQ(radio.radio().memory()[0x1FEF], writer.image()[0x1FEF]);
}

TEST_F(SerialPortLineTest, RadioHangingUpEndsATransferWithItsMessage) {
    struct Case {
        TransferDirection direction;
        const char* message;
    };
    for (const Case c : {Case{TransferDirection::Read, RadioTransfer::NotEnoughText},
                         Case{TransferDirection::Write, RadioTransfer::ProgramInterruptText}}) {
        FaultPlan faults;
        faults.hangUpBlock = 20;
        PtyRadioFixture radio(faults);
        radio.start();
        ImageTransferTarget target(c.direction);
        prompter.clear();
        prompter.answer({PromptAnswer::Ok, PromptAnswer::Ok});
        EXPECT_EQ(transfer(radio, target), TransferOutcome::Failed);
        EXPECT_EQ(prompter.texts().front(), c.message);
        EXPECT_EQ(target.renders(), 0);
    }
}

TEST_F(SerialPortLineTest, ReadsFollowTheIntervalRule) {
    FaultPlan joined;
    joined.splitPieceBytes = 3;
    joined.splitGapMs = 1;
    FaultPlan torn = joined;
    torn.splitGapMs = 300;
    for (const auto& [faults, expected] : {std::pair{joined, 12u}, std::pair{torn, 3u}}) {
        PtyRadioFixture radio(faults);
        radio.start();
        SerialPortLine line;
        ASSERT_TRUE(line.open(radio.devicePath())) << line.errorText();
        line.setTimeouts(SerialTimeouts{});
        line.setLineSettings(LineSettings{});
        const std::array<std::uint8_t, 7> wakeUp = {0x02, 'P', 'R', 'O', 'G', 'R', 'A'};
        ASSERT_TRUE(line.write(wakeUp));
        std::array<std::uint8_t, 1> ack{};
        ASSERT_EQ(line.read(ack).count, 1u);
        const std::array<std::uint8_t, 2> mode = {'M', 0x02};
        ASSERT_TRUE(line.write(mode));
        std::array<std::uint8_t, 12> identity{};
        const ReadResult result = line.read(std::span(identity).first(8));
        EXPECT_FALSE(result.failed);
        EXPECT_EQ(result.count, std::min<std::size_t>(expected, 8u));
        line.close();
    }
}

TEST_F(SerialPortLineTest, SilentLineTimesOutWithoutFailing) {
    PtyRadioFixture radio;
    radio.start();
    SerialPortLine line;
    ASSERT_TRUE(line.open(radio.devicePath()));
    line.setTimeouts(SerialTimeouts{1, 1, 5, 50, 50});
    std::array<std::uint8_t, 4> buffer{};
    const ReadResult result = line.read(buffer);
    EXPECT_EQ(result.count, 0u);
    EXPECT_FALSE(result.failed);
    // The radio still answers afterwards: a time-out does not kill the port.
    const std::array<std::uint8_t, 7> wakeUp = {0x02, 'P', 'R', 'O', 'G', 'R', 'A'};
    ASSERT_TRUE(line.write(wakeUp));
    line.setTimeouts(SerialTimeouts{});
    EXPECT_EQ(line.read(std::span(buffer).first(1)).count, 1u);
    EXPECT_EQ(buffer[0], 0x06);
}

TEST_F(SerialPortLineTest, MissingDeviceCannotBeOpened) {
    SerialPortLine line;
    EXPECT_FALSE(line.open("/dev/tarn-no-such-port"));
    EXPECT_FALSE(line.errorText().empty());
    EXPECT_FALSE(line.isOpen());
    std::array<std::uint8_t, 1> byte{};
    EXPECT_TRUE(line.read(byte).failed);
    EXPECT_FALSE(line.write(byte));
}

} // namespace
} // namespace tarn
