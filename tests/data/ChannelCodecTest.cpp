#include "data/ChannelCodec.h"
#include "data/RowDump.h"
#include "data/TextGrid.h"
#include "data/ToneTable.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <regex>

namespace tarn {
namespace {

namespace fs = std::filesystem;

class ChannelCodecTest : public ::testing::Test {
protected:
    // Parses the grid into image, then dumps it into the test's folder.
    void parse(int count = 199) {
        ChannelCodec::parse(grid, image, count);
        ASSERT_TRUE(RowDump::writeInto(image, dir.path()));
    }

    test::TempDir dir;
    TextGrid grid;
    RadioImage image = RadioImage::newDocument();
};

TEST(Frequencies, RenderAndParseTheExamples) {
    const std::uint8_t bytes[] = {0x00, 0x25, 0x65, 0x14};
    EXPECT_EQ(ChannelCodec::renderFrequency(bytes), "146.52500");
    EXPECT_EQ(ChannelCodec::frequencyUnits("146.525"), 14652500u);
    std::uint8_t out[4];
    ChannelCodec::encodeFrequency(44000625, out);
    EXPECT_EQ(std::vector<std::uint8_t>(out, out + 4),
              (std::vector<std::uint8_t>{0x25, 0x06, 0x00, 0x44}));
    ChannelCodec::encodeFrequency(0, out);
    EXPECT_EQ(std::vector<std::uint8_t>(out, out + 4), std::vector<std::uint8_t>(4, 0xFF));
    EXPECT_EQ(ChannelCodec::frequencyUnits("100"), 10000000u);
    EXPECT_EQ(ChannelCodec::frequencyUnits("600.00000"), 60000000u);
    EXPECT_EQ(ChannelCodec::frequencyUnits("  145.5MHz"), 14550000u);
    EXPECT_EQ(ChannelCodec::frequencyUnits("abc"), 0u);
    EXPECT_EQ(ChannelCodec::frequencyUnits("-145"), 0u);
    EXPECT_EQ(ChannelCodec::frequencyUnits("nan"), 0u);
    EXPECT_EQ(ChannelCodec::frequencyUnits("1e400"), 0xFFFFFFFFu);
}

TEST(Frequencies, RoundToTheNearestTenHertz) {
    // Truncation would give 12800999 here.
    EXPECT_EQ(ChannelCodec::frequencyUnits("128.01000"), 12801000u);
    EXPECT_EQ(ChannelCodec::frequencyUnits("524.20625"), 52420625u);
    EXPECT_EQ(ChannelCodec::frequencyUnits("145.006259"), 14500626u);
}

TEST(Frequencies, EveryStepFrequencyFrom100To600MHzSurvivesRenderAndParse) {
    for (const std::uint32_t step : {625u, 500u}) {
        for (std::uint32_t units = 10000000; units <= 60000000; units += step) {
            std::uint8_t bytes[4];
            ChannelCodec::encodeFrequency(units, bytes);
            const std::string text = ChannelCodec::renderFrequency(bytes);
            ASSERT_EQ(ChannelCodec::frequencyUnits(text), units) << text;
        }
    }
}

TEST_F(ChannelCodecTest, NewImageRendersEmptyNumberedRows) {
    ChannelCodec::render(image, grid, 199);
    ASSERT_EQ(grid.rowCount(), 200);
    EXPECT_EQ(grid.cellText(1, 0), "  1");
    EXPECT_EQ(grid.cellText(42, 0), " 42");
    EXPECT_EQ(grid.cellText(199, 0), "199");
    for (int row = 1; row <= 199; ++row)
        for (int col = 1; col < ChannelCodec::ColumnCount; ++col)
            ASSERT_EQ(grid.cellText(row, col), "") << row << "," << col;
}

TEST_F(ChannelCodecTest, RendersAProgrammedChannel) {
    auto row = image.row(6);
    const std::uint8_t bytes[] = {0x00, 0x25, 0x65, 0x14, 0x25, 0x06, 0x00, 0x44,
                                  0x70, 0x06, 0x23, 0x80, 0x1B, 0xAA, 0xBB, 0xCC};
    std::copy(std::begin(bytes), std::end(bytes), row.begin());
    ChannelCodec::render(image, grid, 199);
    EXPECT_EQ(grid.cellText(7, 1), "146.52500");
    EXPECT_EQ(grid.cellText(7, 2), "440.00625");
    EXPECT_EQ(grid.cellText(7, 3), "67.0");
    EXPECT_EQ(grid.cellText(7, 4), "D023N");
    EXPECT_EQ(grid.cellText(7, 5), "Middle");
    EXPECT_EQ(grid.cellText(7, 6), "Lock");
}

TEST_F(ChannelCodecTest, PowerAndLockShowOnlyForProgrammedChannels) {
    image.row(0)[12] = 0x20; // not programmed
    image.row(1)[7] = 0x44;  // only a TX frequency
    image.row(1)[12] = 0x20;
    image.row(2)[3] = 0x00; // 0x00 counts as absent
    image.row(2)[7] = 0x00;
    image.row(2)[12] = 0x00;
    ChannelCodec::render(image, grid, 199);
    EXPECT_EQ(grid.cellText(1, 5), "");
    EXPECT_EQ(grid.cellText(1, 6), "");
    EXPECT_EQ(grid.cellText(2, 1), "");
    EXPECT_EQ(grid.cellText(2, 5), "High");
    EXPECT_EQ(grid.cellText(2, 6), "UnLock");
    EXPECT_EQ(grid.cellText(3, 5), "");
}

TEST_F(ChannelCodecTest, ParsesCellsIntoTheRow) {
    ChannelCodec::render(image, grid, 199);
    grid.setCellText(3, 1, "146.525");
    grid.setCellText(3, 3, "D017N");
    grid.setCellText(3, 4, "OFF");
    grid.setCellText(3, 5, "High");
    grid.setCellText(3, 6, "Lock");
    parse();
    const auto row = image.row(2);
    EXPECT_EQ(std::vector<std::uint8_t>(row.begin(), row.begin() + 13),
              (std::vector<std::uint8_t>{0x00, 0x25, 0x65, 0x14, 0xFF, 0xFF, 0xFF, 0xFF, 0x17, 0x80,
                                         0xFF, 0xFF, 0xEF}));
    // Blank rows lose the power and lock bits.
    EXPECT_EQ(image.row(0)[12], 0xC7);
    EXPECT_EQ(image.row(198)[12], 0xC7);
}

TEST_F(ChannelCodecTest, ClearingBothFrequenciesKeepsWhatTheOtherCellsSay) {
    ChannelCodec::render(image, grid, 199);
    grid.setCellText(1, 5, "Middle");
    grid.setCellText(1, 6, "Lock");
    parse();
    EXPECT_EQ(image.row(0)[12], 0xDF);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(image.row(0)[static_cast<std::size_t>(i)], 0xFF);
}

TEST_F(ChannelCodecTest, ParseLeavesRowsFromTheCountOnAlone) {
    image.row(170)[0] = 0x12;
    ChannelCodec::render(image, grid, 160);
    EXPECT_EQ(grid.rowCount(), 161);
    parse(160);
    EXPECT_EQ(image.row(170)[0], 0x12);
    EXPECT_EQ(image.row(170)[12], 0xFF);
    EXPECT_EQ(image.row(159)[12], 0xC7);
}

TEST_F(ChannelCodecTest, DumpHas270LinesOfTheRowBytes) {
    image.row(0)[0] = 0;
    image.row(0)[1] = 7;
    ChannelCodec::render(image, grid, 160);
    grid.setCellText(1, 1, "");
    parse(160);
    std::ifstream in(dir / "1.txt", std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    ASSERT_EQ(lines.size(), 270u);
    std::string blank;
    for (int i = 0; i < 16; ++i)
        blank += "|255";
    EXPECT_EQ(lines[0], "|255|255|255|255|255|255|255|255|255|255|255|255|199|255|255|255");
    EXPECT_EQ(lines[269], blank);
    const std::regex format("(\\|[0-9]{1,3}){16}");
    for (const std::string& line : lines)
        EXPECT_TRUE(std::regex_match(line, format)) << line;
}

TEST_F(ChannelCodecTest, UnwritableDumpIsReported) {
    EXPECT_FALSE(RowDump::writeInto(image, dir / "missing" / "folder"));
}

// The fourth power value shows as an empty cell; a parse keeps it, and a chosen power
// replaces it.
TEST_F(ChannelCodecTest, PowerBitsElevenSurviveAnEmptyPowerCell) {
    ChannelCodec::encodeFrequency(14652500, image.row(0).subspan<0, 4>());
    ChannelCodec::encodeFrequency(14652500, image.row(1).subspan<4, 4>());
    image.row(0)[12] = 0x38;
    image.row(1)[12] = 0x30;
    ChannelCodec::render(image, grid, 199);
    EXPECT_EQ(grid.cellText(1, ChannelCodec::PowerColumn), "");
    parse();
    EXPECT_EQ(image.row(0)[12], 0x38);
    EXPECT_EQ(image.row(1)[12], 0x30);

    grid.setCellText(1, ChannelCodec::PowerColumn, "Low");
    grid.setCellText(2, ChannelCodec::PowerColumn, "High");
    parse();
    EXPECT_EQ(image.row(0)[12], 0x08);
    EXPECT_EQ(image.row(1)[12], 0x20);

    // Without frequencies the row is blank, and its power bits go with it.
    image.row(2)[12] = 0x30;
    ChannelCodec::render(image, grid, 199);
    parse();
    EXPECT_EQ(image.row(2)[12], 0x00);
}

// Random images whose channel bytes hold any value: whatever the codec does not own survives
// render and parse; rows written from valid values come back byte for byte.
TEST_F(ChannelCodecTest, BytesTheCodecDoesNotOwnSurvive) {
    std::mt19937 random(20261207);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int round = 0; round < 40; ++round) {
        RadioImage original;
        for (auto& b : original.bytes())
            b = static_cast<std::uint8_t>(byte(random));
        image = original;
        ChannelCodec::render(image, grid, round % 2 ? 160 : 199);
        parse(round % 2 ? 160 : 199);
        for (std::size_t r = 0; r < RadioImage::RowCount; ++r) {
            const auto before = original.row(r);
            const auto after = image.row(r);
            if (r >= RadioImage::MaxChannels) {
                ASSERT_TRUE(std::equal(before.begin(), before.end(), after.begin())) << r;
                continue;
            }
            ASSERT_EQ(before[12] & 0xC7, after[12] & 0xC7) << r;
            ASSERT_TRUE(std::equal(before.begin() + 13, before.end(), after.begin() + 13)) << r;
        }
    }
}

TEST_F(ChannelCodecTest, ValidChannelsSurviveRenderAndParseExactly) {
    const ToneTable tones;
    std::mt19937 random(7);
    auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    for (int round = 0; round < 20; ++round) {
        RadioImage original = RadioImage::newDocument();
        for (std::size_t r = 0; r < RadioImage::MaxChannels; ++r) {
            auto row = original.row(r);
            for (std::size_t b = 12; b < 16; ++b)
                row[b] = static_cast<std::uint8_t>(pick(256));
            if (pick(3) == 0)
                continue;
            const std::uint32_t step = pick(2) ? 625 : 500;
            const auto units = [&] {
                return 10000000 + step * static_cast<std::uint32_t>(pick(80001));
            };
            ChannelCodec::encodeFrequency(units(), row.subspan<0, 4>());
            ChannelCodec::encodeFrequency(pick(4) ? units() : 0, row.subspan<4, 4>());
            std::tie(row[9], row[8]) = ChannelCodec::encodeTone(tones.at(pick(265)));
            std::tie(row[11], row[10]) = ChannelCodec::encodeTone(tones.at(pick(265)));
            row[12] = static_cast<std::uint8_t>((row[12] & 0xC7) | (pick(3) << 4));
        }
        // Blank rows come back with the power and lock bits cleared.
        RadioImage expected = original;
        for (std::size_t r = 0; r < RadioImage::MaxChannels; ++r)
            if (!ChannelCodec::isProgrammed(expected.row(r)))
                expected.row(r)[12] &= 0xC7;
        image = original;
        ChannelCodec::render(image, grid, 199);
        parse();
        ASSERT_EQ(image, expected) << "round " << round;
    }
}

} // namespace
} // namespace tarn
