#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tarn {

// A serial port as the system reports it; texts are UTF-8, empty where unknown.
struct PortIdentity {
    std::string device; // "/dev/ttyUSB0"
    std::string description;
    std::string manufacturer;
    std::optional<std::uint16_t> vendorId;
    std::optional<std::uint16_t> productId;
    std::string serialNumber;

    [[nodiscard]] bool isUsb() const { return vendorId.has_value() && productId.has_value(); }
    // "0403:6001"; empty off USB.
    [[nodiscard]] std::string usbId() const;
    // The adapter chip from the USB ids; empty when unknown or not USB.
    [[nodiscard]] std::string chip() const;
    // "/dev/ttyUSB0: FTDI FT232R, USB 0403:6001, serial A50285BI", for reports.
    [[nodiscard]] std::string oneLine() const;

    // The entry of ports for device, by its path as given.
    [[nodiscard]] static const PortIdentity* find(const std::vector<PortIdentity>& ports,
                                                  const std::string& device);
    // The one line of device as found in ports, or that it is not present.
    [[nodiscard]] static std::string describe(const std::vector<PortIdentity>& ports,
                                              const std::string& device);
};

// Where a list of ports comes from: the system's, or a test's.
using PortLister = std::function<std::vector<PortIdentity>()>;

} // namespace tarn
