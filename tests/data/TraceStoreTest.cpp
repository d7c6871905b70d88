#include "data/TraceStore.h"

#include "tests/support/FixedWallClock.h"
#include "tests/support/ScopedEnv.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace tarn {
namespace {

using test::FixedWallClock;
using test::ScopedEnv;
using test::TempDir;

TEST(TraceStoreTest, KeepsTheLastTenNewestFirst) {
    TempDir dir;
    FixedWallClock clock;
    TraceStore store(dir.path() / "traces", clock);
    std::filesystem::create_directories(dir / "traces");
    dir.write("traces/notes.txt", "mine");
    for (int i = 0; i < 12; ++i) {
        clock.set({2026, 12, 7, 17, i / 3, 0}); // three transfers a second
        (void)store.store("trace " + std::to_string(i), i % 2 == 0 ? "read" : "write");
    }
    const auto traces = store.list();
    ASSERT_EQ(traces.size(), TraceStore::DefaultKeep);
    EXPECT_EQ(traces.front().filename(), "20261207-170300-003-write.trace");
    EXPECT_EQ(traces.back().filename(), "20261207-170000-003-read.trace");
    EXPECT_EQ(TraceStore::read(*store.latest()), "trace 11");
    EXPECT_TRUE(dir.has("traces/notes.txt"));
}

TEST(TraceStoreTest, AFolderThatCannotBeMadeIsAClearErrorAndLeavesNothing) {
    TempDir dir;
    FixedWallClock clock;
    dir.write("file", "x");
    TraceStore store(dir.path() / "file" / "traces", clock);
    try {
        (void)store.store("t", "read");
        FAIL() << "stored into a file";
    } catch (const TraceError& error) {
        EXPECT_NE(std::string(error.what()).find("traces"), std::string::npos) << error.what();
    }
    EXPECT_FALSE(store.latest().has_value());
    EXPECT_THROW((void)TraceStore("", clock).store("t", "read"), TraceError);
}

TEST(TraceStoreTest, ViewingTakesAtMostItsLimitAndSavingReplacesTheFile) {
    TempDir dir;
    dir.write("big.trace", std::string(TraceStore::MaxViewedSize + 10, 'x'));
    EXPECT_EQ(TraceStore::read(dir.path() / "big.trace").size(), TraceStore::MaxViewedSize);
    EXPECT_THROW((void)TraceStore::read(dir.path() / "missing.trace"), TraceError);
    dir.write("copy.txt", "old");
    TraceStore::writeTo(dir.path() / "copy.txt", "new text");
    EXPECT_EQ(dir.read("copy.txt"), "new text");
    EXPECT_THROW(TraceStore::writeTo(dir.path() / "no" / "such" / "x.txt", "t"), TraceError);
}

TEST(TraceStoreTest, DefaultFolderFollowsXdgStateHome) {
    {
        const ScopedEnv state("XDG_STATE_HOME", "/state");
        EXPECT_EQ(TraceStore::defaultFolder(), std::filesystem::path("/state/tarn/traces"));
    }
    // Not absolute: ignored, as the standard says.
    const ScopedEnv state("XDG_STATE_HOME", "relative");
    const ScopedEnv home("HOME", "/home/ann");
    EXPECT_EQ(TraceStore::defaultFolder(),
              std::filesystem::path("/home/ann/.local/state/tarn/traces"));
}

} // namespace
} // namespace tarn
