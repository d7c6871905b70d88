#include "link/PosixPortSystem.h"

#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <sys/stat.h>
#include <unistd.h>

namespace tarn {
namespace {

namespace fs = std::filesystem;

// A system root of the test's own: /proc and the lock folders under a temporary folder.
class PosixPortSystemTest : public ::testing::Test {
protected:
    void process(int pid, const std::string& command) const {
        fs::create_directories(dir / "proc" / std::to_string(pid) / "fd");
        dir.write("proc/" + std::to_string(pid) + "/comm", command + "\n");
    }
    void lockFile(const std::string& folder, const std::string& bytes) const {
        fs::create_directories(dir / folder);
        dir.write(folder + "/LCK..ttyUSB0", bytes);
    }

    test::TempDir dir;
    PosixPortSystem system{nullptr, dir.path().string()};
};

TEST_F(PosixPortSystemTest, LockFilesAreNamedAsSerialProgramsNameThem) {
    EXPECT_EQ(PosixPortSystem::lockFileName("/dev/ttyUSB0"), "LCK..ttyUSB0");
    EXPECT_EQ(PosixPortSystem::lockFileName("/dev/pts/3"), "LCK..pts_3");
}

TEST_F(PosixPortSystemTest, TheHolderIsTheLiveProcessOfALockFile) {
    EXPECT_FALSE(system.holder("/dev/ttyUSB0"));
    lockFile("var/lock", "      4321\n");
    EXPECT_FALSE(system.holder("/dev/ttyUSB0")) << "its process is gone";
    process(4321, "minicom");
    const auto holder = system.holder("/dev/ttyUSB0");
    ASSERT_TRUE(holder);
    EXPECT_EQ(holder->pid, 4321);
    EXPECT_EQ(holder->command, "minicom");

    // The oldest kind holds the number in binary; Qt's adds the program's name below.
    fs::remove_all(dir / "var");
    const int pid = 77;
    lockFile("run/lock", std::string(reinterpret_cast<const char*>(&pid), sizeof pid));
    process(77, "cu");
    ASSERT_TRUE(system.holder("/dev/ttyUSB0"));
    EXPECT_EQ(system.holder("/dev/ttyUSB0")->command, "cu");
    lockFile("run/lock", "77\ntarn\nhost\n");
    EXPECT_EQ(system.holder("/dev/ttyUSB0")->pid, 77);
    lockFile("run/lock", "not a number");
    EXPECT_FALSE(system.holder("/dev/ttyUSB0"));
}

TEST_F(PosixPortSystemTest, WithoutALockFileTheProcessWithTheDeviceOpenHoldsIt) {
    dir.write("ttyFAKE", "");
    process(555, "picocom");
    fs::create_symlink(dir / "ttyFAKE", dir / "proc/555/fd/3");
    const auto holder = system.holder(dir.file("ttyFAKE"));
    ASSERT_TRUE(holder);
    EXPECT_EQ(holder->pid, 555);
    EXPECT_EQ(holder->command, "picocom");
}

TEST_F(PosixPortSystemTest, TheGroupComesFromTheNodeAndBrailleFromItsFiles) {
    dir.write("node", "");
    ASSERT_EQ(::chmod(dir.file("node").c_str(), 0660), 0);
    const auto group = system.deviceGroup(dir.file("node"));
    ASSERT_TRUE(group);
    EXPECT_FALSE(group->name.empty());
    EXPECT_TRUE(group->mayReadWrite);
    ASSERT_EQ(::chmod(dir.file("node").c_str(), 0600), 0);
    EXPECT_FALSE(system.deviceGroup(dir.file("node"))->mayReadWrite);
    EXPECT_FALSE(system.deviceGroup(dir.file("missing")));
    EXPECT_FALSE(system.userName().empty());

    EXPECT_FALSE(system.brailleServiceInstalled());
    fs::create_directories(dir / "usr/lib/udev/rules.d");
    dir.write("usr/lib/udev/rules.d/85-brltty.rules", "");
    EXPECT_TRUE(system.brailleServiceInstalled());
}

} // namespace
} // namespace tarn
