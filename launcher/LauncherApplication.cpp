#include "launcher/LauncherApplication.h"

#include "launcher/LauncherDialog.h"
#include "launcher/LauncherProfileName.h"

namespace tarn {

LauncherApplication::LauncherApplication(const LauncherEnvironment& environment,
                                         ProcessStarter& starter)
    : m_environment(environment)
    , m_appDirectory(environment.argv0, environment.currentDirectory)
    , m_starter(starter) {}

bool LauncherApplication::initInstance() {
    // An unusable profile leaves the store unbound: an empty list, Chinese, nothing kept.
    static_cast<void>(m_store.openInAppDir(launcherProfileName(m_environment.executablePath), true,
                                           true, false, m_appDirectory));
    LauncherDialog dialog(m_store, m_starter, m_appDirectory);
    dialog.exec();
    return false;
}

} // namespace tarn
