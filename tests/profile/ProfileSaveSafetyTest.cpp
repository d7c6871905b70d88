#include "profile/ProfileFile.h"

#include "tests/profile/FaultyFileOps.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <iostream>

#ifndef _WIN32
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#endif

namespace tarn {
namespace {

using test::FaultyFileOps;
using test::TempDir;
namespace fs = std::filesystem;
using Status = ProfileFile::SaveResult::Status;

const std::string kOld = "[MAIN]\r\nold=a rather long line that the new text will not cover\r\n";

class ProfileSaveSafetyTest : public ::testing::Test {
protected:
    void SetUp() override { dir.write("A.ini", kOld); }

    // Opens A.ini through ops and changes a value so there is something to save.
    void openChanged(ProfileFile& store) {
        ASSERT_TRUE(store.open(dir.file("A.ini"), false, true, false));
        store.setString("MAIN", "old", "short");
    }

    TempDir dir;
    FaultyFileOps ops;
};

TEST_F(ProfileSaveSafetyTest, ReplacesTheFileWithoutLeavingATemporary) {
    ProfileFile store(4, ops);
    openChanged(store);
    EXPECT_EQ(store.save(false).status, Status::Written);
    EXPECT_EQ(dir.read("A.ini"), "[MAIN]\r\nold=short\r\n");
    EXPECT_EQ(dir.entries(), 1u);
}

TEST_F(ProfileSaveSafetyTest, ReadOnlyFileIsLeftAloneAndStaysModified) {
    ProfileFile store(4, ops);
    openChanged(store);
    ops.fileReadOnly = true;
    EXPECT_EQ(store.save(false).status, Status::ReadOnly);
    EXPECT_TRUE(store.isModified());
    EXPECT_EQ(dir.read("A.ini"), kOld);
    ops.fileReadOnly = false;
    EXPECT_EQ(store.save(false).status, Status::Written); // the close-time save tries again
}

#ifndef _WIN32
TEST_F(ProfileSaveSafetyTest, AReadOnlyFileOnDiskStaysForRootToo) {
    fs::permissions(dir / "A.ini", fs::perms::owner_read | fs::perms::group_read);
    {
        ProfileFile store; // the real file system: root may open anything for writing
        openChanged(store);
        EXPECT_EQ(store.save(false).status, Status::ReadOnly);
        EXPECT_EQ(dir.read("A.ini"), kOld);
    } // the close-time save leaves it too
    EXPECT_EQ(dir.read("A.ini"), kOld);
    EXPECT_EQ(dir.entries(), 1u);
}
#endif

TEST_F(ProfileSaveSafetyTest, ASaveRemovesTemporaryFilesOfAKilledRun) {
    const auto now = fs::file_time_type::clock::now();
    for (const char* name : {"A.ini.~0a1b2c", "A.ini.~ffffff"})
        dir.write(name, "half");
    fs::last_write_time(dir / "A.ini.~0a1b2c", now - std::chrono::minutes(5));
    ProfileFile store;
    openChanged(store);
    ASSERT_EQ(store.save(false).status, Status::Written);
    EXPECT_FALSE(dir.has("A.ini.~0a1b2c"));
    EXPECT_TRUE(dir.has("A.ini.~ffffff")) << "a save may still be writing it";
}

TEST_F(ProfileSaveSafetyTest, ReadOnlyDirectoryRewritesInPlaceWithoutTheOldTail) {
    ProfileFile store(4, ops);
    openChanged(store);
    ops.directoryReadOnly = true;
    EXPECT_EQ(store.save(false).status, Status::Written);
    EXPECT_EQ(dir.read("A.ini"), "[MAIN]\r\nold=short\r\n");
    EXPECT_EQ(dir.entries(), 1u);
}

TEST_F(ProfileSaveSafetyTest, FailedRenameFallsBackToInPlace) {
    ProfileFile store(4, ops);
    openChanged(store);
    store.setString("MAIN", "added", std::string(200, 'x'));
    ops.renameFails = true;
    EXPECT_EQ(store.save(false).status, Status::Written);
    EXPECT_EQ(dir.read("A.ini"), "[MAIN]\r\nold=short\r\nadded=" + std::string(200, 'x') + "\r\n");
    EXPECT_EQ(dir.entries(), 1u);
}

TEST_F(ProfileSaveSafetyTest, ReadFailureLeavesTheStoreUnbound) {
    ops.readFails = true;
    {
        ProfileFile store(4, ops);
        EXPECT_FALSE(store.open(dir.file("A.ini"), true, true, false));
        store.setString("MAIN", "old", "x");
        EXPECT_FALSE(store.isBound());
    }
    EXPECT_EQ(dir.read("A.ini"), kOld);
}

#ifndef _WIN32
TEST_F(ProfileSaveSafetyTest, OpenRefusesPipesDevicesAndHugeFilesAtOnce) {
    ASSERT_EQ(::mkfifo(dir.file("pipe.ini").c_str(), 0600), 0);
    std::vector<std::string> refused = {dir.file("pipe.ini"), dir.file("huge.ini")};
    dir.write("huge.ini", "");
    fs::resize_file(dir / "huge.ini", FileOps::MaxReadBytes + 1);
    if (::mknod(dir.file("zero.ini").c_str(), S_IFCHR | 0666, ::makedev(1, 5)) == 0)
        refused.push_back(dir.file("zero.ini"));
    else
        std::cout << "[ SKIPPED  ] device node case: mknod not permitted here\n";
    for (const std::string& path : refused) {
        ProfileFile store;
        EXPECT_FALSE(store.open(path, true, true, false)) << path;
        EXPECT_FALSE(store.isBound());
        store.setString("MAIN", "k", "v");
    }
    EXPECT_EQ(fs::status(dir / "pipe.ini").type(), fs::file_type::fifo);
    EXPECT_EQ(fs::file_size(dir / "huge.ini"), FileOps::MaxReadBytes + 1);

    dir.write("max.ini", std::string(FileOps::MaxReadBytes, 'k'));
    ProfileFile store;
    EXPECT_TRUE(store.open(dir.file("max.ini"), false, true, false)) << "the limit itself loads";
}

// Lets no file grow past a few bytes while it lives, as a full disk would.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_saved);
        rlimit limit = m_saved;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &m_saved); }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_saved{};
};

TEST_F(ProfileSaveSafetyTest, FullDiskKeepsTheOldFileAndNoTemporary) {
    ProfileFile store(4, ops);
    openChanged(store);
    store.setString("MAIN", "big", std::string(100000, 'x'));
    Status status{};
    {
        FileSizeLimit limit(4096);
        status = store.save(false).status;
    }
    EXPECT_EQ(status, Status::Failed);
    EXPECT_TRUE(store.isModified());
    EXPECT_EQ(dir.read("A.ini"), kOld);
    EXPECT_EQ(dir.entries(), 1u);
}

TEST_F(ProfileSaveSafetyTest, FullDiskInPlaceKeepsTheOldFile) {
    ProfileFile store(4, ops);
    openChanged(store);
    store.setString("MAIN", "big", std::string(100000, 'x'));
    ops.directoryReadOnly = true;
    Status status{};
    {
        FileSizeLimit limit(4096);
        status = store.save(false).status;
    }
    EXPECT_EQ(status, Status::Failed);
    EXPECT_EQ(dir.read("A.ini"), kOld);
}
#endif

class ProfileBackupTest : public ::testing::Test {
protected:
    TempDir dir;
};

TEST_F(ProfileBackupTest, NumbersGoOnFromTheHighestExisting) {
    dir.write("A.ini", "[S]\nk=0\n");
    dir.write("a.INI.007", "");
    dir.write("A.ini.bak", "");
    dir.write("Other.ini.050", "");
    ProfileFile store;
    ASSERT_TRUE(store.open(dir.file("A.ini"), false, true, false));
    store.setString("S", "k", "1");
    EXPECT_EQ(store.save(true).backupPath, dir.file("A.ini.008"));
    EXPECT_EQ(dir.read("A.ini.008"), "[S]\nk=0\n");

    // Later saves of the same store copy to the same backup.
    store.setString("S", "k", "2");
    EXPECT_EQ(store.save(true).backupPath, dir.file("A.ini.008"));
    EXPECT_EQ(dir.read("A.ini.008"), "[S]\r\nk=1\r\n");
    EXPECT_EQ(dir.read("A.ini"), "[S]\r\nk=2\r\n");
}

TEST_F(ProfileBackupTest, NumbersGoOnPast999) {
    dir.write("A.ini", "[S]\nk=0\n");
    dir.write("A.ini.999", "");
    for (const char* expected : {"A.ini.1000", "A.ini.1001"}) {
        ProfileFile store;
        ASSERT_TRUE(store.open(dir.file("A.ini"), false, true, false));
        store.setString("S", "k", expected);
        EXPECT_EQ(store.save(true).backupPath, dir.file(expected));
        EXPECT_TRUE(dir.has(expected));
    }
}

TEST_F(ProfileBackupTest, CloseSequenceBacksUpWhenAsked) {
    dir.write("A.ini", "[S]\nk=0\n");
    {
        ProfileFile store;
        ASSERT_TRUE(store.open(dir.file("A.ini"), true, true, true));
        store.setString("S", "k", "1");
    }
    EXPECT_EQ(dir.read("A.ini.001"), "[S]\nk=0\n");
    EXPECT_EQ(dir.read("A.ini"), "[S]\r\nk=1\r\n");
}

TEST_F(ProfileBackupTest, FailedBackupDoesNotStopTheSave) {
    dir.write("A.ini", "[S]\nk=0\n");
    FaultyFileOps ops;
    ProfileFile store(4, ops);
    ASSERT_TRUE(store.open(dir.file("A.ini"), false, true, false));
    store.setString("S", "k", "1");
    ops.directoryReadOnly = true; // no backup can be made, the file is rewritten in place
    EXPECT_EQ(store.save(true).status, ProfileFile::SaveResult::Status::Written);
    EXPECT_EQ(ops.copies, 1);
    EXPECT_FALSE(dir.has("A.ini.001"));
    EXPECT_EQ(dir.read("A.ini"), "[S]\r\nk=1\r\n");
}

} // namespace
} // namespace tarn
