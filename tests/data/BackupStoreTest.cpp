#include "data/BackupStore.h"

#include "data/SinFile.h"
#include "tests/support/FixedWallClock.h"
#include "tests/support/ScopedEnv.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sys/stat.h>

namespace tarn {
namespace {

using test::FixedWallClock;
using test::ScopedEnv;
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

TEST(BackupStoreTest, NotesTravelWithTheirBackupsAndArePrunedWithThem) {
    TempDir dir;
    FixedWallClock clock;
    BackupStore store(dir.path(), clock, 2);
    clock.set({2026, 12, 7, 10, 0, 0});
    (void)store.store(imageWith(1), BackupKind::Write, {},
                      BackupNote{BackupOutcome::PartlyWritten, "COM1 (/dev/ttyUSB0)"});
    clock.set({2026, 12, 7, 10, 1, 0});
    (void)store.store(imageWith(2), BackupKind::Read); // kept the old way, without a note
    EXPECT_EQ(dir.read("20261207-100000-write.info"),
              "outcome=partly written\nport=COM1 (/dev/ttyUSB0)\n");
    auto entries = store.list();
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_FALSE(entries[0].note.has_value());
    ASSERT_TRUE(entries[1].note.has_value());
    EXPECT_EQ(entries[1].note->outcome, BackupOutcome::PartlyWritten);
    EXPECT_EQ(entries[1].note->port, "COM1 (/dev/ttyUSB0)");

    // A note left from a backup removed by hand goes at the next prune, and a stale note of
    // the new backup's name is replaced rather than failing the backup.
    dir.write("20261207-090000-read.info", "outcome=complete\n");
    dir.write("20261207-100200-write.info", "outcome=verify failed\n");
    clock.set({2026, 12, 7, 10, 2, 0});
    (void)store.store(imageWith(3), BackupKind::Write, {},
                      BackupNote{BackupOutcome::Complete, "/dev/pts/4"});
    EXPECT_FALSE(dir.has("20261207-100000-write.sin"));
    EXPECT_FALSE(dir.has("20261207-100000-write.info")) << "pruned with its backup";
    EXPECT_FALSE(dir.has("20261207-090000-read.info"));
    EXPECT_EQ(dir.read("20261207-100200-write.info"), "outcome=complete\nport=/dev/pts/4\n");
    EXPECT_EQ(dir.entries(), 3u);
}

TEST(BackupNoteTest, OnlyAWellFormedNoteIsRead) {
    const std::pair<std::string, std::optional<BackupOutcome>> cases[] = {
        {"outcome=complete\nport=COM1\n", BackupOutcome::Complete},
        {"port=x\r\noutcome=verify failed\r\n", BackupOutcome::VerifyFailed},
        {"outcome=partly written", BackupOutcome::PartlyWritten},
        {"outcome=done\n", std::nullopt},
        {"port=COM1\n", std::nullopt},
        {"", std::nullopt},
        {"outcome=complete\n" + std::string(5000, 'x'), std::nullopt},
    };
    for (const auto& [text, outcome] : cases) {
        const auto note = BackupNote::parse(text);
        EXPECT_EQ(note ? std::optional(note->outcome) : std::nullopt, outcome) << text;
    }
    const BackupNote multiLine{BackupOutcome::Complete, "a\nb"};
    EXPECT_EQ(BackupNote::parse(multiLine.text())->port, "a b") << "a port cannot forge a line";
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
