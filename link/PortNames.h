#pragma once

#include <functional>
#include <optional>
#include <string>

namespace tarn {

// The radio menu offers "COM1" to "COM4"; off Windows each stands for a device path.
class PortNames {
public:
    using Lookup = std::function<std::optional<std::string>(const std::string& key)>;

    static constexpr int Count = 4;

    // "COMn" -> environment TARN_COMn, else settings key "Ports/COMn", else /dev/ttyUSB(n-1).
    // Any other name (a device path) is returned as given.
    [[nodiscard]] static std::string resolve(const std::string& name, const Lookup& environment,
                                             const Lookup& settings);
    // The same with the process environment.
    [[nodiscard]] static std::string resolve(const std::string& name, const Lookup& settings);
    // "COM1 (/dev/ttyUSB0)", or the name alone when it is the device itself.
    [[nodiscard]] static std::string describe(const std::string& name, const Lookup& settings);
    // 1..4 for "COM1".."COM4" (any letter case), 0 for anything else.
    [[nodiscard]] static int comNumber(const std::string& name);
    [[nodiscard]] static std::optional<std::string> processEnvironment(const std::string& key);
};

} // namespace tarn
