#include "link/UsbSerialChip.h"

#include <array>

namespace tarn {

namespace {

struct Chip {
    std::uint16_t vendor;
    std::uint16_t product;
    const char* name;
};

// Vendors: 1a86 and 4348 WCH, 067b Prolific, 10c4 Silicon Labs, 0403 FTDI.
constexpr std::array Chips{
    Chip{0x1a86, 0x7523, "CH340/CH341"}, Chip{0x1a86, 0x7522, "CH340"},
    Chip{0x1a86, 0x5523, "CH341"},       Chip{0x4348, 0x5523, "CH341"},
    Chip{0x1a86, 0x55d4, "CH9102"},      Chip{0x1a86, 0x55d3, "CH343"},
    Chip{0x1a86, 0x55d2, "CH342"},       Chip{0x067b, 0x2303, "PL2303"},
    Chip{0x067b, 0x23a3, "PL2303GC"},    Chip{0x067b, 0x23b3, "PL2303GB"},
    Chip{0x067b, 0x23c3, "PL2303GT"},    Chip{0x067b, 0x23d3, "PL2303GL"},
    Chip{0x067b, 0x23e3, "PL2303GE"},    Chip{0x067b, 0x23f3, "PL2303GS"},
    Chip{0x10c4, 0xea60, "CP210x"},      Chip{0x10c4, 0xea70, "CP2105"},
    Chip{0x10c4, 0xea71, "CP2108"},      Chip{0x0403, 0x6001, "FTDI FT232R"},
    Chip{0x0403, 0x6010, "FTDI FT2232"}, Chip{0x0403, 0x6011, "FTDI FT4232H"},
    Chip{0x0403, 0x6014, "FTDI FT232H"}, Chip{0x0403, 0x6015, "FTDI FT-X"},
};

} // namespace

std::string UsbSerialChip::name(std::uint16_t vendorId, std::uint16_t productId) {
    for (const Chip& chip : Chips) {
        if (chip.vendor == vendorId && chip.product == productId)
            return chip.name;
    }
    return {};
}

} // namespace tarn
