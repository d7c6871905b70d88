#include "data/ToneTable.h"
#include "data/ChannelCodec.h"

#include <gtest/gtest.h>

namespace tarn {
namespace {

TEST(ToneTable, HoldsTheTextsInTableOrder) {
    const ToneTable table;
    EXPECT_EQ(table.at(0), "OFF");
    EXPECT_EQ(table.at(1), "67.0");
    EXPECT_EQ(table.at(50), "254.1");
    EXPECT_EQ(table.at(51), "D017N");
    EXPECT_EQ(table.at(92), "D244N");
    EXPECT_EQ(table.at(93), "D246N");
    EXPECT_EQ(table.at(94), "D245N");
    EXPECT_EQ(table.at(95), "D251N");
    EXPECT_EQ(table.at(157), "D754N");
    EXPECT_EQ(table.at(158), "D017I");
    EXPECT_EQ(table.at(200), "D245I");
    EXPECT_EQ(table.at(201), "D246I");
    EXPECT_EQ(table.at(264), "D754I");
    EXPECT_EQ(table.find("d023n"), 52);
    EXPECT_EQ(table.find("off"), 0);
    EXPECT_FALSE(table.find("D999N"));
    EXPECT_FALSE(table.find(""));
}

TEST(ToneTable, EveryTextSurvivesCodeAndBackInBothColumns) {
    const ToneTable table;
    for (int i = 1; i < table.size(); ++i) {
        const auto [high, low] = ChannelCodec::encodeTone(table.at(i));
        EXPECT_EQ(ChannelCodec::renderTone(high, low, false), table.at(i)) << i;
        EXPECT_EQ(ChannelCodec::renderTone(high, low, true), table.at(i)) << i;
    }
    const std::pair<std::uint8_t, std::uint8_t> none(0xFF, 0xFF);
    EXPECT_EQ(ChannelCodec::encodeTone("OFF"), none);
    EXPECT_EQ(ChannelCodec::encodeTone(""), none);
    EXPECT_EQ(ChannelCodec::renderTone(0xFF, 0xFF, false), "");
    EXPECT_EQ(ChannelCodec::renderTone(0x00, 0x12, true), "");
}

TEST(ToneCodes, MatchTheRadioCoding) {
    using P = std::pair<std::uint8_t, std::uint8_t>;
    EXPECT_EQ(ChannelCodec::encodeTone("67.0"), P(0x06, 0x70));
    EXPECT_EQ(ChannelCodec::encodeTone("254.1"), P(0x25, 0x41));
    EXPECT_EQ(ChannelCodec::encodeTone("D023N"), P(0x80, 0x23));
    EXPECT_EQ(ChannelCodec::encodeTone("D754I"), P(0xC7, 0x54));
    EXPECT_EQ(ChannelCodec::encodeTone("D114I"), P(0xC1, 0x14));
    // "D" with neither polarity letter counts as inverted.
    EXPECT_EQ(ChannelCodec::encodeTone("D023"), P(0xC0, 0x23));
    // The grid keeps a typed code in its letter case; it must not be lost as "no tone".
    EXPECT_EQ(ChannelCodec::encodeTone("d023n"), P(0x80, 0x23));
    EXPECT_EQ(ChannelCodec::encodeTone("d754i"), P(0xC7, 0x54));
}

TEST(ToneCodes, HighBytes0x90To0xBFRenderDifferentlyPerColumn) {
    for (int high = 0x90; high <= 0xBF; ++high) {
        const auto h = static_cast<std::uint8_t>(high);
        const std::string rx = ChannelCodec::renderTone(h, 0x12, false);
        const std::string tx = ChannelCodec::renderTone(h, 0x12, true);
        EXPECT_EQ(rx.find('D'), std::string::npos) << rx;
        ASSERT_FALSE(tx.empty());
        EXPECT_EQ(tx.front(), 'D');
        EXPECT_EQ(tx.back(), 'N');
    }
    EXPECT_EQ(ChannelCodec::renderTone(0x95, 0x12, false), "951.2");
    EXPECT_EQ(ChannelCodec::renderTone(0x95, 0x12, true), "D2112N");
    EXPECT_EQ(ChannelCodec::renderTone(0x80, 0x23, false), "D023N");
    EXPECT_EQ(ChannelCodec::renderTone(0xC0, 0x23, true), "D023I");
}

} // namespace
} // namespace tarn
