#include "link/PortTrouble.h"
#include "link/RadioTransfer.h"

#include "radio/VirtualRadio.h"
#include "tests/support/FakeSerialLine.h"
#include "tests/support/ImageTransferTarget.h"
#include "tests/support/RecordingTransferUi.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestPrompter.h"
#include "tests/support/VirtualClock.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <fstream>

#ifdef __linux__
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace tarn {
namespace {

using test::FakeSerialLine;
using test::ImageTransferTarget;
using test::RecordingTransferUi;
using test::TestPrompter;
using test::VirtualClock;

// A port that will not open, seen through the transfer: the described message stays first
// and the advice follows as its own paragraph.
class PortTroubleTest : public ::testing::Test {
protected:
    std::string openFailureMessage(OpenFailure failure) {
        line.failOpen(std::move(failure));
        transfer.setDeviceProbe([this](const std::string& device) {
            probed.push_back(device);
            return facts;
        });
        prompter.answer(PromptAnswer::Ok);
        EXPECT_EQ(transfer.run("COM1", target), TransferOutcome::PortUnavailable);
        EXPECT_EQ(prompter.texts().size(), 1U);
        return prompter.texts().empty() ? std::string() : prompter.texts().front();
    }

    VirtualRadio radio;
    VirtualClock clock;
    TestPrompter prompter;
    FakeSerialLine line{radio, clock};
    RecordingTransferUi ui{prompter};
    ImageTransferTarget target{TransferDirection::Read};
    RadioTransfer transfer{line, ui, clock};
    DeviceFacts facts{"dialout", true, "ann", true, false, ""};
    std::vector<std::string> probed;
};

const std::string First = std::string(RadioTransfer::OpenFailedText) + "\n\n";

TEST_F(PortTroubleTest, EachFailureGetsItsAdviceUnderTheDescribedMessage) {
    struct Case {
        const char* name;
        int error;
        DeviceFacts facts;
        std::string advice;
    };
    const Case cases[] = {
        {"refused, group from the device",
         EACCES,
         {"dialout", true, "ann", true, false, ""},
         "Your account may not use /dev/ttyUSB0. Add it to the group that owns the device (sudo "
         "usermod -aG dialout ann), then log out and in again."},
        {"refused, another distribution's group",
         EACCES,
         {"uucp", true, "", true, false, ""},
         "Your account may not use /dev/ttyUSB0. Add it to the group that owns the device (sudo "
         "usermod -aG uucp USER), then log out and in again."},
        {"refused, root's alone",
         EACCES,
         {"root", true, "ann", true, false, ""},
         "Your account may not use /dev/ttyUSB0, and no group gives access to it: ask the "
         "administrator for access."},
        {"refused, group may not write",
         EACCES,
         {"dialout", false, "ann", true, false, ""},
         "Your account may not use /dev/ttyUSB0, and no group gives access to it: ask the "
         "administrator for access."},
        {"missing, other adapters present",
         ENOENT,
         {"", false, "ann", true, true, ""},
         "/dev/ttyUSB0: No such device: is the cable plugged in?"},
        {"missing, no adapter and no braille service",
         ENOENT,
         {"", false, "ann", false, false, ""},
         "/dev/ttyUSB0: No such device: is the cable plugged in?"},
        {"missing, no adapter and a braille service",
         ENOENT,
         {"", false, "ann", false, true, ""},
         "/dev/ttyUSB0: No such device: is the cable plugged in?\nNo USB serial port is present "
         "and the braille display service (brltty) is installed: it can claim USB serial "
         "adapters. Without a braille display, remove it (sudo apt remove brltty) and plug the "
         "cable in again."},
        {"busy, holder known",
         EBUSY,
         {"dialout", true, "ann", true, false, "minicom (process 812)"},
         "/dev/ttyUSB0 is in use by minicom (process 812): close it and try again."},
        {"busy, holder unknown",
         EBUSY,
         {"dialout", true, "ann", true, false, ""},
         "/dev/ttyUSB0 is in use by another program: close it and try again."},
        {"anything else", EIO, {}, "/dev/ttyUSB0: Input/output error"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        facts = c.facts;
        prompter.clear();
        EXPECT_EQ(openFailureMessage({"/dev/ttyUSB0", c.error, ""}), First + c.advice);
    }
    EXPECT_EQ(probed.size(), std::size(cases));
    EXPECT_EQ(probed.front(), "/dev/ttyUSB0");
}

TEST_F(PortTroubleTest, NothingKnownLeavesTheMessageAloneAndAsksNothing) {
    EXPECT_EQ(openFailureMessage({}), RadioTransfer::OpenFailedText);
    EXPECT_TRUE(probed.empty());
    prompter.clear();
    EXPECT_EQ(openFailureMessage({"/dev/x", 0, "odd failure"}), First + "/dev/x: odd failure");
    EXPECT_TRUE(probed.empty());
}

#ifdef __linux__

TEST(PortTroubleProbeTest, ReadsTheOwningGroupAndWhetherItMayUseTheDevice) {
    const test::TempDir dir;
    const std::string device = (dir.path() / "ttyFake").string();
    std::ofstream(device) << "";
    ASSERT_EQ(::chmod(device.c_str(), 0660), 0);
    DeviceFacts facts = PortTrouble::probe(device);
    EXPECT_FALSE(facts.group.empty());
    EXPECT_TRUE(facts.groupMayReadWrite);
    EXPECT_FALSE(facts.user.empty());
    EXPECT_EQ(facts.holder, "");
    ASSERT_EQ(::chmod(device.c_str(), 0640), 0);
    EXPECT_FALSE(PortTrouble::probe(device).groupMayReadWrite);
    EXPECT_EQ(PortTrouble::probe(device + "-missing").group, "");
}

TEST(PortTroubleProbeTest, NamesTheProcessThatHoldsTheDevicesLock) {
    const test::TempDir dir;
    const std::string device = (dir.path() / "ttyHeld").string();
    std::ofstream(device) << "";
    int locked[2];
    int release[2];
    ASSERT_EQ(::pipe(locked), 0);
    ASSERT_EQ(::pipe(release), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // Only the parent's end may keep the release pipe open, or its close wakes no one.
        ::close(release[1]);
        ::close(locked[0]);
        const int fd = ::open(device.c_str(), O_RDWR);
        const char ok = fd >= 0 && ::flock(fd, LOCK_EX) == 0 ? '1' : '0';
        (void)!::write(locked[1], &ok, 1);
        char byte = 0;
        (void)!::read(release[0], &byte, 1);
        ::_exit(0);
    }
    ::close(release[0]);
    ::close(locked[1]);
    char ok = 0;
    const bool childLocked = ::read(locked[0], &ok, 1) == 1 && ok == '1';
    const std::string holder = childLocked ? PortTrouble::probe(device).holder : std::string();
    ::close(release[1]);
    ::close(locked[0]);
    ::waitpid(child, nullptr, 0);
    ASSERT_TRUE(childLocked);
    EXPECT_NE(holder.find("(process " + std::to_string(child) + ")"), std::string::npos) << holder;
}

#endif

} // namespace
} // namespace tarn
