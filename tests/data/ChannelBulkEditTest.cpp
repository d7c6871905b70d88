#include "data/ChannelBulkEdit.h"
#include "data/ChannelCodec.h"
#include "data/ChannelDocument.h"
#include "data/ChannelFill.h"
#include "data/DocumentState.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace tarn {
namespace {

using Region = BandPlan::Region;
using Row = std::array<std::string, 6>;

// Channels 1, 2, 4 programmed (4 with the unnamed power value), 3 empty; hidden bits in all.
class ManyChannelsTest : public ::testing::Test {
protected:
    ManyChannelsTest() {
        RadioImage image = RadioImage::newDocument();
        const std::vector<std::pair<const char*, std::uint8_t>> programmed{
            {"145.5", 0x2A}, {"433.5", 0x08}, {nullptr, 0x77}, {"146.52", 0x35}};
        for (std::size_t i = 0; i < programmed.size(); ++i) {
            auto row = image.row(i);
            const std::uint32_t units =
                programmed[i].first ? ChannelCodec::frequencyUnits(programmed[i].first) : 0;
            ChannelCodec::encodeFrequency(units, row.subspan<0, 4>());
            ChannelCodec::encodeFrequency(units, row.subspan<4, 4>());
            row[12] = programmed[i].second;
            row[13] = static_cast<std::uint8_t>(0xA0 + i);
        }
        document.takeImage(image);
    }

    [[nodiscard]] Row row(int channel) const {
        Row cells;
        for (int c = 1; c <= 6; ++c)
            cells[static_cast<std::size_t>(c - 1)] = document.sheet().cellText(channel, c);
        return cells;
    }
    [[nodiscard]] DocumentState state() const {
        return DocumentState::capture(document.sheet(), document.image(), document.channelCount());
    }
    [[nodiscard]] std::uint8_t parsedByte(int channel, std::size_t byte) const {
        return document.currentImage().row(static_cast<std::size_t>(channel - 1))[byte];
    }

    ChannelDocument document;
};

TEST_F(ManyChannelsTest, BulkEditSetsChosenFieldsOnProgrammedChannelsOnly) {
    const std::vector<int> chosen{1, 2, 3, 4};
    struct Case {
        const char* name;
        ChannelBulkEdit edit;
        Region region;
        Row first, second, fourth;
    };
    ChannelBulkEdit shift;
    shift.offset = TxOffset::parse("-600", TxOffset::Unit::KHz);
    ChannelBulkEdit plan;
    plan.offset = TxOffset::plan('+');
    ChannelBulkEdit rest;
    rest.decTone = "d023n";
    rest.encTone = "67.0";
    rest.power = "Middle";
    rest.lock = "UnLock";
    const std::vector<Case> cases{
        {"offset in kHz",
         shift,
         Region::Iaru1,
         {"145.50000", "144.90000", "", "", "High", "Lock"},
         {"433.50000", "432.90000", "", "", "Low", "Lock"},
         {"146.52000", "145.92000", "", "", "", "UnLock"}},
        {"band plan, region 1",
         plan,
         Region::Iaru1,
         {"145.50000", "146.10000", "", "", "High", "Lock"},
         {"433.50000", "441.10000", "", "", "Low", "Lock"},
         {"146.52000", "147.12000", "", "", "", "UnLock"}},
        {"band plan, region 2",
         plan,
         Region::Iaru2Us,
         {"145.50000", "146.10000", "", "", "High", "Lock"},
         {"433.50000", "438.50000", "", "", "Low", "Lock"},
         {"146.52000", "147.12000", "", "", "", "UnLock"}},
        {"tones, power, lock; offset unchanged",
         rest,
         Region::Iaru1,
         {"145.50000", "145.50000", "D023N", "67.0", "Middle", "UnLock"},
         {"433.50000", "433.50000", "D023N", "67.0", "Middle", "UnLock"},
         {"146.52000", "146.52000", "D023N", "67.0", "Middle", "UnLock"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const DocumentState before = state();
        EXPECT_EQ(document.editChannels(c.edit, chosen, c.region), "");
        EXPECT_EQ(row(1), c.first);
        EXPECT_EQ(row(2), c.second);
        EXPECT_EQ(row(3), Row{}) << "an empty channel stays empty";
        EXPECT_EQ(row(4), c.fourth);
        EXPECT_EQ(document.history().undoName(), "Edit 4 Channels");
        if (!c.edit.power) {
            EXPECT_EQ(parsedByte(4, 12) & 0x30, 0x30) << "the unnamed power value stays";
        }
        EXPECT_EQ(parsedByte(1, 13), 0xA0) << "bits no cell shows stay";
        ASSERT_TRUE(document.undo());
        EXPECT_EQ(state(), before);
    }
}

TEST_F(ManyChannelsTest, BulkEditIsRefusedWholeNamingTheFirstBadChannel) {
    const std::vector<int> chosen{1, 2, 4};
    const auto edit = [](const char* offset, TxOffset::Unit unit) {
        ChannelBulkEdit e;
        e.offset = TxOffset::parse(offset, unit);
        e.power = "Low";
        return e;
    };
    ChannelBulkEdit badTone;
    badTone.decTone = "66.6";
    document.storeCell(5, ChannelCodec::TxFreqColumn, "440.00000");
    const std::vector<int> txOnly{1, 5};
    const std::vector<std::tuple<ChannelBulkEdit, std::vector<int>, std::string>> cases{
        {edit("+170", TxOffset::Unit::MHz), chosen,
         "Channel 2: TX Freq 603.50000 MHz is outside 100-600 MHz."},
        {edit("+", TxOffset::Unit::MHz), {1, 2, 4}, ""},
        {edit("0.001", TxOffset::Unit::MHz), chosen,
         "Channel 1: TX Freq 145.50100 MHz is on neither the 6.25 kHz nor the 5 kHz step."},
        {badTone, chosen, "\"66.6\" is no tone or code of the list."},
        {edit("0", TxOffset::Unit::MHz), txOnly,
         "Channel 5 has no RX Freq to set its TX Freq from."},
    };
    for (const auto& [e, channels, error] : cases) {
        if (error.empty())
            continue;
        SCOPED_TRACE(error);
        const DocumentState before = state();
        const bool couldUndo = document.history().canUndo();
        EXPECT_EQ(document.editChannels(e, channels, Region::Iaru1), error);
        EXPECT_EQ(state(), before);
        EXPECT_EQ(document.history().canUndo(), couldUndo);
    }
    document.storeCell(2, ChannelCodec::RxFreqColumn, "155.50000");
    EXPECT_EQ(document.editChannels(edit("+", TxOffset::Unit::MHz), chosen, Region::Iaru1),
              "Channel 2: No standard repeater offset for 155.50000 MHz in IARU Region 1: only "
              "the 144-148 MHz and 420-450 MHz bands have one.");
}

TEST_F(ManyChannelsTest, FillReplacesARunOfChannelsAsOneStep) {
    ChannelFill fill;
    fill.first = 2;
    fill.count = 16;
    fill.startUnits = ChannelCodec::frequencyUnits("446.00625");
    fill.stepUnits = 1250;
    fill.encTone = "88.5";
    fill.power = "Low";
    EXPECT_EQ(fill.replaced(document.sheet()), 2) << "channels 2 and 4";
    const DocumentState before = state();
    ASSERT_EQ(document.fillChannels(fill, Region::Iaru1), "");
    EXPECT_EQ(row(1)[0], "145.50000");
    EXPECT_EQ(row(2), (Row{"446.00625", "446.00625", "OFF", "88.5", "Low", "Lock"}));
    EXPECT_EQ(row(17), (Row{"446.19375", "446.19375", "OFF", "88.5", "Low", "Lock"}));
    EXPECT_EQ(row(18), Row{});
    EXPECT_EQ(document.image().row(3)[13], 0xFF) << "nothing of a replaced channel stays";
    EXPECT_EQ(document.history().undoName(), "Fill 16 Channels");
    ASSERT_TRUE(document.undo());
    EXPECT_EQ(state(), before);

    fill.first = 1;
    fill.count = 3;
    fill.startUnits = ChannelCodec::frequencyUnits("145.5");
    fill.offset = TxOffset::plan('-');
    ASSERT_EQ(document.fillChannels(fill, Region::Iaru1), "");
    EXPECT_EQ(row(3)[1], "144.92500");
}

TEST_F(ManyChannelsTest, FillIsRefusedWholeNamingTheFirstBadChannel) {
    const auto fill = [](int first, int count, const char* start, std::uint32_t step) {
        ChannelFill f;
        f.first = first;
        f.count = count;
        f.startUnits = ChannelCodec::frequencyUnits(start);
        f.stepUnits = step;
        return f;
    };
    ChannelFill shifted = fill(1, 2, "148", 12500);
    shifted.offset = TxOffset::plan('+');
    ChannelFill noTone = fill(1, 1, "145", 1250);
    noTone.decTone = "D999N";
    const std::vector<std::pair<ChannelFill, std::string>> cases{
        {fill(190, 11, "145", 1250), "From channel 190 only 10 channels fit, not 11."},
        {fill(10, 3, "599.99", 2500), "Channel 11: RX Freq 600.01500 MHz is outside 100-600 MHz."},
        {fill(10, 3, "145", 300),
         "Channel 11: RX Freq 145.00300 MHz is on neither the 6.25 kHz nor the 5 kHz step."},
        {fill(1, 2, "99.99", 1000), "Channel 1: RX Freq 99.99000 MHz is outside 100-600 MHz."},
        {shifted, "Channel 2: No standard repeater offset for 148.12500 MHz in IARU Region 1: "
                  "only the 144-148 MHz and 420-450 MHz bands have one."},
        {noTone, "\"D999N\" is no tone or code of the list."},
        {fill(1, 0, "145", 1250), "Nothing to fill."},
    };
    const DocumentState before = state();
    for (const auto& [f, error] : cases) {
        EXPECT_EQ(document.fillChannels(f, Region::Iaru1), error);
        EXPECT_EQ(state(), before) << error;
        EXPECT_FALSE(document.history().canUndo()) << error;
    }
}

} // namespace
} // namespace tarn
