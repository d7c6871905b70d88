#pragma once

#include "link/SerialLine.h"

#include <string>

namespace tarn {

// What the system tells about a device that would not open.
struct DeviceFacts {
    std::string group;              // the group that owns the device; empty when unknown
    bool groupMayReadWrite = false; // whether that group may read and write it
    std::string user;               // this account's name; empty when unknown
    bool anyUsbSerialPort = true;   // any USB serial adapter present at all
    bool brailleServiceInstalled = false;
    std::string holder; // "minicom (process 812)"; empty when the system cannot tell
};

// Turns a failed open into the advice shown under the port message: what the device is,
// why it would not open, and what the user can do.
class PortTrouble {
public:
    // Empty when nothing is known about the failure.
    [[nodiscard]] static std::string explain(const OpenFailure& failure, const DeviceFacts& facts);
    // Asks the system about device (its group, the adapters present, who holds it).
    [[nodiscard]] static DeviceFacts probe(const std::string& device);
};

} // namespace tarn
