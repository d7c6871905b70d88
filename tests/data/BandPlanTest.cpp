#include "data/BandPlan.h"
#include "data/ChannelCodec.h"
#include "data/TxOffset.h"

#include <gtest/gtest.h>

#include <optional>
#include <tuple>
#include <vector>

namespace tarn {
namespace {

using Region = BandPlan::Region;

std::uint32_t units(const char* mhz) {
    return ChannelCodec::frequencyUnits(mhz);
}

TEST(BandPlan, OffsetsPerRegionAtTheBandEdges) {
    // RX, then the offset in regions 1, 2/US and 3 (0: none).
    const std::vector<std::tuple<const char*, std::uint32_t, std::uint32_t, std::uint32_t>> cases{
        {"143.99375", 0, 0, 0},
        {"144", 60000, 60000, 60000},
        {"146.52", 60000, 60000, 60000},
        {"148", 60000, 60000, 60000},
        {"148.00625", 0, 0, 0},
        {"419.99375", 0, 0, 0},
        {"420", 760000, 500000, 500000},
        {"433.5", 760000, 500000, 500000},
        {"450", 760000, 500000, 500000},
        {"450.00625", 0, 0, 0},
        {"155.5", 0, 0, 0},
    };
    for (const auto& [rx, r1, r2, r3] : cases) {
        const std::uint32_t expected[] = {r1, r2, r3};
        for (std::size_t i = 0; i < 3; ++i) {
            const std::optional<std::uint32_t> offset =
                BandPlan::offsetUnits(BandPlan::Regions[i], units(rx));
            EXPECT_EQ(offset.value_or(0), expected[i]) << rx << " region " << i + 1;
        }
    }
}

TEST(BandPlan, RepeaterTxShiftsOrNamesTheBand) {
    const std::vector<std::tuple<Region, const char*, char, const char*>> cases{
        {Region::Iaru1, "145.6", '-', "145.00000"},   {Region::Iaru2Us, "146.94", '-', "146.34000"},
        {Region::Iaru1, "144", '+', "144.60000"},     {Region::Iaru1, "430.2", '+', "437.80000"},
        {Region::Iaru2Us, "442.1", '+', "447.10000"}, {Region::Iaru3, "439.1", '-', "434.10000"},
    };
    for (const auto& [region, rx, sign, tx] : cases) {
        const BandPlan::Tx found = BandPlan::repeaterTx(region, units(rx), sign);
        EXPECT_EQ(found.error, "") << rx;
        EXPECT_EQ(ChannelCodec::formatFrequency(found.units), tx) << rx;
    }
    const BandPlan::Tx refused = BandPlan::repeaterTx(Region::Iaru2Us, units("155.5"), '+');
    EXPECT_EQ(refused.error, "No standard repeater offset for 155.50000 MHz in IARU Region 2 / "
                             "US: only the 144-148 MHz and 420-450 MHz bands have one.");
}

TEST(BandPlan, SettingsKeysRoundTrip) {
    for (const Region region : BandPlan::Regions)
        EXPECT_EQ(BandPlan::fromKey(BandPlan::key(region)), region);
    EXPECT_EQ(BandPlan::fromKey("region4"), std::nullopt);
    EXPECT_EQ(BandPlan::fromKey(""), std::nullopt);
}

TEST(TxOffset, ParsesSignedAmountsAndThePlanSigns) {
    using Unit = TxOffset::Unit;
    using Kind = TxOffset::Kind;
    const std::vector<std::tuple<const char*, Unit, std::optional<Kind>, std::int64_t>> cases{
        {"+", Unit::MHz, Kind::PlanUp, 0},       {" - ", Unit::KHz, Kind::PlanDown, 0},
        {"0.6", Unit::MHz, Kind::Shift, 60000},  {"-600", Unit::KHz, Kind::Shift, -60000},
        {"+12.5", Unit::KHz, Kind::Shift, 1250}, {"-7.6", Unit::MHz, Kind::Shift, -760000},
        {"0", Unit::MHz, Kind::Shift, 0},        {"0.01", Unit::KHz, Kind::Shift, 1},
        {"0.001", Unit::KHz, std::nullopt, 0},   {"--1", Unit::MHz, std::nullopt, 0},
        {"5e3", Unit::KHz, std::nullopt, 0},     {"", Unit::MHz, std::nullopt, 0},
        {"+-", Unit::MHz, std::nullopt, 0},      {"1x", Unit::MHz, std::nullopt, 0},
    };
    for (const auto& [text, unit, kind, amount] : cases) {
        const std::optional<TxOffset> offset = TxOffset::parse(text, unit);
        ASSERT_EQ(offset.has_value(), kind.has_value()) << text;
        if (!offset)
            continue;
        EXPECT_EQ(offset->kind(), *kind) << text;
        EXPECT_EQ(offset->units(), amount) << text;
    }
}

TEST(TxOffset, TxIsCheckedAsATypedFrequency) {
    const std::vector<std::tuple<const char*, std::int64_t, const char*>> cases{
        {"145.5", 60000, ""},
        {"599.5", 60000, "TX Freq 600.10000 MHz is outside 100-600 MHz."},
        {"100.5", -60000, "TX Freq 99.90000 MHz is outside 100-600 MHz."},
        {"145.5", -20000000, "TX Freq -54.50000 MHz is outside 100-600 MHz."},
        {"145.5", 100, "TX Freq 145.50100 MHz is on neither the 6.25 kHz nor the 5 kHz step."},
    };
    for (const auto& [rx, shift, error] : cases)
        EXPECT_EQ(TxOffset::shift(shift).txFor(units(rx), Region::Iaru1).error, error) << rx;
}

} // namespace
} // namespace tarn
