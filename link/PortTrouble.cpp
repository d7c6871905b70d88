#include "link/PortTrouble.h"

#include "link/RadioTransfer.h"

#include <algorithm>
#include <cerrno>

namespace tarn {

std::string PortTrouble::explain(const OpenFailure& failure, const System& system) {
    if (failure.device.empty())
        return {};
    switch (failure.error) {
    case EACCES:
    case EPERM:
        return noPermission(failure.device, system);
    case ENOENT:
    case ENODEV:
    case ENXIO:
        return noDevice(failure.device, system);
    case EBUSY:
        return held(failure.device, system);
    default:
        break;
    }
    const std::string why = failure.text.empty() ? std::string("unknown error") : failure.text;
    return formatText(Text::OtherText, {failure.device, why});
}

std::string PortTrouble::message(const std::string& why) {
    const std::string first = RadioTransfer::OpenFailedText;
    return why.empty() ? first : first + "\n\n" + why;
}

std::string PortTrouble::noPermission(const std::string& device, const System& system) {
    const std::optional<DeviceGroup> group = system.deviceGroup(device);
    std::string user = system.userName();
    if (user.empty())
        user = "$USER";
    // Joining root, or a group with no access of its own, would not help.
    if (group && (!group->mayReadWrite || group->name == "root"))
        return formatText(Text::OwnerOnlyText, {device, group->name, user});
    return formatText(Text::NoPermissionText, {device, group ? group->name : "dialout", user});
}

std::string PortTrouble::noDevice(const std::string& device, const System& system) {
    std::string text = formatText(Text::NoDeviceText, {device});
    const std::vector<PortIdentity> ports = system.ports();
    const bool anyUsb =
        std::any_of(ports.begin(), ports.end(), [](const PortIdentity& p) { return p.isUsb(); });
    if (!anyUsb && system.brailleServiceInstalled())
        return text + "\n" + Text::BrailleText;
    if (ports.empty())
        return text;
    std::string listed;
    for (std::size_t i = 0; i < ports.size() && i < ListedPorts; ++i) {
        const PortIdentity& port = ports[i];
        const std::string chip = port.chip();
        listed += (i == 0 ? "" : ", ") + port.device + (chip.empty() ? "" : " (" + chip + ")");
    }
    if (ports.size() > ListedPorts)
        listed += ", ...";
    return text + "\n" + formatText(Text::PortsPresentText, {listed});
}

std::string PortTrouble::held(const std::string& device, const System& system) {
    const std::optional<Holder> holder = system.holder(device);
    if (!holder)
        return formatText(Text::HeldText, {device});
    const std::string command = holder->command.empty() ? std::string("?") : holder->command;
    return formatText(Text::HeldByText, {device, command, std::to_string(holder->pid)});
}

} // namespace tarn
