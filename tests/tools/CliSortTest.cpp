#include "data/SinFile.h"
#include "tests/tools/CliFixture.h"

#include <gmock/gmock.h>

namespace tarn::cli {
namespace {

using ::testing::HasSubstr;

// Channel n's row: RX and TX 145.0x MHz (x the BCD byte), the flags, its number in byte 13.
void program(RadioImage& image, int channel, std::uint8_t rxKhzBcd, std::uint8_t flags) {
    const std::uint8_t row[16] = {
        0x00, rxKhzBcd, 0x50, 0x14, 0x00, rxKhzBcd, 0x50,
        0x14, 0xFF,     0xFF, 0xFF, 0xFF, flags,    static_cast<std::uint8_t>(channel),
        0xFF, 0xFF};
    std::copy(std::begin(row), std::end(row),
              image.row(static_cast<std::size_t>(channel - 1)).begin());
}

class CliSortTest : public CliFixture {
protected:
    void SetUp() override {
        ASSERT_EQ(run({"new", dir.file("a.sin")}), 0);
        RadioImage image = SinFile::load(dir / "a.sin");
        program(image, 1, 0x50, 0x08); // 145.05, Low
        program(image, 2, 0x10, 0x38); // 145.01, power 11
        program(image, 4, 0x30, 0x28); // 145.03, High
        SinFile::store(dir / "a.sin", image);
    }
    [[nodiscard]] std::vector<int> markers(const char* file) const {
        const RadioImage image = SinFile::load(dir / file);
        std::vector<int> found;
        for (std::size_t r = 0; r < 5; ++r)
            found.push_back(image.row(r)[13]);
        return found;
    }
};

TEST_F(CliSortTest, SortsWholeRowsByTheNamedColumn) {
    const std::vector<std::tuple<std::vector<std::string>, std::vector<int>, const char*>> cases{
        {{"--by", "rx"}, {2, 4, 1, 0xFF, 0xFF}, "Channels sorted by RX Freq.\n"},
        {{"--by", "rx", "--desc"},
         {1, 4, 2, 0xFF, 0xFF},
         "Channels sorted by RX Freq, descending.\n"},
        {{"--desc", "--by", "power"},
         {2, 1, 4, 0xFF, 0xFF},
         "Channels sorted by TX Power, descending.\n"},
        {{"--by", "dec"}, {1, 2, 4, 0xFF, 0xFF}, "Channels sorted by QT/DQT Dec.\n"},
    };
    const auto before = dir.read("a.sin");
    for (const auto& [options, order, report] : cases) {
        std::vector<std::string> args{"sort", dir.file("a.sin"), "-o", dir.file("b.sin")};
        args.insert(args.end(), options.begin(), options.end());
        ASSERT_EQ(run(args), Success) << err.str();
        EXPECT_EQ(err.str(), report);
        EXPECT_EQ(markers("b.sin"), order) << report;
        EXPECT_EQ(dir.read("a.sin"), before);
    }
    // In place, and the unnamed power value is still there.
    ASSERT_EQ(run({"sort", dir.file("a.sin"), "--by", "rx"}), Success);
    EXPECT_EQ(SinFile::load(dir / "a.sin").row(0)[12], 0x38);
    EXPECT_TRUE(dir.has("1.txt"));
    ASSERT_EQ(run({"sort", dir.file("a.sin"), "--by", "rx"}), Success);
    EXPECT_EQ(err.str(), "Channels already in order by RX Freq.\n");
}

TEST_F(CliSortTest, BadArgumentsWriteNothing) {
    const auto before = dir.read("a.sin");
    const std::vector<std::vector<std::string>> cases{
        {"sort", dir.file("a.sin")},
        {"sort", dir.file("a.sin"), "--by", "name"},
        {"sort", dir.file("a.sin"), "--by"},
        {"sort", "--by", "rx"},
        {"sort", dir.file("a.sin"), dir.file("b.sin"), "--by", "rx"},
        {"sort", dir.file("a.sin"), "--by", "rx", "--by", "tx"},
        {"sort", dir.file("a.sin"), "--by", "rx", "--up"},
    };
    for (const auto& args : cases) {
        EXPECT_EQ(run(args), UsageError) << args.size();
        EXPECT_THAT(err.str(), HasSubstr("Usage: tarn-cli sort"));
    }
    EXPECT_EQ(run({"sort", dir.file("missing.sin"), "--by", "rx"}), Failure);
    EXPECT_EQ(dir.read("a.sin"), before);
    EXPECT_FALSE(dir.has("b.sin"));
    EXPECT_FALSE(dir.has("1.txt"));
}

} // namespace
} // namespace tarn::cli
