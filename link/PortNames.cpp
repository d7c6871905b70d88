#include "link/PortNames.h"

#include <cctype>
#include <cstdlib>

namespace tarn {

int PortNames::comNumber(const std::string& name) {
    if (name.size() != 4)
        return 0;
    for (std::size_t i = 0; i < 3; ++i) {
        if (std::toupper(static_cast<unsigned char>(name[i])) != "COM"[i])
            return 0;
    }
    const int digit = name[3] - '0';
    return digit >= 1 && digit <= Count ? digit : 0;
}

std::string PortNames::resolve(const std::string& name, const Lookup& environment,
                               const Lookup& settings) {
    const int number = comNumber(name);
#ifdef _WIN32
    (void)environment;
    (void)settings;
    if (number != 0)
        return "COM" + std::to_string(number);
    return name;
#else
    if (number == 0)
        return name;
    const std::string com = "COM" + std::to_string(number);
    if (environment) {
        if (auto path = environment("TARN_" + com); path && !path->empty())
            return *path;
    }
    if (settings) {
        if (auto path = settings("Ports/" + com); path && !path->empty())
            return *path;
    }
    return "/dev/ttyUSB" + std::to_string(number - 1);
#endif
}

std::string PortNames::resolve(const std::string& name, const Lookup& settings) {
    return resolve(name, &PortNames::processEnvironment, settings);
}

std::string PortNames::describe(const std::string& name, const Lookup& settings) {
    const std::string device = resolve(name, settings);
    return device == name ? name : name + " (" + device + ")";
}

std::optional<std::string> PortNames::processEnvironment(const std::string& key) {
    if (const char* value = std::getenv(key.c_str()))
        return std::string(value);
    return std::nullopt;
}

} // namespace tarn
