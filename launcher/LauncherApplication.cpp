#include "launcher/LauncherApplication.h"

#include "launcher/LauncherDialog.h"
#include "launcher/LauncherProfileName.h"

#include <filesystem>
#include <system_error>

namespace tarn {

LauncherApplication::LauncherApplication(const LauncherEnvironment& environment,
                                         ProcessStarter& starter, Prompter& prompter)
    : m_environment(environment)
    , m_folder(environment)
    , m_starter(starter)
    , m_prompter(prompter) {}

bool LauncherApplication::initInstance() {
    bindStore();
    // An installed copy's profile is new to each user, so its first language is the locale.
    LauncherDialog dialog(m_store, m_starter, m_prompter, m_folder.directory(),
                          m_folder.isInstalledCopy());
    dialog.exec();
    dialog.saveProfile();
    return false;
}

void LauncherApplication::bindStore() {
    // Without a usable folder the store stays unbound: an empty list, Chinese, nothing kept.
    if (!m_folder.directory())
        return;
    const std::string name = launcherProfileName(m_environment.executablePath);
    std::error_code error;
    const bool firstStart = m_folder.isInstalledCopy() &&
                            !std::filesystem::exists(m_folder.directory()->pathOf(name), error) &&
                            !error;
    if (!m_store.openInAppDir(name, true, true, false, *m_folder.directory()))
        return;
    if (firstStart)
        listInstalledProduct();
}

void LauncherApplication::listInstalledProduct() {
    m_store.setString("MAIN", "CH1", "TARN");
    m_store.setString("CH1", "EXE", m_folder.installedProduct());
    // Failures pass silently; the store tries again when the launcher ends.
    static_cast<void>(m_store.save(false));
}

} // namespace tarn
