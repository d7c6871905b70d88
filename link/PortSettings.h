#pragma once

#include <optional>
#include <string>

namespace tarn {

// Port paths kept in the application's settings ("Ports/COM1" ...).
class PortSettings {
public:
    [[nodiscard]] static std::optional<std::string> lookup(const std::string& key);
};

} // namespace tarn
