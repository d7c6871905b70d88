#include "link/SerialTrace.h"
#include "link/TraceRecorder.h"
#include "link/TraceStore.h"

#include "tests/support/FixedWallClock.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace tarn {
namespace {

namespace fs = std::filesystem;
using test::FixedWallClock;
using test::TempDir;
using Step = TransferSession::Step;

std::string contents(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(SerialTraceTest, RunsRoundTripThroughTheTextAndOddLinesAreSkipped) {
    const std::vector<WireRun> runs = {
        {0.0, TraceDirection::ToRadio, {0x50, 0x0A, 0xFF}, "wake-up"},
        {12.345, TraceDirection::FromRadio, {0x06}, "identify"},
        {90061.5, TraceDirection::ToRadio, {0x57, 0x00, 0x10, 0x08}, "write"}};
    std::string text = SerialTrace::format({"read, port COM1"}, runs);
    EXPECT_TRUE(text.starts_with(std::string(SerialTrace::FormatLine) + "\n# read, port COM1\n"));
    EXPECT_NE(text.find("12.345\tfrom-radio\t06\tidentify\n"), std::string::npos) << text;
    EXPECT_NE(text.find("0.000\tto-radio\t50 0A FF\twake-up\n"), std::string::npos) << text;

    // A hand-edited copy: CRLF ends, blanks, a note, a bad direction, bad hex.
    text += "\r\n\nnote by hand\n1.0\tsideways\t01\tx\n2.0\tto-radio\t0G\tx\n3.0\tto-radio\t\tx\n";
    const std::vector<WireRun> parsed = SerialTrace::parse(text);
    ASSERT_EQ(parsed.size(), runs.size());
    for (std::size_t i = 0; i < runs.size(); ++i) {
        EXPECT_EQ(parsed[i].bytes, runs[i].bytes);
        EXPECT_EQ(parsed[i].direction, runs[i].direction);
        EXPECT_EQ(parsed[i].step, runs[i].step);
        EXPECT_NEAR(parsed[i].ms, runs[i].ms, 0.0005);
    }
    EXPECT_EQ(SerialTrace::stream(parsed, TraceDirection::ToRadio),
              (std::vector<std::uint8_t>{0x50, 0x0A, 0xFF, 0x57, 0x00, 0x10, 0x08}));
}

TEST(SerialTraceTest, RecorderCountsFromTheStartAndNamesTheStep) {
    TraceRecorder recorder;
    const std::vector<std::uint8_t> wake{0x50, 0x52};
    const std::vector<std::uint8_t> ack{0x06};
    recorder.started(1000.0);
    recorder.bytesOut(wake, 1007.25, Step::WakeUp);
    recorder.bytesIn({}, 1008.0, Step::WakeUp); // nothing arrived: no run
    recorder.bytesIn(ack, 1010.0, Step::Identify);
    ASSERT_EQ(recorder.runs().size(), 2U);
    EXPECT_EQ(recorder.runs()[0], (WireRun{7.25, TraceDirection::ToRadio, wake, "wake-up"}));
    EXPECT_EQ(recorder.runs()[1], (WireRun{10.0, TraceDirection::FromRadio, ack, "identify"}));

    // A driver that never says when it started counts from the first byte.
    TraceRecorder unstarted;
    unstarted.bytesOut(wake, 500.0, Step::WakeUp);
    EXPECT_EQ(unstarted.runs().front().ms, 0.0);
}

class TraceStoreTest : public ::testing::Test {
protected:
    TempDir dir;
    FixedWallClock clock{{2026, 12, 8, 5, 30, 0}};
};

TEST_F(TraceStoreTest, KeepsTheNewestTenNamedByTimeWithoutReplacingAFile) {
    TraceStore store(dir / "traces", clock);
    std::vector<fs::path> stored;
    for (int i = 0; i < 12; ++i) {
        clock.set({2026, 12, 8, 5, 30, i});
        stored.push_back(store.store("trace " + std::to_string(i) + "\n", BackupKind::Read));
    }
    EXPECT_EQ(stored.front().filename(), "20261208-053000-read.trace");
    const std::vector<fs::path> kept = store.list();
    ASSERT_EQ(kept.size(), TraceStore::DefaultKeep);
    EXPECT_EQ(kept.front(), stored.back());
    EXPECT_EQ(kept.back(), stored[2]);
    EXPECT_FALSE(fs::exists(stored[0]));
    EXPECT_FALSE(fs::exists(stored[1]));
    EXPECT_EQ(store.newest(), stored.back());
    EXPECT_EQ(contents(stored.back()), "trace 11\n");

    // The same second again, a port in the name; a file the user put there stays.
    std::ofstream(dir / "traces" / "notes.txt") << "mine";
    const fs::path again = store.store("again\n", BackupKind::Write, "/dev/ttyUSB1");
    EXPECT_EQ(again.filename(), "20261208-053011-write-ttyUSB1.trace");
    const fs::path twice = store.store("twice\n", BackupKind::Write, "/dev/ttyUSB1");
    EXPECT_EQ(twice.filename(), "20261208-053011-write-ttyUSB1-2.trace");
    EXPECT_EQ(store.list().size(), TraceStore::DefaultKeep);
    EXPECT_EQ(contents(dir / "traces" / "notes.txt"), "mine");
}

TEST_F(TraceStoreTest, ClockBehindKeepsTheTraceJustStored) {
    TraceStore store(dir.path(), clock, 3);
    for (int i = 0; i < 3; ++i) {
        clock.set({2026, 12, 8, 6, 0, i});
        (void)store.store("x", BackupKind::Read);
    }
    clock.set({2025, 1, 1, 0, 0, 0});
    const fs::path early = store.store("early", BackupKind::Read);
    EXPECT_TRUE(fs::exists(early));
    EXPECT_EQ(store.list().size(), 3U);
}

TEST_F(TraceStoreTest, AFolderThatCannotBeMadeIsAnErrorNamingIt) {
    std::ofstream(dir / "plain") << "a file, not a folder";
    TraceStore store(dir / "plain" / "traces", clock);
    try {
        (void)store.store("x", BackupKind::Read);
        FAIL() << "stored under a file";
    } catch (const TraceError& error) {
        EXPECT_NE(std::string(error.what()).find("plain"), std::string::npos) << error.what();
    }
    EXPECT_TRUE(store.list().empty());
    EXPECT_FALSE(store.newest());
}

TEST_F(TraceStoreTest, DefaultFolderFollowsXdgStateHome) {
    const char* saved = std::getenv("XDG_STATE_HOME");
    const std::string restore = saved ? saved : "";
    ::setenv("XDG_STATE_HOME", dir.path().c_str(), 1);
    EXPECT_EQ(TraceStore::defaultFolder(), dir / "tarn" / "traces");
    ::setenv("XDG_STATE_HOME", "relative/state", 1);
    const char* home = std::getenv("HOME");
    if (home && *home) {
        EXPECT_EQ(TraceStore::defaultFolder(),
                  fs::path(home) / ".local" / "state" / "tarn" / "traces");
    }
    if (saved)
        ::setenv("XDG_STATE_HOME", restore.c_str(), 1);
    else
        ::unsetenv("XDG_STATE_HOME");
}

} // namespace
} // namespace tarn
