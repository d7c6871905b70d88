#pragma once

#include "launcher/LauncherEnvironment.h"
#include "launcher/LauncherProfileFolder.h"
#include "profile/ProfileFile.h"

namespace tarn {

class ProcessStarter;
class Prompter;

// The launcher program: opens its profile, runs the selection dialog, and saves the
// profile at its end, telling a failed save once.
class LauncherApplication {
public:
    LauncherApplication(const LauncherEnvironment& environment, ProcessStarter& starter,
                        Prompter& prompter);

    // Runs the dialog to its end; false, as there is no message loop of the launcher's own.
    [[nodiscard]] bool initInstance();

    [[nodiscard]] const ProfileFile& store() const { return m_store; }

private:
    void bindStore();
    // An installed copy's first profile lists the installed product, so OK leads somewhere.
    void listInstalledProduct();

    LauncherEnvironment m_environment;
    LauncherProfileFolder m_folder;
    ProcessStarter& m_starter;
    Prompter& m_prompter;
    ProfileFile m_store{4};
};

} // namespace tarn
