#include "data/XdgFolder.h"

#include <cstdlib>

namespace tarn {

std::filesystem::path XdgFolder::base(const char* variable,
                                      const std::filesystem::path& underHome) {
    const char* set = std::getenv(variable);
    // A relative value is invalid and ignored.
    if (set && *set && std::filesystem::path(set).is_absolute())
        return set;
    const char* home = std::getenv("HOME");
#ifdef _WIN32
    if (!home || !*home)
        home = std::getenv("LOCALAPPDATA");
#endif
    if (!home || !*home)
        return {};
    return std::filesystem::path(home) / underHome;
}

} // namespace tarn
