#pragma once

#include "radio/FaultPlan.h"

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace tarn {

class VirtualRadioOptionsError : public std::invalid_argument {
public:
    using std::invalid_argument::invalid_argument;
};

// The command line of tarn-virtual-radio.
struct VirtualRadioOptions {
    std::string imageFile;
    std::string saveFile;
    std::string wireLogFile;
    std::optional<std::uint8_t> radioType;
    bool paced = false;
    bool anySize = false; // --image takes the first 8192 bytes of a larger file
    FaultPlan faults;
    bool help = false;

    // Throws VirtualRadioOptionsError (or FaultPlanError) with a message for the user.
    [[nodiscard]] static VirtualRadioOptions parse(const std::vector<std::string>& args);
    [[nodiscard]] static std::string usage();
};

} // namespace tarn
