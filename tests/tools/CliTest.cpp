#include "data/RowDump.h"
#include "data/SinFile.h"
#include "tests/tools/CliFixture.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace tarn::cli {
namespace {

namespace fs = std::filesystem;

class CliTest : public CliFixture {
protected:
    std::string path(const char* name) const { return (dir / name).string(); }
    void writeText(const char* name, const std::string& text) {
        std::ofstream(dir / name, std::ios::binary) << text;
    }
    // The table "show" prints for a file, with one line replaced.
    std::string tableWith(const std::string& sin, int line, const std::string& replacement) {
        EXPECT_EQ(run({"show", sin}), 0);
        std::istringstream in(out.str());
        std::string result;
        int n = 0;
        for (std::string l; std::getline(in, l);)
            result += (++n == line ? replacement : l) + "\n";
        return result;
    }
};

TEST_F(CliTest, ShowOfANewImagePrintsTheEmptyGrid) {
    ASSERT_EQ(run({"new", path("a.sin")}), 0);
    EXPECT_EQ(fs::file_size(dir / "a.sin"), 8192u);
    ASSERT_EQ(run({"show", path("a.sin")}), 0);
    std::istringstream in(out.str());
    std::vector<std::string> lines;
    for (std::string l; std::getline(in, l);)
        lines.push_back(l);
    ASSERT_EQ(lines.size(), 200u);
    EXPECT_EQ(lines[0],
              "Channel NO.\tRX Freq\tTX Freq\tQT/DQT Dec\tQT/DQT Enc\tTX Power\tCHN Lock");
    EXPECT_EQ(lines[1], "  1\t\t\t\t\t\t");
    EXPECT_EQ(lines[199], "199\t\t\t\t\t\t");
}

TEST_F(CliTest, ShowFollowsTheModelByteFor160Channels) {
    RadioImage image = RadioImage::newDocument();
    image[RadioImage::ModelTypeOffset] = 4;
    SinFile::store(dir / "m.sin", image);
    ASSERT_EQ(run({"show", path("m.sin")}), 0);
    const std::string shown = out.str();
    EXPECT_EQ(std::count(shown.begin(), shown.end(), '\n'), 161);
}

TEST_F(CliTest, ApplyRoundTripsShowAndStoresEdits) {
    ASSERT_EQ(run({"new", path("a.sin")}), 0);
    writeText("t.tsv",
              tableWith(path("a.sin"), 3, "  2\t145.5\t145.00625\td023n\t67.0\tMiddle\tUnLock"));
    ASSERT_EQ(run({"apply", path("a.sin"), path("t.tsv"), "-o", path("b.sin")}), 0) << err.str();
    ASSERT_EQ(run({"show", path("b.sin")}), 0);
    const std::string shown = out.str();
    EXPECT_NE(shown.find("  2\t145.50000\t145.00625\tD023N\t67.0\tMiddle\tUnLock\n"),
              std::string::npos);
    EXPECT_TRUE(fs::exists(dir / "1.txt"));
    // Applying what show printed changes nothing.
    writeText("same.tsv", shown);
    ASSERT_EQ(run({"apply", path("b.sin"), path("same.tsv"), "-o", path("c.sin")}), 0);
    EXPECT_EQ(SinFile::load(dir / "b.sin"), SinFile::load(dir / "c.sin"));
    // Without -o the file itself is updated.
    const RadioImage before = SinFile::load(dir / "a.sin");
    ASSERT_EQ(run({"apply", path("a.sin"), path("t.tsv")}), 0);
    EXPECT_NE(SinFile::load(dir / "a.sin"), before);
}

TEST_F(CliTest, ApplyRefusesBadCellsOneLineEachAndWritesNothing) {
    ASSERT_EQ(run({"new", path("a.sin")}), 0);
    std::string table =
        tableWith(path("a.sin"), 2, "  1\t99.99999\t145.0025\tD999N\tOFF\tmax\tLocked");
    writeText("t.tsv", table);
    EXPECT_EQ(run({"apply", path("a.sin"), path("t.tsv"), "-o", path("b.sin")}), 1);
    const std::string messages = err.str();
    EXPECT_NE(messages.find(
                  "line 2, column RX Freq: \"99.99999\" is not a frequency from 100 to 600 MHz"),
              std::string::npos);
    EXPECT_NE(
        messages.find(
            "line 2, column TX Freq: \"145.0025\" is on neither the 6.25 kHz nor the 5 kHz step"),
        std::string::npos);
    EXPECT_NE(messages.find("line 2, column QT/DQT Dec:"), std::string::npos);
    EXPECT_NE(messages.find("line 2, column TX Power:"), std::string::npos);
    EXPECT_NE(messages.find("line 2, column CHN Lock:"), std::string::npos);
    EXPECT_FALSE(fs::exists(dir / "b.sin"));
    EXPECT_FALSE(fs::exists(dir / "1.txt"));

    writeText("t.tsv", tableWith(path("a.sin"), 5, "  4\t\t\tOFF\t\tHigh\t"));
    EXPECT_EQ(run({"apply", path("a.sin"), path("t.tsv"), "-o", path("b.sin")}), 1);
    EXPECT_NE(err.str().find(
                  "line 5, column QT/DQT Dec: a channel without frequencies holds nothing else"),
              std::string::npos);
    EXPECT_NE(err.str().find("line 5, column TX Power:"), std::string::npos);
    EXPECT_FALSE(fs::exists(dir / "b.sin"));
}

TEST_F(CliTest, ApplyTakesAPartialTableKeyedByChannelNumber) {
    RadioImage image = RadioImage::newDocument();
    // Channel 5 holds bits no cell shows: power 11 and a spare byte.
    image[4 * 16 + 3] = 0x14;
    image[4 * 16 + 12] = 0x30;
    image[4 * 16 + 14] = 0x5A;
    SinFile::store(dir / "a.sin", image);
    writeText("t.tsv", "Channel NO.\tRX Freq\tTX Freq\tQT/DQT Dec\tQT/DQT Enc\tTX Power\tCHN Lock\n"
                       "9\t433.5\t433.5\tOFF\t67.0\tLow\tUnLock\n"
                       "  3\t145.5\t145.5\tOFF\tOFF\tHigh\tLock\n");
    ASSERT_EQ(run({"apply", path("a.sin"), path("t.tsv"), "-o", path("b.sin")}), 0) << err.str();
    const RadioImage applied = SinFile::load(dir / "b.sin");
    for (std::size_t r = 0; r < RadioImage::RowCount; ++r) {
        const bool listed = r == 2 || r == 8;
        const auto before = image.row(r);
        const auto after = applied.row(r);
        EXPECT_EQ(std::equal(before.begin(), before.end(), after.begin()), !listed) << "row " << r;
    }
    ASSERT_EQ(run({"show", path("b.sin")}), 0);
    EXPECT_NE(out.str().find("  9\t433.50000\t433.50000\t\t67.0\tLow\tUnLock\n"),
              std::string::npos);
}

TEST_F(CliTest, ApplyTakesAFrequencyOnlyWhenTheWholeCellIsANumber) {
    ASSERT_EQ(run({"new", path("a.sin")}), 0);
    for (const char* cell : {"146,525", "146.525abc", "146.525.5", "1.46525e2", "+146.525"}) {
        writeText("t.tsv", tableWith(path("a.sin"), 12,
                                     std::string(" 11\t") + cell + "\t146.525\t\t\tHigh\tLock"));
        EXPECT_EQ(run({"apply", path("a.sin"), path("t.tsv"), "-o", path("b.sin")}), 1) << cell;
        EXPECT_NE(err.str().find(std::string("line 12, column RX Freq: \"") + cell +
                                 "\" is not a number"),
                  std::string::npos)
            << err.str();
        EXPECT_FALSE(fs::exists(dir / "b.sin"));
    }
    writeText("t.tsv", tableWith(path("a.sin"), 12, " 11\t 146.525 \t146\t\t\tHigh\tLock"));
    ASSERT_EQ(run({"apply", path("a.sin"), path("t.tsv"), "-o", path("b.sin")}), 0) << err.str();
    ASSERT_EQ(run({"show", path("b.sin")}), 0);
    EXPECT_NE(out.str().find(" 11\t146.52500\t146.00000\t"), std::string::npos);
}

TEST_F(CliTest, ApplyWritesTheDumpOnlyAfterTheStoreSucceeded) {
    ASSERT_EQ(run({"new", path("a.sin")}), 0);
    writeText("t.tsv", tableWith(path("a.sin"), 2, "  1\t146.525\t146.525\t\t\tHigh\tLock"));
    writeText("1.txt", "old dump\n");
    ASSERT_EQ(::mkfifo(path("pipe.sin").c_str(), 0600), 0);
    EXPECT_EQ(run({"apply", path("a.sin"), path("t.tsv"), "-o", path("pipe.sin")}), 1);
    EXPECT_NE(err.str().find("pipe.sin\": a pipe"), std::string::npos) << err.str();
    EXPECT_EQ(fs::status(dir / "pipe.sin").type(), fs::file_type::fifo);
    std::ifstream dump(dir / "1.txt");
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(dump), {}), "old dump\n");

    ASSERT_EQ(run({"apply", path("a.sin"), path("t.tsv"), "-o", path("b.sin")}), 0);
    EXPECT_EQ(fs::file_size(dir / "1.txt"), RowDump::text(SinFile::load(dir / "b.sin")).size());
}

TEST_F(CliTest, ApplyReadsTheTableFromStandardInputAndWritesTheImageToStandardOutput) {
    ASSERT_EQ(run({"new", path("a.sin")}), 0);
    std::istringstream table(tableWith(path("a.sin"), 2, "  1\t146.525\t146.525\t\t\tHigh\tLock"));
    out.str({});
    err.str({});
    CliContext piped{out, err, dir.path(), false, &table, false};
    ASSERT_EQ(CliApp().run({"apply", path("a.sin"), "-", "-o", "-"}, piped), 0) << err.str();
    const std::string image = out.str();
    ASSERT_EQ(image.size(), 8192u);
    EXPECT_EQ(static_cast<std::uint8_t>(image[3]), 0x14) << "146.525 MHz in BCD";
    EXPECT_EQ(SinFile::load(dir / "a.sin"), RadioImage::newDocument()) << "the input stays";

    CliContext terminal{out, err, dir.path(), false, &table, true};
    EXPECT_EQ(CliApp().run({"apply", path("a.sin"), "-", "-o", "-"}, terminal), UsageError);
    EXPECT_NE(err.str().find("terminal"), std::string::npos);
}

TEST_F(CliTest, EveryVerbDocumentsItsExitStatuses) {
    for (const char* verb : {"new", "show", "check", "apply", "read", "write", "ports"}) {
        ASSERT_EQ(run({verb, "--help"}), 0);
        EXPECT_NE(out.str().find("Exit status:\n  0    done\n"), std::string::npos) << verb;
    }
    ASSERT_EQ(run({"write", "--help"}), 0);
    EXPECT_NE(out.str().find("  4    the write stopped"), std::string::npos);
    EXPECT_NE(out.str().find("  5    cancelled before anything"), std::string::npos);
}

TEST_F(CliTest, ApplyRefusesMalformedTables) {
    ASSERT_EQ(run({"new", path("a.sin")}), 0);
    const std::pair<std::string, std::string> cases[] = {
        {tableWith(path("a.sin"), 4, "  3\t\t\t"), "line 4: expected 7 columns, found 4"},
        {tableWith(path("a.sin"), 7, "  9\t\t\t\t\t\t"),
         "line 10, column Channel NO.: channel 9 is already on line 7"},
        {tableWith(path("a.sin"), 1, "Channel\tRX"), "line 1: expected the header line"},
        {tableWith(path("a.sin"), 200, "199\t\t\t\t\t\t\n200\t\t\t\t\t\t"),
         "line 201, column Channel NO.: \"200\" is no channel of the file (1 to 199)"},
        {tableWith(path("a.sin"), 3, "+2\t\t\t\t\t\t"),
         "line 3, column Channel NO.: \"+2\" is no channel of the file"},
        {tableWith(path("a.sin"), 3, "  2\t146,525\t\t\t\t\t"),
         "line 3, column RX Freq: \"146,525\" is not a number"},
        {std::string("\x7f"
                     "ELF\0\0\0",
                     7),
         "not a text file"},
        {"", "line 1: expected the header line"},
    };
    for (const auto& [table, message] : cases) {
        writeText("t.tsv", table);
        EXPECT_EQ(run({"apply", path("a.sin"), path("t.tsv"), "-o", path("b.sin")}), 1) << message;
        EXPECT_NE(err.str().find(message), std::string::npos) << err.str();
        EXPECT_FALSE(fs::exists(dir / "b.sin"));
    }
}

TEST_F(CliTest, UsageAndFileErrorsGiveNonZeroStatus) {
    EXPECT_EQ(run({}), 2);
    EXPECT_EQ(run({"frobnicate"}), 2);
    EXPECT_EQ(run({"show"}), 2);
    EXPECT_EQ(run({"apply", "a.sin"}), 2);
    EXPECT_EQ(run({"apply", "a", "b", "-o"}), 2);
    EXPECT_EQ(run({"show", "--help"}), 0);
    EXPECT_NE(out.str().find("Usage: tarn-cli show FILE.sin"), std::string::npos);
    EXPECT_EQ(run({"show", path("missing.sin")}), 1);
    EXPECT_NE(err.str().find("missing.sin"), std::string::npos);
    writeText("short.sin", std::string(100, 'x'));
    EXPECT_EQ(run({"show", path("short.sin")}), 1);
    EXPECT_EQ(run({"new", path("no/such/folder.sin")}), 1);
}

} // namespace
} // namespace tarn::cli
