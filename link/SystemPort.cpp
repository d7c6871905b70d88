#include "link/SystemPort.h"

#include "link/UsbChips.h"

#include <cstdio>

namespace tarn {

std::string SystemPort::usbId() const {
    if (!isUsb())
        return {};
    char ids[16];
    std::snprintf(ids, sizeof ids, "%04x:%04x", unsigned{*vendorId}, unsigned{*productId});
    return ids;
}

std::string SystemPort::chip() const {
    return isUsb() ? UsbChips::name(*vendorId, *productId) : std::string();
}

std::string SystemPort::describe() const {
    std::string text = path;
    if (!description.empty())
        text += "  " + description;
    if (isUsb()) {
        const std::string name = chip();
        text += " [" + usbId() + (name.empty() ? "" : " " + name) + "]";
    }
    return text;
}

} // namespace tarn
