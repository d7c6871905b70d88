#include "launcher/LauncherProfileName.h"

#include "profile/AppDirectory.h"
#include "profile/MultiByteText.h"

namespace tarn {

std::string launcherProfileName(const std::string& executablePath) {
    const MultiByteText text(systemCodePage());
    std::string name = executablePath;
    while (!name.empty() && isProfileSpace(name.back()))
        name.pop_back();
    const std::size_t separator = text.findLast(name, AppDirectory::separator);
    if (separator != std::string::npos)
        name.erase(0, separator + 1);
    const std::size_t dot = text.findLast(name, '.');
    const std::string base = dot == std::string::npos ? std::string("MAIN") : name.substr(0, dot);
    return base + ".ini";
}

} // namespace tarn
