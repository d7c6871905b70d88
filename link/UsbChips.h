#pragma once

#include <cstdint>
#include <string>

namespace tarn {

// Names the serial adapter chip behind a USB vendor:product pair, so the user can tell
// which cable is which. The one table of known chips.
class UsbChips {
public:
    // "CH340", "FTDI FT232R", ...; the maker's chip family for an unknown product of a known
    // maker; empty for anything else.
    [[nodiscard]] static std::string name(std::uint16_t vendor, std::uint16_t product);
};

} // namespace tarn
