#include "link/SystemPorts.h"

#include <QSerialPortInfo>

#include <filesystem>
#include <system_error>

namespace tarn {

std::vector<PortIdentity> SystemPorts::available() {
    std::vector<PortIdentity> ports;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        PortIdentity port{info.systemLocation().toStdString(),
                          info.description().toStdString(),
                          info.manufacturer().toStdString(),
                          std::nullopt,
                          std::nullopt,
                          info.serialNumber().toStdString()};
        if (info.hasVendorIdentifier() && info.hasProductIdentifier()) {
            port.vendorId = info.vendorIdentifier();
            port.productId = info.productIdentifier();
        }
        ports.push_back(std::move(port));
    }
    return ports;
}

std::string SystemPorts::describe(const std::string& device) {
    const std::vector<PortIdentity> ports = available();
    // A link such as /dev/serial/by-id/... names the port under its own path.
    std::error_code error;
    const std::filesystem::path target = std::filesystem::canonical(device, error);
    if (!error && PortIdentity::find(ports, device) == nullptr &&
        PortIdentity::find(ports, target.string()) != nullptr)
        return device + " -> " + PortIdentity::describe(ports, target.string());
    return PortIdentity::describe(ports, device);
}

} // namespace tarn
