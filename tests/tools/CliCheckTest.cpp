#include "data/ChannelCodec.h"
#include "data/ChannelTable.h"
#include "data/SinFile.h"
#include "data/TextGrid.h"
#include "tests/support/TypedNames.h"
#include "tests/tools/CliFixture.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>

namespace tarn::cli {
namespace {

namespace fs = std::filesystem;

class CliCheckTest : public CliFixture {
protected:
    std::string path(const char* name) const { return (dir / name).string(); }
    // A new image with the given channels programmed as a save stores them.
    std::string imageWith(const char* name, const std::map<int, std::vector<std::string>>& rows,
                          std::uint8_t band = 0) {
        RadioImage image = RadioImage::newDocument();
        image[RadioImage::BandOffset] = band;
        TextGrid cells;
        ChannelCodec::render(image, cells, 199);
        for (const auto& [channel, texts] : rows)
            for (int c = 1; c <= 6; ++c)
                cells.setCellText(channel, c, texts[static_cast<std::size_t>(c - 1)]);
        ChannelCodec::parse(cells, image, 199);
        SinFile::store(dir / name, image);
        return path(name);
    }
    std::string applyCell(int column, const std::string& typed) {
        std::vector<std::string> cells{"  5", "146.52", "146.52", "OFF", "OFF", "High", "Lock"};
        cells[static_cast<std::size_t>(column)] = typed;
        std::string line;
        for (const std::string& cell : cells)
            line += (line.empty() ? "" : "\t") + cell;
        std::ofstream(dir / "t.tsv") << ChannelTable::headerLine() << "\n" << line << "\n";
        return path("t.tsv");
    }
};

TEST_F(CliCheckTest, ApplyTakesTypedNamesByTheRuleOfEveryPath) {
    const std::string file = imageWith("a.sin", {});
    for (const auto& [cases, column] :
         {std::pair(&test::typedTones(), 3), std::pair(&test::typedTones(), 4),
          std::pair(&test::typedPowers(), 5), std::pair(&test::typedLocks(), 6)}) {
        for (const test::TypedName& c : *cases) {
            const int status =
                run({"apply", file, applyCell(column, c.typed), "-o", path("b.sin")});
            EXPECT_EQ(status, c.stored.empty() ? 1 : 0) << c.typed << err.str();
            if (status != 0)
                continue;
            ASSERT_EQ(run({"show", path("b.sin")}), 0);
            std::istringstream shown(out.str());
            std::string line;
            for (int i = 0; i <= 5; ++i)
                std::getline(shown, line);
            std::vector<std::string> cells;
            std::istringstream split(line);
            for (std::string cell; std::getline(split, cell, '\t');)
                cells.push_back(cell);
            ASSERT_GT(cells.size(), static_cast<std::size_t>(column));
            // A tone "OFF" is stored as no tone, which the table shows empty.
            EXPECT_EQ(cells[static_cast<std::size_t>(column)], c.stored == "OFF" ? "" : c.stored)
                << c.typed;
        }
    }
}

TEST_F(CliCheckTest, CheckListsChannelsByColumnAndExitsWithItsOwnStatus) {
    const std::vector<std::string> vhf = {"146.52", "146.52", "OFF", "OFF", "High", "Lock"};
    const std::vector<std::string> edges = {"136", "174", "OFF", "OFF", "High", "Lock"};
    const std::vector<std::string> beyond = {"174.005", "135.99375", "OFF", "OFF", "Low", "Lock"};
    EXPECT_EQ(run({"check", imageWith("clean.sin", {{1, vhf}, {2, edges}})}), 0) << out.str();
    EXPECT_EQ(out.str(), "");

    EXPECT_EQ(run({"check", imageWith("out.sin", {{1, vhf}, {9, beyond}})}), 8);
    EXPECT_EQ(out.str(), "channel 9, RX Freq: 174.00500 lies outside the band of the model (VHF: "
                         "136-174MHz)\n"
                         "channel 9, TX Freq: 135.99375 lies outside the band of the model (VHF: "
                         "136-174MHz)\n");

    // The same channels on a UHF radio; a band byte naming no entry checks no band.
    EXPECT_EQ(run({"check", imageWith("uhf.sin", {{1, vhf}}, 1)}), 8);
    EXPECT_EQ(run({"check", imageWith("none.sin", {{1, vhf}, {9, beyond}}, 9)}), 0);

    // Bytes a save would change.
    RadioImage odd = SinFile::load(imageWith("odd.sin", {{4, vhf}}));
    odd[3 * 16 + 12] |= 0x30;
    SinFile::store(dir / "odd.sin", odd);
    EXPECT_EQ(run({"check", path("odd.sin")}), 8);
    EXPECT_EQ(out.str(),
              "channel 4, TX Power: the power bits 11 name no power the grid can show\n");
}

TEST_F(CliCheckTest, CheckRefusesWhatShowRefuses) {
    EXPECT_EQ(run({"check"}), 2);
    EXPECT_EQ(run({"check", "-x"}), 2);
    EXPECT_EQ(run({"check", path("missing.sin")}), 1);
    std::ofstream(dir / "short.sin") << std::string(100, 'x');
    EXPECT_EQ(run({"check", path("short.sin")}), 1);
    ASSERT_EQ(run({"check", "--help"}), 0);
    EXPECT_NE(out.str().find("  8    channels were found outside the model's band"),
              std::string::npos)
        << out.str();
}

} // namespace
} // namespace tarn::cli
