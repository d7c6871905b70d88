#include "data/ModelSettings.h"

#include <gtest/gtest.h>

namespace tarn {
namespace {

RadioImage imageWith(int model, int band) {
    RadioImage image;
    image[ModelSettings::ModelOffset] = static_cast<std::uint8_t>(model);
    image[ModelSettings::BandOffset] = static_cast<std::uint8_t>(band);
    return image;
}

TEST(ModelSettings, DecodesEveryPairOfStoredBytes) {
    for (int model = 0; model < 256; ++model) {
        for (int band = 0; band < 256; ++band) {
            const ModelSettings decoded = ModelSettings::decode(imageWith(model, band));
            const int expectedModel = model <= 1 ? model : -1;
            // Without a model the band list is empty, so no band can show.
            const int expectedBand = (expectedModel >= 0 && band <= 5) ? band : -1;
            ASSERT_EQ(decoded.model(), expectedModel) << model << " " << band;
            ASSERT_EQ(decoded.band(), expectedBand) << model << " " << band;
        }
    }
}

TEST(ModelSettings, EncodesIndexesAndNoSelectionAsFF) {
    RadioImage image = imageWith(0, 0);
    EXPECT_FALSE(ModelSettings(0, 0).encode(image));
    EXPECT_TRUE(ModelSettings(1, 5).encode(image));
    EXPECT_EQ(image[0x1FDE], 1);
    EXPECT_EQ(image[0x1FDF], 5);
    EXPECT_TRUE(ModelSettings(-1, -1).encode(image));
    EXPECT_EQ(image[0x1FDE], 0xFF);
    EXPECT_EQ(image[0x1FDF], 0xFF);

    RadioImage untouched;
    ModelSettings(1, 2).encode(untouched);
    for (std::size_t offset = 0; offset < RadioImage::Size; ++offset) {
        if (offset != 0x1FDE && offset != 0x1FDF) {
            ASSERT_EQ(untouched[offset], 0xFF) << offset;
        }
    }
}

TEST(ModelSettings, EitherModelOffersTheSixBandsAndTheFullTable) {
    for (const int model : {0, 1}) {
        const auto bands = ModelSettings::bandEntriesFor(model);
        ASSERT_EQ(bands.size(), 6U);
        EXPECT_EQ(bands.front(), "VHF: 136-174MHz");
        EXPECT_EQ(bands.back(), "400 - 550MHz");
        EXPECT_EQ(ModelSettings::channelCountFor(model), 199);
    }
    for (const int none : {-1, 2, 255}) {
        EXPECT_TRUE(ModelSettings::bandEntriesFor(none).empty());
        EXPECT_EQ(ModelSettings::channelCountFor(none), std::nullopt);
    }
}

} // namespace
} // namespace tarn
