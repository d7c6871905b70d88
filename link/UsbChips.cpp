#include "link/UsbChips.h"

#include <array>

namespace tarn {

namespace {

// Product 0 stands for any product of that vendor; exact entries come first.
struct Chip {
    std::uint16_t vendor;
    std::uint16_t product;
    const char* name;
};

constexpr std::uint16_t AnyProduct = 0;

constexpr std::array Chips = {
    Chip{0x1a86, 0x7523, "CH340"},       Chip{0x1a86, 0x7522, "CH340"},
    Chip{0x1a86, 0x5523, "CH341"},       Chip{0x1a86, 0x55d3, "CH343"},
    Chip{0x1a86, 0x55d4, "CH9102"},      Chip{0x1a86, AnyProduct, "CH34x"},
    Chip{0x067b, 0x2303, "PL2303"},      Chip{0x067b, 0x23a3, "PL2303GC"},
    Chip{0x067b, 0x23c3, "PL2303GT"},    Chip{0x067b, 0x23d3, "PL2303GE"},
    Chip{0x067b, AnyProduct, "PL2303"},  Chip{0x0557, 0x2008, "PL2303"},
    Chip{0x10c4, 0xea60, "CP210x"},      Chip{0x10c4, 0xea70, "CP2105"},
    Chip{0x10c4, 0xea71, "CP2108"},      Chip{0x10c4, AnyProduct, "CP210x"},
    Chip{0x0403, 0x6001, "FTDI FT232R"}, Chip{0x0403, 0x6010, "FTDI FT2232"},
    Chip{0x0403, 0x6011, "FTDI FT4232"}, Chip{0x0403, 0x6014, "FTDI FT232H"},
    Chip{0x0403, 0x6015, "FTDI FT-X"},   Chip{0x0403, AnyProduct, "FTDI"},
    Chip{0x04d8, 0x000a, "MCP2200"},     Chip{0x04d8, 0x00df, "MCP2200"},
};

} // namespace

std::string UsbChips::name(std::uint16_t vendor, std::uint16_t product) {
    for (const Chip& chip : Chips) {
        if (chip.vendor == vendor && (chip.product == product || chip.product == AnyProduct))
            return chip.name;
    }
    return {};
}

} // namespace tarn
