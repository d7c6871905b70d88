#include "link/SerialPortLine.h"

#include "common/SystemClock.h"
#include "link/PosixPortSystem.h"
#include "link/RadioTransfer.h"
#include "tests/support/ImageTransferTarget.h"
#include "tests/support/PtyRadioFixture.h"
#include "tests/support/RecordingTransferUi.h"
#include "tests/support/TestPrompter.h"

#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <array>
#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace tarn {
namespace {

using test::ImageTransferTarget;
using test::PtyRadioFixture;
using test::RecordingTransferUi;
using test::TestPrompter;

// A bare pseudo-terminal: the test talks through the master and watches the slave side
// through a descriptor of its own.
class PtyPair {
public:
    PtyPair() {
        m_master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
        if (m_master < 0 || ::grantpt(m_master) != 0 || ::unlockpt(m_master) != 0)
            throw std::runtime_error("no pseudo-terminal");
        m_path = ::ptsname(m_master);
        m_watch = ::open(m_path.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    }
    ~PtyPair() {
        ::close(m_watch);
        ::close(m_master);
    }
    PtyPair(const PtyPair&) = delete;
    PtyPair& operator=(const PtyPair&) = delete;

    [[nodiscard]] const std::string& path() const { return m_path; }
    // Sends bytes towards the port and returns once they wait in its input queue.
    void send(std::span<const std::uint8_t> bytes) const {
        ASSERT_EQ(::write(m_master, bytes.data(), bytes.size()),
                  static_cast<ssize_t>(bytes.size()));
        for (int queued = 0; queued < static_cast<int>(bytes.size());)
            if (::ioctl(m_watch, FIONREAD, &queued) != 0)
                break;
    }
    // Takes the advisory lock another serial program would take.
    [[nodiscard]] bool lockAsAnotherProgram() const {
        return ::flock(m_watch, LOCK_EX | LOCK_NB) == 0;
    }
    void unlock() const { (void)::flock(m_watch, LOCK_UN); }
    [[nodiscard]] bool exclusive() const {
        int flag = 0;
        return ::ioctl(m_watch, TIOCGEXCL, &flag) == 0 && flag != 0;
    }

private:
    int m_master = -1;
    int m_watch = -1;
    std::string m_path;
};

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

TEST_F(SerialPortLineTest, ALateWakeUpStillTakesTheBytesThatArrivedMeanwhile) {
    PtyPair pty;
    // Every look at the clock finds it an hour later, as on a machine too busy to run us.
    auto now = std::chrono::steady_clock::now();
    SerialPortLine line([&] { return now += std::chrono::hours(1); });
    ASSERT_TRUE(line.open(pty.path())) << line.errorText();
    line.setTimeouts(SerialTimeouts{});
    line.setLineSettings(LineSettings{});
    const std::array<std::uint8_t, 12> reply = {'W', 0, 0x08, 8, 1, 2, 3, 4, 5, 6, 7, 8};
    pty.send(reply);
    std::array<std::uint8_t, 12> got{};
    const ReadResult result = line.read(got);
    EXPECT_FALSE(result.failed);
    ASSERT_EQ(result.count, 12u);
    EXPECT_EQ(got, reply);
    // Nothing there: the passed deadline still ends the read, without failing the port.
    EXPECT_EQ(line.read(got).count, 0u);
    EXPECT_FALSE(line.isLost());
}

TEST_F(SerialPortLineTest, AStopCheckEndsAWaitWithoutFailingThePort) {
    PtyPair pty;
    // A frozen clock: without the check this read would wait out its whole deadline.
    const auto frozen = std::chrono::steady_clock::now();
    SerialPortLine line([&] { return frozen; });
    int asked = 0;
    line.setStopCheck([&] { return ++asked >= 2; });
    ASSERT_TRUE(line.open(pty.path())) << line.errorText();
    line.setTimeouts(SerialTimeouts{});
    std::array<std::uint8_t, 12> got{};
    const ReadResult result = line.read(got);
    EXPECT_FALSE(result.failed);
    EXPECT_EQ(result.count, 0u);
    EXPECT_EQ(asked, 2);
    EXPECT_FALSE(line.isLost());
}

TEST_F(SerialPortLineTest, ThePortIsHeldExclusivelyAndReleasedOnClose) {
    PtyPair pty;
    SerialPortLine first;
    SerialPortLine second;
    ASSERT_TRUE(first.open(pty.path())) << first.errorText();
    EXPECT_FALSE(pty.exclusive()) << "a killed holder could never clear it";
    EXPECT_FALSE(second.open(pty.path())) << "a second opener, root included, is kept out";
    EXPECT_FALSE(second.isOpen());
    EXPECT_EQ(second.openFailure().error, EBUSY);
    EXPECT_EQ(second.openFailure().device, pty.path());
    EXPECT_EQ(second.errorText(), "in use by another program") << "not Qt's words on its lock";
    first.close();
    EXPECT_FALSE(pty.exclusive());

    // A program that locked the device first keeps it, whoever runs this one.
    ASSERT_TRUE(pty.lockAsAnotherProgram());
    EXPECT_FALSE(second.open(pty.path()));
    EXPECT_EQ(second.errorText(), "in use by another program");
    EXPECT_EQ(second.openFailure().error, EBUSY);
    // This process holds it, and the system can tell.
    const auto holder = PosixPortSystem::instance().holder(pty.path());
    ASSERT_TRUE(holder);
    EXPECT_EQ(holder->pid, ::getpid());
    pty.unlock();
    ASSERT_TRUE(second.open(pty.path())) << second.errorText();
    EXPECT_FALSE(pty.lockAsAnotherProgram());
    second.close();
}

TEST_F(SerialPortLineTest, TwoTransfersInARowOnOnePortBothSucceed) {
    PtyRadioFixture radio;
    radio.start();
    for (int run = 0; run < 2; ++run) {
        ImageTransferTarget writer(TransferDirection::Write);
        ASSERT_EQ(transfer(radio, writer), TransferOutcome::Completed) << "run " << run;
    }
    EXPECT_TRUE(prompter.texts().empty());
}

TEST_F(SerialPortLineTest, RetryReopensAPortWhoseDeviceWasLostAndCameBack) {
    test::TempDir dir;
    const std::filesystem::path link = dir / "ttyRADIO";
    FaultPlan vanishing;
    vanishing.hangUpOnWakeUp = true;
    PtyRadioFixture lost(vanishing);
    PtyRadioFixture back;
    back.radio().memory()[5] = 0x42;
    lost.start();
    back.start();
    std::filesystem::create_symlink(lost.devicePath(), link);
    SerialPortLine line;
    RecordingTransferUi ui(prompter);
    // Once the port is open, the name already leads to the device plugged in next.
    ui.onPass([&](int pass) {
        if (pass != 1)
            return;
        std::filesystem::remove(link);
        std::filesystem::create_symlink(back.devicePath(), link);
    });
    SystemClock clock;
    ImageTransferTarget reader(TransferDirection::Read);
    RadioTransfer run(line, ui, clock);
    prompter.answer(PromptAnswer::Retry);
    EXPECT_EQ(run.run(link.string(), reader), TransferOutcome::Completed);
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{RadioTransfer::CommErrorText});
    EXPECT_EQ(reader.image()[5], 0x42);
}

TEST_F(SerialPortLineTest, MissingDeviceCannotBeOpened) {
    SerialPortLine line;
    EXPECT_FALSE(line.open("/dev/tarn-no-such-port"));
    EXPECT_FALSE(line.errorText().empty());
    EXPECT_EQ(line.openFailure().error, ENOENT);
    EXPECT_EQ(line.openFailure().device, "/dev/tarn-no-such-port");
    EXPECT_FALSE(line.isOpen());
    std::array<std::uint8_t, 1> byte{};
    EXPECT_TRUE(line.read(byte).failed);
    EXPECT_FALSE(line.write(byte));
}

} // namespace
} // namespace tarn
