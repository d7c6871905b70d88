#include "launcher/LauncherProfileFolder.h"

#include "launcher/LauncherApplication.h"

#include <filesystem>
#include <system_error>

namespace tarn {

namespace fs = std::filesystem;

namespace {

constexpr char kFolderName[] = "halcyon";
constexpr char kInstalledProduct[] = "tarn";

fs::path resolved(const std::string& path) {
    std::error_code error;
    fs::path result = fs::weakly_canonical(fs::path(path), error);
    return error ? fs::path(path).lexically_normal() : result;
}

// The folder, created when missing; nothing when it cannot be had.
std::optional<AppDirectory> configFolder(const std::string& configHome) {
    if (configHome.empty())
        return std::nullopt;
    const fs::path folder = fs::path(configHome) / kFolderName;
    std::error_code error;
    // A configuration home made here is the user's alone, as the base directory rules ask.
    if (!fs::exists(configHome, error) && !error && fs::create_directories(configHome, error))
        fs::permissions(configHome, fs::perms::owner_all, error);
    fs::create_directories(folder, error);
    if (error || !fs::is_directory(folder, error))
        return std::nullopt;
    return AppDirectory::at(folder.string());
}

} // namespace

bool liesIn(const std::string& executablePath, const std::string& binDirectory) {
    if (executablePath.empty() || binDirectory.empty())
        return false;
    return resolved(executablePath).parent_path() == resolved(binDirectory);
}

std::string userConfigHome(const char* xdgConfigHome, const char* home) {
    if (xdgConfigHome != nullptr && fs::path(xdgConfigHome).is_absolute())
        return xdgConfigHome;
    if (home != nullptr && *home != '\0')
        return (fs::path(home) / ".config").string();
    return {};
}

LauncherProfileFolder::LauncherProfileFolder(const LauncherEnvironment& environment)
    : m_installed(liesIn(environment.executablePath, environment.installedBinDirectory)) {
    if (!m_installed) {
        m_directory.emplace(environment.argv0, environment.currentDirectory);
        return;
    }
    m_directory = configFolder(environment.configHome);
    m_installedProduct = (resolved(environment.installedBinDirectory) / kInstalledProduct).string();
}

} // namespace tarn
