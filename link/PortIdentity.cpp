#include "link/PortIdentity.h"

#include "link/UsbSerialChip.h"

#include <cstdio>

namespace tarn {

std::string PortIdentity::usbId() const {
    if (!isUsb())
        return {};
    char ids[16];
    std::snprintf(ids, sizeof ids, "%04x:%04x", *vendorId, *productId);
    return ids;
}

std::string PortIdentity::chip() const {
    return isUsb() ? UsbSerialChip::name(*vendorId, *productId) : std::string();
}

std::string PortIdentity::oneLine() const {
    std::string line = device + ": ";
    if (!isUsb()) {
        line += "not USB";
    } else {
        const std::string name = chip();
        line += (name.empty() ? std::string("unknown chip") : name) + ", USB " + usbId();
    }
    if (!serialNumber.empty())
        line += ", serial " + serialNumber;
    return line;
}

const PortIdentity* PortIdentity::find(const std::vector<PortIdentity>& ports,
                                       const std::string& device) {
    for (const PortIdentity& port : ports) {
        if (port.device == device)
            return &port;
    }
    return nullptr;
}

std::string PortIdentity::describe(const std::vector<PortIdentity>& ports,
                                   const std::string& device) {
    const PortIdentity* port = find(ports, device);
    return port != nullptr ? port->oneLine() : device + ": not present";
}

} // namespace tarn
