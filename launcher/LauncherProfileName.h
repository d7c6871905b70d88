#pragma once

#include <string>

namespace tarn {

// The launcher profile's file name: the program's own file name with ".ini" in place of
// its extension, or "MAIN.ini" when the name has no ".".
[[nodiscard]] std::string launcherProfileName(const std::string& executablePath);

} // namespace tarn
