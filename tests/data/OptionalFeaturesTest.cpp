#include "data/OptionalFeatures.h"

#include <gtest/gtest.h>

namespace tarn {
namespace {

using F = OptionalFeatures;

const FeatureField& field(F::Field which) {
    return F::fields()[which];
}

RadioImage imageWithByte(std::size_t offset, int value) {
    RadioImage image;
    image[offset] = static_cast<std::uint8_t>(value);
    return image;
}

TEST(OptionalFeatures, IndexBytesDecodeEveryValueAndFallBackToTheFirstEntry) {
    struct Case {
        F::Field which;
        std::size_t offset;
        int entries;
    };
    for (const auto& [which, offset, entries] :
         {Case{F::TimeOut, 0x1FC3, 4}, Case{F::Squelch, 0x1FC1, 10}, Case{F::CallTone, 0x1FE5, 10},
          Case{F::BatterySave, 0x1FE6, 6}, Case{F::VoxGain, 0x1FE4, 17},
          Case{F::VoxDelay, 0x1FE7, 6}}) {
        for (int value = 0; value < 256; ++value) {
            RadioImage image = imageWithByte(offset, value);
            const int selection = F::decode(field(which), image);
            ASSERT_EQ(selection, value < entries ? value : 0) << offset << " " << value;
            F::encode(field(which), selection, image);
            ASSERT_EQ(image[offset], value < entries ? value : 0) << offset << " " << value;
        }
        RadioImage image;
        F::encode(field(which), F::NoSelection, image);
        EXPECT_EQ(image[offset], 0xFF);
    }
}

TEST(OptionalFeatures, StepPastTheListShowsNothingAndStoresFF) {
    for (int value = 0; value < 256; ++value) {
        RadioImage image = imageWithByte(0x1FE0, value);
        const int selection = F::decode(field(F::Step), image);
        ASSERT_EQ(selection, value < 5 ? value : -1) << value;
        F::encode(field(F::Step), selection, image);
        ASSERT_EQ(image[0x1FE0], value < 5 ? value : 0xFF) << value;
    }
}

// The byte after decoding every field of it and encoding them back: a pair holding both
// bits keeps only the high one, every other bit is kept.
int normalised(std::size_t offset, int value) {
    if (offset == 0x1FE1) {
        if ((value & 0x30) == 0x30)
            value &= ~0x10;
        if ((value & 0x0C) == 0x0C)
            value &= ~0x04;
    }
    if (offset == 0x1FE2 && (value & 0x03) == 0x03)
        value &= ~0x01;
    return value;
}

TEST(OptionalFeatures, SharedBytesRoundTripEveryValueAndKeepForeignBits) {
    for (const std::size_t offset : {0x1FC0U, 0x1FE1U, 0x1FE2U}) {
        for (int value = 0; value < 256; ++value) {
            RadioImage image = imageWithByte(offset, value);
            F::encode(F::decode(image), image);
            ASSERT_EQ(image[offset], normalised(offset, value)) << offset << " " << value;
        }
    }
}

TEST(OptionalFeatures, FlagsDecodeToTheEntryTheirBitNames) {
    const RadioImage allSet = imageWithByte(0x1FE1, 0xFF);
    const RadioImage allClear = imageWithByte(0x1FE1, 0x00);
    EXPECT_EQ(F::decode(field(F::ChannelName), allSet), 0); // "Off"
    EXPECT_EQ(F::decode(field(F::ChannelName), allClear), 1);
    EXPECT_EQ(F::decode(field(F::Busy), allSet), 0);
    EXPECT_EQ(F::decode(field(F::Busy), allClear), 1);
    EXPECT_EQ(F::decode(field(F::KeypadLock), allSet), 1); // "Auto"
    EXPECT_EQ(F::decode(field(F::KeypadLock), allClear), 0);
    EXPECT_EQ(F::decode(field(F::Encoder), imageWithByte(0x1FE2, 0x20)), 1);
    EXPECT_EQ(F::decode(field(F::Encoder), imageWithByte(0x1FE2, 0xDF)), 0);
    EXPECT_EQ(F::decode(field(F::Beep), imageWithByte(0x1FC0, 0x01)), 1);
    EXPECT_EQ(F::decode(field(F::Beep), imageWithByte(0x1FC0, 0xFE)), 0);
}

TEST(OptionalFeatures, PairsLetTheHighBitWin) {
    struct Case {
        F::Field which;
        std::size_t offset;
        int low;
    };
    for (const Case c : {Case{F::ScanMode, 0x1FE1, 0x10}, Case{F::Led, 0x1FE1, 0x04},
                         Case{F::Mode, 0x1FE2, 0x01}}) {
        const int high = c.low << 1;
        EXPECT_EQ(F::decode(field(c.which), imageWithByte(c.offset, 0)), 0);
        EXPECT_EQ(F::decode(field(c.which), imageWithByte(c.offset, c.low)), 1);
        EXPECT_EQ(F::decode(field(c.which), imageWithByte(c.offset, high)), 2);
        EXPECT_EQ(F::decode(field(c.which), imageWithByte(c.offset, c.low | high)), 2);
    }
}

TEST(OptionalFeatures, EncodingTouchesOnlyTheNamedBits) {
    struct Case {
        F::Field which;
        int selection;
        int fromSet;   // byte after encoding into 0xFF
        int fromClear; // byte after encoding into 0x00
    };
    const Case cases[] = {
        {F::Beep, 0, 0xFE, 0x00},        {F::Beep, 1, 0xFF, 0x01},
        {F::Beep, -1, 0xFE, 0x00},       {F::Busy, 0, 0xFF, 0x40},
        {F::Busy, 1, 0xBF, 0x00},        {F::Busy, -1, 0xBF, 0x00},
        {F::ChannelName, 0, 0xFF, 0x80}, {F::ChannelName, -1, 0x7F, 0x00},
        {F::Encoder, 0, 0xDF, 0x00},     {F::Encoder, 1, 0xFF, 0x20},
        {F::Encoder, -1, 0xFF, 0x20},    {F::KeypadLock, 0, 0xFD, 0x00},
        {F::KeypadLock, -1, 0xFF, 0x02}, {F::ScanMode, 0, 0xCF, 0x00},
        {F::ScanMode, 1, 0xDF, 0x10},    {F::ScanMode, 2, 0xEF, 0x20},
        {F::ScanMode, -1, 0xEF, 0x20},   {F::Led, 0, 0xF3, 0x00},
        {F::Led, 1, 0xF7, 0x04},         {F::Led, -1, 0xFB, 0x08},
        {F::Mode, 0, 0xFC, 0x00},        {F::Mode, 1, 0xFD, 0x01},
        {F::Mode, 2, 0xFE, 0x02},        {F::Mode, -1, 0xFE, 0x02},
    };
    for (const Case& c : cases) {
        const FeatureField& f = field(c.which);
        RadioImage set = imageWithByte(f.offset, 0xFF);
        RadioImage clear = imageWithByte(f.offset, 0x00);
        F::encode(f, c.selection, set);
        F::encode(f, c.selection, clear);
        EXPECT_EQ(set[f.offset], c.fromSet) << f.label << " " << c.selection;
        EXPECT_EQ(clear[f.offset], c.fromClear) << f.label << " " << c.selection;
    }
}

TEST(OptionalFeatures, EncodingAllFieldsWritesOnlyTheirBytesAndReportsChange) {
    RadioImage image;
    F::Selections none{};
    none.fill(F::NoSelection);
    const RadioImage blank = image;
    EXPECT_TRUE(F::encode(none, image));
    for (std::size_t offset = 0; offset < RadioImage::Size; ++offset) {
        const bool owned = offset == 0x1FC0 || offset == 0x1FC1 || offset == 0x1FC3 ||
                           (offset >= 0x1FE0 && offset <= 0x1FE7 && offset != 0x1FE3);
        if (!owned) {
            ASSERT_EQ(image[offset], blank[offset]) << offset;
        }
    }
    // From blank bytes: beep, busy, channel name and each pair's low bit cleared.
    EXPECT_EQ(image[0x1FC0], 0xFE);
    EXPECT_EQ(image[0x1FE1], 0x2B);
    EXPECT_EQ(image[0x1FE2], 0xFE);
    EXPECT_EQ(image[0x1FE0], 0xFF);
    EXPECT_EQ(image[0x1FE4], 0xFF);
    EXPECT_FALSE(F::encode(none, image));
}

} // namespace
} // namespace tarn
