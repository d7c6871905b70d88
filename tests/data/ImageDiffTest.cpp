#include "data/ImageDiff.h"

#include "data/ChannelCodec.h"
#include "data/OptionalFeatures.h"

#include <gtest/gtest.h>

namespace tarn {
namespace {

// 146.52000 MHz on RX and TX, "67.0" both ways, High, Lock.
void program(RadioImage& image, int channel) {
    const auto row = image.row(static_cast<std::size_t>(channel - 1));
    const std::uint8_t bytes[12] = {0x00, 0x20, 0x65, 0x14, 0x00, 0x20,
                                    0x65, 0x14, 0x70, 0x06, 0x70, 0x06};
    std::copy(std::begin(bytes), std::end(bytes), row.begin());
    row[12] = static_cast<std::uint8_t>((row[12] & ~0x38) | 0x28); // other bits stay
}

TEST(ImageDiffTest, IdenticalImagesAreEqual) {
    RadioImage image = RadioImage::newDocument();
    program(image, 5);
    const ImageDifferences diff = ImageDiff::compare(image, image);
    EXPECT_TRUE(diff.equal());
    EXPECT_EQ(diff.untransferredBytes, 0u);
}

TEST(ImageDiffTest, ChannelFieldsAreListedAsTheGridShowsThem) {
    RadioImage a = RadioImage::newDocument();
    program(a, 12);
    RadioImage b = a;
    b.row(11)[1] = 0x25;   // RX 146.52500
    b.row(11)[12] ^= 0x30; // High -> Middle
    program(b, 199);

    const ImageDifferences diff = ImageDiff::compare(a, b);
    ASSERT_GE(diff.channels.size(), 2u);
    const ChannelDifference& rx = diff.channels[0];
    EXPECT_EQ(rx.channel, 12);
    EXPECT_EQ(rx.column, ChannelCodec::RxFreqColumn);
    EXPECT_EQ(rx.from, "146.52000");
    EXPECT_EQ(rx.to, "146.52500");
    EXPECT_EQ(diff.channels[1].column, ChannelCodec::PowerColumn);
    EXPECT_EQ(diff.channels[1].from, "High");
    EXPECT_EQ(diff.channels[1].to, "Middle");
    // Channel 199 appears in all six columns, from empty.
    EXPECT_EQ(diff.channels.size(), 8u);
    EXPECT_EQ(diff.channels.back().channel, 199);
    EXPECT_EQ(diff.channels[2].from, ImageDiff::EmptyText);
    EXPECT_TRUE(diff.settings.empty());
    EXPECT_EQ(diff.otherBytes, 0u) << "every differing bit is a listed field";
    EXPECT_FALSE(diff.equal());
}

TEST(ImageDiffTest, SettingsAreNamedAsInTheirDialogs) {
    const RadioImage a = RadioImage::newDocument();
    RadioImage b = a;
    b[0x1FC1] = 7;                                           // Squelch Level 4 -> 7
    b[0x1FE1] = static_cast<std::uint8_t>(a[0x1FE1] ^ 0x40); // Busy Off -> On
    b[RadioImage::BandOffset] = 1;                           // Frequency
    b[0x1FE7] = 2;                                           // the hidden VOX delay

    const ImageDifferences diff = ImageDiff::compare(a, b);
    ASSERT_EQ(diff.settings.size(), 4u);
    EXPECT_EQ(diff.settings[0].name, "Frequency");
    EXPECT_EQ(diff.settings[0].from, "VHF: 136-174MHz");
    EXPECT_EQ(diff.settings[0].to, "UHF: 400-480MHz");
    EXPECT_EQ(diff.settings[1].name, "Squelch Level");
    EXPECT_EQ(diff.settings[1].from, "4");
    EXPECT_EQ(diff.settings[1].to, "7");
    EXPECT_EQ(diff.settings[2].name, "Busy");
    EXPECT_EQ(diff.settings[2].from, "Off");
    EXPECT_EQ(diff.settings[2].to, "On");
    EXPECT_EQ(diff.settings[3].name, "Vox delay time");
    EXPECT_TRUE(diff.channels.empty());
    EXPECT_EQ(diff.otherBytes, 0u);
}

TEST(ImageDiffTest, BytesNoFieldShowsAreCountedApart) {
    RadioImage a = RadioImage::newDocument();
    program(a, 1);
    RadioImage b = a;
    b.row(0)[13] = 0x00; // unused bytes of a channel row
    b.row(0)[14] = 0x00;
    b.row(0)[12] ^= 0x40; // a flag bit the grid does not show
    b[0x1FE1] ^= 0x01;    // bit 0 of the shared byte belongs to no option
    b[0x1FE9] = 0x00;     // written, never read back
    b[0x1FC3] = 9;        // past the TOT list, so it shows entry 0: "1m" -> "Off"
    b[0x1000] = 0x00;     // rows between channels and settings: files only
    b[0x1FF5] = 0x00;     // the last row: files only

    const ImageDifferences diff = ImageDiff::compare(a, b);
    EXPECT_TRUE(diff.channels.empty());
    ASSERT_EQ(diff.settings.size(), 1u);
    EXPECT_EQ(diff.settings[0].to, "Off");
    EXPECT_EQ(diff.otherBytes, 5u);
    EXPECT_EQ(diff.untransferredBytes, 2u);
    EXPECT_FALSE(diff.equal());

    RadioImage c = a;
    c[0x1000] = 0x00;
    EXPECT_TRUE(ImageDiff::compare(a, c).equal()) << "only files hold that byte";
}

TEST(ImageDiffTest, AChannelTheSmallerModelDoesNotShowCountsAsEmpty) {
    RadioImage a = RadioImage::newDocument();
    program(a, 170);
    RadioImage b = a;
    b[RadioImage::ModelTypeOffset] = 4; // 160 channels
    const ImageDifferences diff = ImageDiff::compare(a, b);
    ASSERT_FALSE(diff.channels.empty());
    EXPECT_EQ(diff.channels.front().channel, 170);
    EXPECT_EQ(diff.channels.front().to, ImageDiff::EmptyText);
    EXPECT_EQ(diff.settings.front().name, "Model Type");
    EXPECT_EQ(diff.settings.front().to, ImageDiff::NoEntryText);
}

} // namespace
} // namespace tarn
