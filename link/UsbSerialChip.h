#pragma once

#include <cstdint>
#include <string>

namespace tarn {

// The adapter chips of programming cables, named from their USB vendor:product ids, so a
// port list says which cable is which. The one table of them.
class UsbSerialChip {
public:
    // "CH340/CH341" for 1a86:7523; empty for ids the table does not know.
    [[nodiscard]] static std::string name(std::uint16_t vendorId, std::uint16_t productId);
};

} // namespace tarn
