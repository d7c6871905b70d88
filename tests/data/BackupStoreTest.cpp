#include "data/BackupStore.h"

#include "data/SinFile.h"
#include "tests/support/FixedWallClock.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sys/stat.h>

namespace tarn {
namespace {

using test::FixedWallClock;
using test::TempDir;

RadioImage imageWith(std::uint8_t marker) {
    RadioImage image = RadioImage::newDocument();
    image[0x100] = marker;
    return image;
}

TEST(BackupNameTest, NamesRoundTripAndForeignNamesAreRefused) {
    const BackupName plain{{2026, 3, 4, 5, 6, 7}, BackupKind::Read, "", 1};
    EXPECT_EQ(plain.fileName(), "20260304-050607-read.sin");
    EXPECT_EQ(plain.timeText(), "2026-03-04 05:06:07");
    const BackupName fleet{{2026, 12, 31, 23, 59, 59}, BackupKind::Write, "ttyUSB0", 3};
    EXPECT_EQ(fleet.fileName(), "20261231-235959-write-ttyUSB0-3.sin");

    for (const BackupName& name : {plain, fleet}) {
        const auto parsed = BackupName::parse(name.fileName());
        ASSERT_TRUE(parsed) << name.fileName();
        EXPECT_EQ(parsed->fileName(), name.fileName());
    }
    for (const char* foreign : {"notes.sin", "20260304-050607-read.txt", "20260304-050607.sin",
                                "20260304-050607-copy.sin", "20260304-050607-read-1.sin",
                                "2026030x-050607-read.sin", "20260304-050607-read-a-b.sin"})
        EXPECT_FALSE(BackupName::parse(foreign)) << foreign;

    EXPECT_EQ(BackupName::portLabel("/dev/ttyUSB0"), "ttyUSB0");
    EXPECT_EQ(BackupName::portLabel("/dev/pts/3"), "pts_3");
    EXPECT_EQ(BackupName::portLabel("COM3"), "COM3");
    EXPECT_EQ(BackupName::portLabel("/dev/serial/by-id/usb-x"), "serial_by_id_usb_x");
    EXPECT_EQ(BackupName::portLabel("/dev/7"), "port7") << "never mistaken for a sequence";
}

TEST(BackupStoreTest, StoresInLocalTimeAndNeverOverAnotherFile) {
    TempDir dir;
    FixedWallClock clock({2026, 12, 7, 9, 5, 8});
    BackupStore store(dir / "backups", clock);

    const auto first = store.store(imageWith(1), BackupKind::Read);
    EXPECT_EQ(first.filename(), "20261207-090508-read.sin");
    EXPECT_EQ(SinFile::load(first), imageWith(1));
    const auto second = store.store(imageWith(2), BackupKind::Read);
    EXPECT_EQ(second.filename(), "20261207-090508-read-2.sin");
    EXPECT_EQ(store.store(imageWith(3), BackupKind::Write).filename(), "20261207-090508-write.sin");
    EXPECT_EQ(store.store(imageWith(4), BackupKind::Write, "/dev/ttyUSB1").filename(),
              "20261207-090508-write-ttyUSB1.sin");
    EXPECT_EQ(SinFile::load(first), imageWith(1)) << "the first backup is untouched";
    EXPECT_EQ(SinFile::load(second), imageWith(2));

    // A file of the user's that happens to carry the next name is skipped, not replaced.
    dir.write("backups/20261207-090508-read-3.sin", "mine");
    EXPECT_EQ(store.store(imageWith(5), BackupKind::Read).filename(), "20261207-090508-read-4.sin");
    EXPECT_EQ(dir.read("backups/20261207-090508-read-3.sin"), "mine");
}

TEST(BackupStoreTest, KeepsTheNewestAndLeavesOtherFilesAlone) {
    TempDir dir;
    FixedWallClock clock;
    BackupStore store(dir.path(), clock, 5);
    dir.write("notes.txt", "keep me");
    for (int i = 0; i < 8; ++i) {
        clock.set({2026, 12, 7, 10, i / 2, 0});
        (void)store.store(imageWith(static_cast<std::uint8_t>(i)), BackupKind::Read);
    }
    const auto entries = store.list();
    ASSERT_EQ(entries.size(), 5u);
    // Newest first; within one second the later name ("-2") is the newer.
    EXPECT_EQ(entries[0].file.filename(), "20261207-100300-read-2.sin");
    EXPECT_EQ(entries[1].file.filename(), "20261207-100300-read.sin");
    EXPECT_EQ(entries[4].file.filename(), "20261207-100100-read-2.sin");
    EXPECT_EQ(SinFile::load(entries[0].file), imageWith(7));
    EXPECT_TRUE(dir.has("notes.txt"));
    EXPECT_EQ(dir.entries(), 6u);
}

TEST(BackupStoreTest, TheBackupJustStoredSurvivesBackupsNamedLaterThanNow) {
    TempDir dir;
    FixedWallClock clock;
    BackupStore store(dir.path(), clock, 5);
    // A clock once ahead, or copies from another time zone.
    clock.set({2030, 1, 1, 0, 0, 0});
    for (int i = 0; i < 5; ++i)
        (void)store.store(imageWith(9), BackupKind::Read);
    clock.set({2026, 12, 7, 10, 0, 0});
    const auto path = store.store(imageWith(1), BackupKind::Write);
    ASSERT_TRUE(std::filesystem::exists(path)) << "the path told to the user leads to it";
    EXPECT_EQ(SinFile::load(path), imageWith(1));
    const auto entries = store.list();
    ASSERT_EQ(entries.size(), 5u);
    EXPECT_EQ(entries.back().file, path) << "names still order the list";
    EXPECT_EQ(entries[3].file.filename(), "20300101-000000-read-2.sin") << "the oldest went";
}

TEST(BackupStoreTest, TheDefaultKeepsTwoHundred) {
    TempDir dir;
    FixedWallClock clock;
    BackupStore store(dir.path(), clock);
    for (int i = 0; i < 205; ++i) {
        clock.set({2026, 12, 7, 11, i / 60, i % 60});
        (void)store.store(RadioImage(), BackupKind::Write);
    }
    const auto entries = store.list();
    ASSERT_EQ(entries.size(), BackupStore::DefaultKeep);
    EXPECT_EQ(entries.back().file.filename(), "20261207-110005-write.sin");
}

TEST(BackupStoreTest, AFolderThatCannotBeMadeIsAClearError) {
    TempDir dir;
    dir.write("file", "x");
    FixedWallClock clock;
    BackupStore store(dir / "file" / "backups", clock);
    try {
        (void)store.store(RadioImage(), BackupKind::Read);
        FAIL() << "stored under a plain file";
    } catch (const BackupError& e) {
        EXPECT_NE(std::string(e.what()).find("cannot create the backups folder"), std::string::npos)
            << e.what();
    }
    if (::geteuid() != 0) {
        ::chmod(dir.path().c_str(), 0500);
        BackupStore locked(dir.path(), clock);
        EXPECT_THROW((void)locked.store(RadioImage(), BackupKind::Read), BackupError);
        ::chmod(dir.path().c_str(), 0700);
    }
}

// Sets a variable for one scope and puts the old value back.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value)
        : m_name(name) {
        const char* old = std::getenv(name);
        if (old)
            m_old = old;
        m_had = old != nullptr;
        ::setenv(name, value, 1);
    }
    ~ScopedEnv() {
        if (m_had)
            ::setenv(m_name, m_old.c_str(), 1);
        else
            ::unsetenv(m_name);
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    const char* m_name;
    std::string m_old;
    bool m_had = false;
};

TEST(BackupStoreTest, DefaultFolderFollowsXdgDataHome) {
    {
        const ScopedEnv data("XDG_DATA_HOME", "/data/home");
        EXPECT_EQ(BackupStore::defaultFolder(), "/data/home/tarn/backups");
    }
    const ScopedEnv data("XDG_DATA_HOME", "relative");
    const ScopedEnv home("HOME", "/home/tech");
    EXPECT_EQ(BackupStore::defaultFolder(), "/home/tech/.local/share/tarn/backups");
}

TEST(BackupStoreTest, ContentsCountProgrammedChannelsOfTheModel) {
    RadioImage image = RadioImage::newDocument();
    image.row(0)[3] = 0x14;   // RX of channel 1
    image.row(170)[7] = 0x44; // TX of channel 171, not shown by a 160-channel model
    EXPECT_EQ(BackupContents::of(image).programmedChannels, 2);
    image[RadioImage::ModelTypeOffset] = 4;
    const BackupContents reduced = BackupContents::of(image);
    EXPECT_EQ(reduced.channelCount, 160);
    EXPECT_EQ(reduced.programmedChannels, 1);
}

} // namespace
} // namespace tarn
