#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tarn {

// The standard repeater offsets of the amateur band plans: what "+" or "-" in a TX Freq
// means for a channel's RX frequency.
class BandPlan {
public:
    enum class Region { Iaru1, Iaru2Us, Iaru3 };
    static constexpr Region DefaultRegion = Region::Iaru1;
    static constexpr Region Regions[] = {Region::Iaru1, Region::Iaru2Us, Region::Iaru3};

    // What the menu and the messages call a region.
    [[nodiscard]] static std::string regionName(Region region);
    // How the settings keep a region; unknown keys give nothing.
    [[nodiscard]] static std::string key(Region region);
    [[nodiscard]] static std::optional<Region> fromKey(std::string_view key);

    // The offset in 10 Hz units for an RX frequency in 10 Hz units; nothing outside the
    // bands that have one.
    [[nodiscard]] static std::optional<std::uint32_t> offsetUnits(Region region,
                                                                  std::uint32_t rxUnits);
    // Why an RX frequency has no standard offset.
    [[nodiscard]] static std::string noOffsetMessage(Region region, std::uint32_t rxUnits);

    struct Tx {
        std::uint32_t units = 0;
        // Empty when the TX frequency was found.
        std::string error;
    };
    // TX for an RX frequency shifted up (sign '+') or down by the region's offset; refused
    // outside the bands, and when the result is no storable frequency.
    [[nodiscard]] static Tx repeaterTx(Region region, std::uint32_t rxUnits, char sign);
};

} // namespace tarn
