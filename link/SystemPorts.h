#pragma once

#include "link/PortIdentity.h"

#include <string>
#include <vector>

namespace tarn {

// The serial ports the system reports now, through QSerialPortInfo.
class SystemPorts {
public:
    [[nodiscard]] static std::vector<PortIdentity> available();
    // One line naming the device's port: its chip, USB ids and serial number.
    [[nodiscard]] static std::string describe(const std::string& device);
};

} // namespace tarn
