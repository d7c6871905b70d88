#pragma once

#include <optional>
#include <string>

namespace tarn {

// Port paths kept in the application's settings ("Ports/COM1" ...).
class PortSettings {
public:
    [[nodiscard]] static std::optional<std::string> lookup(const std::string& key);
    // An empty value removes the key, so the port goes back to its default device.
    static void store(const std::string& key, const std::string& value);
};

} // namespace tarn
