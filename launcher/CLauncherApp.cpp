#include "launcher/CLauncherApp.h"

#include "launcher/CLauncherDlg.h"
#include "launcher/LauncherProfileName.h"

namespace tarn {

CLauncherApp::CLauncherApp(const LauncherEnvironment& environment, ProcessStarter& starter)
    : m_environment(environment)
    , m_appDirectory(environment.argv0, environment.currentDirectory)
    , m_starter(starter) {}

bool CLauncherApp::InitInstance() {
    // An unusable profile leaves the store unbound: an empty list, Chinese, nothing kept.
    static_cast<void>(m_store.OpenInAppDir(launcherProfileName(m_environment.executablePath), true,
                                           true, false, m_appDirectory));
    CLauncherDlg dialog(m_store, m_starter, m_appDirectory);
    dialog.exec();
    return false;
}

} // namespace tarn
