#include "data/BandPlan.h"

#include "data/ChannelCodec.h"
#include "data/ChannelRules.h"

namespace tarn {

namespace {

constexpr std::uint32_t MHz = 100000; // in 10 Hz units

struct Band {
    std::uint32_t low;
    std::uint32_t high;
};
constexpr Band TwoMetres{144 * MHz, 148 * MHz};
constexpr Band SeventyCentimetres{420 * MHz, 450 * MHz};

bool within(const Band& band, std::uint32_t units) {
    return units >= band.low && units <= band.high;
}

} // namespace

std::string BandPlan::regionName(Region region) {
    switch (region) {
    case Region::Iaru1:
        return "IARU Region 1";
    case Region::Iaru2Us:
        return "IARU Region 2 / US";
    case Region::Iaru3:
        return "IARU Region 3";
    }
    return {};
}

std::string BandPlan::key(Region region) {
    switch (region) {
    case Region::Iaru1:
        return "region1";
    case Region::Iaru2Us:
        return "region2";
    case Region::Iaru3:
        return "region3";
    }
    return {};
}

std::optional<BandPlan::Region> BandPlan::fromKey(std::string_view key) {
    for (const Region region : Regions) {
        if (BandPlan::key(region) == key)
            return region;
    }
    return std::nullopt;
}

std::optional<std::uint32_t> BandPlan::offsetUnits(Region region, std::uint32_t rxUnits) {
    if (within(TwoMetres, rxUnits))
        return 6 * MHz / 10;
    if (within(SeventyCentimetres, rxUnits))
        return region == Region::Iaru1 ? 76 * MHz / 10 : 5 * MHz;
    return std::nullopt;
}

std::string BandPlan::noOffsetMessage(Region region, std::uint32_t rxUnits) {
    return "No standard repeater offset for " + ChannelCodec::formatFrequency(rxUnits) +
           " MHz in " + regionName(region) +
           ": only the 144-148 MHz and 420-450 MHz bands have one.";
}

BandPlan::Tx BandPlan::repeaterTx(Region region, std::uint32_t rxUnits, char sign) {
    Tx tx;
    const std::optional<std::uint32_t> offset = offsetUnits(region, rxUnits);
    if (!offset) {
        tx.error = noOffsetMessage(region, rxUnits);
        return tx;
    }
    tx.units = sign == '+' ? rxUnits + *offset : rxUnits - *offset;
    const std::string text = ChannelCodec::formatFrequency(tx.units);
    if (ChannelRules::checkFrequency(text) != ChannelRules::Frequency::Valid)
        tx.error = "TX Freq " + text + " MHz is no channel frequency.";
    return tx;
}

} // namespace tarn
