#pragma once

#include "profile/AppDirectory.h"

#include <optional>
#include <string>

namespace tarn {

struct LauncherEnvironment;

// Where the launcher keeps its own profile and the first product's profile.
//
// An installed copy (its executable lies in the installation's bin folder) keeps both in
// the user's configuration folder, "<config home>/halcyon", created when missing. Any
// other copy (build tree, portable folder) keeps them in the folder of the path it was
// started by, or in the current folder when started by bare name.
class LauncherProfileFolder {
public:
    explicit LauncherProfileFolder(const LauncherEnvironment& environment);

    [[nodiscard]] bool isInstalledCopy() const { return m_installed; }
    // The folder; empty when an installed copy has no usable configuration folder.
    [[nodiscard]] const std::optional<AppDirectory>& directory() const { return m_directory; }
    // The program an installed copy lists as its first product, by absolute path.
    [[nodiscard]] const std::string& installedProduct() const { return m_installedProduct; }

private:
    bool m_installed = false;
    std::optional<AppDirectory> m_directory;
    std::string m_installedProduct;
};

// True when the executable lies directly in binDirectory (after resolving links).
[[nodiscard]] bool liesIn(const std::string& executablePath, const std::string& binDirectory);

// $XDG_CONFIG_HOME when set to an absolute path, else $HOME/.config; empty when neither
// is known.
[[nodiscard]] std::string userConfigHome(const char* xdgConfigHome, const char* home);

} // namespace tarn
