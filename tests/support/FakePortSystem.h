#pragma once

#include "link/PortTrouble.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace tarn::test {

// PortTrouble's system look-ups as a test sets them.
class FakePortSystem final : public PortTrouble::System {
public:
    [[nodiscard]] std::optional<PortTrouble::DeviceGroup>
    deviceGroup(const std::string& device) const override {
        const auto found = groups.find(device);
        return found == groups.end() ? std::nullopt : std::optional(found->second);
    }
    [[nodiscard]] std::string userName() const override { return user; }
    [[nodiscard]] std::optional<PortTrouble::Holder>
    holder(const std::string& device) const override {
        const auto found = holders.find(device);
        return found == holders.end() ? std::nullopt : std::optional(found->second);
    }
    [[nodiscard]] bool brailleServiceInstalled() const override { return braille; }
    [[nodiscard]] std::vector<PortIdentity> ports() const override { return present; }

    std::map<std::string, PortTrouble::DeviceGroup> groups;
    std::string user = "ana";
    std::map<std::string, PortTrouble::Holder> holders;
    bool braille = false;
    std::vector<PortIdentity> present;
};

} // namespace tarn::test
