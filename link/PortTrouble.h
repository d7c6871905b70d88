#pragma once

#include "common/MessageCatalog.h"
#include "link/PortIdentity.h"
#include "link/SerialLine.h"

#include <optional>
#include <string>
#include <vector>

namespace tarn {

// Why a port would not open, in words a user can act on: the paragraph under the open
// failure's message. The system is asked through System, so tests fake it.
class PortTrouble {
public:
    using Text = PortTroubleText;

    struct DeviceGroup {
        std::string name;         // "dialout"
        bool mayReadWrite = true; // the group's own permission bits
    };
    struct Holder {
        int pid = 0;
        std::string command; // "minicom"
    };

    class System {
    public:
        virtual ~System() = default;
        // The group that owns the device node, read from the node itself.
        [[nodiscard]] virtual std::optional<DeviceGroup>
        deviceGroup(const std::string& device) const = 0;
        // The login name of the account running the program.
        [[nodiscard]] virtual std::string userName() const = 0;
        // The process that holds the device: its lock file's, or one with it open.
        [[nodiscard]] virtual std::optional<Holder> holder(const std::string& device) const = 0;
        // A braille-display service that claims USB serial adapters is installed.
        [[nodiscard]] virtual bool brailleServiceInstalled() const = 0;
        [[nodiscard]] virtual std::vector<PortIdentity> ports() const = 0;
    };

    // Ports listed by name in the missing-device paragraph at most.
    static constexpr std::size_t ListedPorts = 4;

    // The paragraph for failure; empty when the failure says nothing (no device).
    [[nodiscard]] static std::string explain(const OpenFailure& failure, const System& system);
    // The described open failure's message with why under it, a blank line between.
    [[nodiscard]] static std::string message(const std::string& why);

private:
    [[nodiscard]] static std::string noPermission(const std::string& device, const System& system);
    [[nodiscard]] static std::string noDevice(const std::string& device, const System& system);
    [[nodiscard]] static std::string held(const std::string& device, const System& system);
};

} // namespace tarn
