#pragma once

#include <string>

namespace tarn {

// Where a program keeps the files it opens "beside itself": the directory of the first
// element of its argument vector, or the current directory when that has none.
class AppDirectory {
public:
    AppDirectory(std::string argv0, std::string currentDirectory);
    // A folder named outright.
    [[nodiscard]] static AppDirectory at(std::string directory);

    [[nodiscard]] const std::string& directory() const { return m_directory; }
    [[nodiscard]] std::string pathOf(const std::string& fileName) const;

    // The separator of directory names on this platform.
    static constexpr char separator =
#ifdef _WIN32
        '\\';
#else
        '/';
#endif

private:
    std::string m_directory;
};

} // namespace tarn
