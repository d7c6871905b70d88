#pragma once

#include "data/RadioImage.h"
#include "tools/cli/TransferReport.h"

#include <optional>
#include <string>
#include <vector>

namespace tarn::cli {

class CliTrace;
class FleetConsole;

// One image written into several radios at once: a thread per port, each with its own
// serial line, clock and transfer, so one slow or failing radio holds up no other.
class FleetWrite {
public:
    static constexpr std::size_t MaxPorts = 8;

    struct Settings {
        int retries = 0;
        bool forceType = false;
        bool verify = false;
        CliTrace* trace = nullptr; // keeps each port's serial trace; may be null
    };

    // The device each port name opens; empty, with the reason in error, when two name the
    // same device or there are too many.
    [[nodiscard]] static std::optional<std::vector<std::string>>
    resolveDistinct(const std::vector<std::string>& ports, std::string& error);

    // Writes image into the radio on every device and returns a report per device, in order.
    [[nodiscard]] static std::vector<TransferReport> run(const std::vector<std::string>& devices,
                                                         const RadioImage& image, int channelCount,
                                                         const Settings& settings,
                                                         FleetConsole& console);
};

} // namespace tarn::cli
