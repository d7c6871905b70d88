#pragma once

#include "link/PortTrouble.h"

#include <string>
#include <vector>

namespace tarn {

// PortTrouble's questions answered by this machine: the device node's group, the account's
// name, lock files and /proc, the braille service's files. root prefixes every system path
// but the device's, so tests answer from a folder of their own.
class PosixPortSystem final : public PortTrouble::System {
public:
    explicit PosixPortSystem(PortLister ports, std::string root = {});

    [[nodiscard]] std::optional<PortTrouble::DeviceGroup>
    deviceGroup(const std::string& device) const override;
    [[nodiscard]] std::string userName() const override;
    [[nodiscard]] std::optional<PortTrouble::Holder>
    holder(const std::string& device) const override;
    [[nodiscard]] bool brailleServiceInstalled() const override;
    [[nodiscard]] std::vector<PortIdentity> ports() const override;

    // The machine's own, listing ports through QSerialPortInfo.
    [[nodiscard]] static const PosixPortSystem& instance();

    // "LCK..ttyUSB0" for /dev/ttyUSB0, as serial programs and Qt name their lock files.
    [[nodiscard]] static std::string lockFileName(const std::string& device);

private:
    [[nodiscard]] std::optional<PortTrouble::Holder>
    lockFileHolder(const std::string& device) const;
    [[nodiscard]] std::optional<PortTrouble::Holder> openerOf(const std::string& device) const;
    [[nodiscard]] std::optional<PortTrouble::Holder> process(int pid) const;

    PortLister m_ports;
    std::string m_root;
};

} // namespace tarn
