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

TEST(BackupRecordTest, RecordsRoundTripAndAnythingElseReadsAsNone) {
    const BackupRecord record{BackupOutcome::VerifyFailed, "COM2", "/dev/ttyUSB1"};
    EXPECT_EQ(record.text(),
              "tarn backup record 1\noutcome=verify-failed\nport=COM2\ndevice=/dev/ttyUSB1\n");
    for (const BackupOutcome outcome :
         {BackupOutcome::Complete, BackupOutcome::Verified, BackupOutcome::PartlyWritten,
          BackupOutcome::VerifyFailed, BackupOutcome::NotVerified}) {
        const auto parsed = BackupRecord::parse(BackupRecord{outcome, "/dev/ttyUSB0", ""}.text());
        ASSERT_TRUE(parsed);
        EXPECT_EQ(parsed->outcome, outcome);
        EXPECT_EQ(parsed->port, "/dev/ttyUSB0");
        EXPECT_EQ(parsed->device, "");
    }
    // Edited in a Windows editor, and with a key from a later version.
    const auto edited =
        BackupRecord::parse("tarn backup record 1\r\noutcome=complete\r\nspeed=9600\r\n");
    ASSERT_TRUE(edited);
    EXPECT_EQ(edited->outcome, BackupOutcome::Complete);

    for (const std::string& bad : std::vector<std::string>{
             "", "\n", "outcome=complete\n", "tarn backup record 2\noutcome=complete\n",
             "tarn backup record 1\n", "tarn backup record 1\noutcome=complete",
             "tarn backup record 1\noutcome=great\n", "tarn backup record 1\noutcome complete\n",
             "tarn backup record 1\noutcome=complete\nport=a\tb\n",
             std::string("tarn backup record 1\noutcome=complete\nport=") + std::string(300, 'x') +
                 "\n",
             std::string("tarn backup record 1\noutcome=complete\n") + std::string(5000, '\n'),
             std::string("tarn backup record 1\0\noutcome=complete\n", 39)})
        EXPECT_FALSE(BackupRecord::parse(bad)) << bad;

    // A port that cannot stand on one line is left out, never written to break the record.
    const auto odd = BackupRecord::parse(BackupRecord{BackupOutcome::Complete, "a\nb", ""}.text());
    ASSERT_TRUE(odd);
    EXPECT_EQ(odd->port, "");
}

TEST(BackupStoreTest, RecordsListBesideTheirBackupsAndGoWithThem) {
    TempDir dir;
    FixedWallClock clock;
    BackupStore store(dir.path(), clock, 3);
    clock.set({2026, 12, 7, 9, 0, 0});
    const auto old = store.store(imageWith(1), BackupKind::Read);
    clock.set({2026, 12, 7, 9, 0, 1});
    const auto written = store.store(imageWith(2), BackupKind::Write);
    ASSERT_FALSE(
        BackupStore::storeRecord(written, {BackupOutcome::PartlyWritten, "COM1", "/dev/ttyUSB0"}));
    EXPECT_TRUE(dir.has("20261207-090001-write.txt"));
    clock.set({2026, 12, 7, 9, 0, 2});
    const auto edited = store.store(imageWith(3), BackupKind::Read);
    dir.write("20261207-090002-read.txt", "outcome=complete\nport=/dev/ttyS0\n");

    auto entries = store.list();
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_FALSE(entries[0].record) << "a record edited into another shape is ignored";
    ASSERT_TRUE(entries[1].record);
    EXPECT_EQ(entries[1].record->outcome, BackupOutcome::PartlyWritten);
    EXPECT_EQ(entries[1].record->device, "/dev/ttyUSB0");
    EXPECT_FALSE(entries[2].record) << "a backup from before records still lists";
    EXPECT_EQ(entries[2].file, old);

    // A folder where the record would be is no record, and breaks nothing.
    std::filesystem::create_directory(BackupRecord::sidecarOf(old));
    EXPECT_EQ(store.list().size(), 3u);
    std::filesystem::remove(BackupRecord::sidecarOf(old));

    // Pruning takes the record with its backup.
    ASSERT_FALSE(BackupStore::storeRecord(old, {BackupOutcome::Complete, "COM1", ""}));
    clock.set({2026, 12, 7, 9, 0, 3});
    (void)store.store(imageWith(4), BackupKind::Read);
    EXPECT_FALSE(dir.has("20261207-090000-read.sin"));
    EXPECT_FALSE(dir.has("20261207-090000-read.txt"));
    EXPECT_TRUE(dir.has("20261207-090001-write.txt"));
    EXPECT_EQ(dir.entries(), 5u) << "three backups, two records";
    (void)edited;
}

TEST(BackupStoreTest, ANewBackupNeverInheritsALeftoverRecord) {
    TempDir dir;
    FixedWallClock clock;
    BackupStore store(dir.path(), clock);
    clock.set({2026, 12, 7, 9, 0, 0});
    dir.write("20261207-090000-write.txt", "tarn backup record 1\noutcome=verified\n");
    const auto path = store.store(imageWith(1), BackupKind::Write);
    EXPECT_FALSE(store.list().front().record);
    EXPECT_FALSE(dir.has("20261207-090000-write.txt"));
    (void)path;
}

} // namespace
} // namespace tarn
