#pragma once

#include <string>

namespace tarn {

// Where the launcher runs from: its own executable, how it was named on the command
// line, the working directory, the user's configuration folder and the bin folder of the
// installation it was built for (empty where there is none).
struct LauncherEnvironment {
    std::string executablePath;
    std::string argv0;
    std::string currentDirectory;
    std::string configHome;
    std::string installedBinDirectory;
};

} // namespace tarn
