#pragma once

#include "link/SystemPort.h"

#include <functional>
#include <vector>

namespace tarn {

// The serial ports the system reports now, through QSerialPortInfo.
class SystemPorts {
public:
    using Lister = std::function<std::vector<SystemPort>()>;

    [[nodiscard]] static std::vector<SystemPort> available();
};

} // namespace tarn
