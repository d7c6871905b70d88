#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace tarn {

// A serial device as the system reports it.
struct SystemPort {
    std::string path;
    std::string description;
    std::string manufacturer;
    std::string serialNumber;
    std::optional<std::uint16_t> vendorId; // both set for a USB device
    std::optional<std::uint16_t> productId;

    [[nodiscard]] bool isUsb() const { return vendorId.has_value() && productId.has_value(); }
    // "0403:6001", empty when not a USB device.
    [[nodiscard]] std::string usbId() const;
    // The adapter chip, empty when unknown.
    [[nodiscard]] std::string chip() const;
    // "/dev/ttyUSB0  USB Serial [1a86:7523 CH340]"
    [[nodiscard]] std::string describe() const;
};

} // namespace tarn
