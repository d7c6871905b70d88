#pragma once

#include <filesystem>

namespace tarn {

// A folder of the XDG base directories: the variable's value when it is an absolute path,
// else the default under the home folder; empty when neither is known.
class XdgFolder {
public:
    // variable: "XDG_DATA_HOME"; underHome: ".local/share".
    [[nodiscard]] static std::filesystem::path base(const char* variable,
                                                    const std::filesystem::path& underHome);
};

} // namespace tarn
