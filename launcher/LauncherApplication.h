#pragma once

#include "profile/AppDirectory.h"
#include "profile/ProfileFile.h"

#include <string>

namespace tarn {

class ProcessStarter;

// Where the launcher runs from: its own executable, how it was named on the command
// line, and the working directory.
struct LauncherEnvironment {
    std::string executablePath;
    std::string argv0;
    std::string currentDirectory;
};

// The launcher program: opens its profile, runs the selection dialog, and saves the
// profile when it is destroyed.
class LauncherApplication {
public:
    LauncherApplication(const LauncherEnvironment& environment, ProcessStarter& starter);

    // Runs the dialog to its end; false, as there is no message loop of the launcher's own.
    [[nodiscard]] bool initInstance();

    [[nodiscard]] const ProfileFile& store() const { return m_store; }
    [[nodiscard]] const AppDirectory& appDirectory() const { return m_appDirectory; }

private:
    LauncherEnvironment m_environment;
    AppDirectory m_appDirectory;
    ProcessStarter& m_starter;
    ProfileFile m_store{4};
};

} // namespace tarn
