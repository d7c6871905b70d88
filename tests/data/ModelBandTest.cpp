#include "data/ModelBand.h"

#include "data/ChannelCodec.h"
#include "data/ImageCheck.h"
#include "data/TextGrid.h"

#include <gtest/gtest.h>

namespace tarn {
namespace {

// A new document's image with channels programmed by their cells, as a save stores them.
class ModelBandTest : public ::testing::Test {
protected:
    void program(int channel, const std::string& rx, const std::string& tx) {
        TextGrid cells;
        ChannelCodec::render(image, cells, Count);
        const std::vector<std::string> row{rx, tx, "OFF", "OFF", "High", "Lock"};
        for (int c = 1; c <= 6; ++c)
            cells.setCellText(channel, c, row[static_cast<std::size_t>(c - 1)]);
        ChannelCodec::parse(cells, image, Count);
    }
    [[nodiscard]] std::vector<std::string> findings() const {
        std::vector<std::string> lines;
        for (const ImageCheck::Finding& f : ImageCheck::check(image, Count))
            lines.push_back(ImageCheck::describe(f));
        return lines;
    }

    static constexpr int Count = 199;
    RadioImage image = RadioImage::newDocument();
};

TEST_F(ModelBandTest, EdgesBelongToTheBandAndOneStepBeyondDoesNot) {
    struct Case {
        int entry;
        const char* text;
        bool outside;
    };
    const std::vector<Case> cases = {
        {0, "136.00000", false}, {0, "174.00000", false}, {0, "135.99375", true},
        {0, "174.00625", true},  {0, "174.00500", true},  {1, "400.00000", false},
        {1, "480.00000", false}, {1, "399.99500", true},  {1, "146.52000", true},
        {3, "299.00000", false}, {3, "299.00500", true},  {5, "550.00000", false},
        {5, "550.00625", true},  {0, "", false},
    };
    for (const Case& c : cases) {
        const auto band = ModelBand::forEntry(c.entry);
        ASSERT_TRUE(band);
        EXPECT_EQ(band->excludes(c.text), c.outside) << c.entry << " " << c.text;
    }
    EXPECT_FALSE(ModelBand::forEntry(6));
    EXPECT_FALSE(ModelBand::forEntry(-1));
}

TEST_F(ModelBandTest, TheBandIsWhatModelInformationShows) {
    EXPECT_EQ(ModelBand::of(image)->name(), "VHF: 136-174MHz");
    image[RadioImage::BandOffset] = 1;
    EXPECT_EQ(ModelBand::of(image)->name(), "UHF: 400-480MHz");
    image[RadioImage::BandOffset] = 6;
    EXPECT_FALSE(ModelBand::of(image)) << "a band byte naming no entry checks nothing";
    image[RadioImage::BandOffset] = 0;
    image[RadioImage::ModelTypeOffset] = 4;
    EXPECT_FALSE(ModelBand::of(image)) << "Model Information shows no band for this model";
}

TEST_F(ModelBandTest, OutsideListsEachFrequencyCellByChannelAndColumn) {
    program(3, "146.52000", "446.00000");
    program(7, "440.00000", "440.00000");
    program(9, "174.00000", "136.00000");
    TextGrid cells;
    ChannelCodec::render(image, cells, Count);
    const auto found = ModelBand::of(image)->outside(cells, Count);
    ASSERT_EQ(found.size(), 3u);
    EXPECT_EQ(found[0].channel, 3);
    EXPECT_EQ(found[0].column, ChannelCodec::TxFreqColumn);
    EXPECT_EQ(found[1].column, ChannelCodec::RxFreqColumn);
    EXPECT_EQ(found[2].frequency, "440.00000");
    EXPECT_EQ(ModelBand::channelList(found), "3, 7");
}

TEST_F(ModelBandTest, ACleanFileHasNoFindings) {
    EXPECT_TRUE(findings().empty()) << "a new document";
    program(1, "146.52000", "146.52000");
    program(199, "136.00000", "174.00000");
    EXPECT_TRUE(findings().empty());
}

TEST_F(ModelBandTest, CheckFindsWhatTheRadioCannotUseOrASaveWouldChange) {
    program(2, "146.52000", "150.00000");
    program(4, "146.52000", "146.52000");
    program(5, "146.52000", "146.52000");
    program(6, "146.52000", "146.52000");
    program(8, "446.00000", "146.52000");
    auto row = [&](int channel) { return image.row(static_cast<std::size_t>(channel - 1)); };
    row(2)[12] |= 0x30; // power 11
    row(4)[9] = 0x80;   // D0N + 99: a code the list does not hold
    row(4)[8] = 0x99;
    row(5)[1] = 0x5A;  // a nibble that is no decimal digit
    row(6)[11] = 0x00; // a tone high byte read as none
    row(6)[10] = 0x12;
    row(150)[9] = 0x12; // not programmed: nothing to check
    EXPECT_EQ(findings(), (std::vector<std::string>{
                              "channel 2, TX Power: the power bits 11 name no power the grid "
                              "can show",
                              "channel 4, QT/DQT Dec: the bytes 99 80 show \"D099N\", which is "
                              "no tone or code of the list",
                              "channel 5, RX Freq: the bytes 00 5A 65 14 show \"146.56000\" and "
                              "a save would store 00 60 65 14",
                              "channel 6, QT/DQT Enc: the bytes 12 00 show \"\" and a save would "
                              "store FF FF",
                              "channel 8, RX Freq: 446.00000 lies outside the band of the model "
                              "(VHF: 136-174MHz)",
                          }));
}

} // namespace
} // namespace tarn
