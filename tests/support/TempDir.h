#pragma once

#include <filesystem>
#include <string>

namespace tarn::test {

// A fresh folder for one test, removed with everything in it at the end.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    [[nodiscard]] const std::filesystem::path& path() const { return m_path; }
    [[nodiscard]] std::filesystem::path operator/(const std::filesystem::path& name) const {
        return m_path / name;
    }
    [[nodiscard]] std::string file(const std::string& name) const {
        return (m_path / name).string();
    }
    void write(const std::string& name, const std::string& bytes) const;
    [[nodiscard]] std::string read(const std::string& name) const;
    [[nodiscard]] bool has(const std::string& name) const;
    // Number of entries directly inside.
    [[nodiscard]] std::size_t entries() const;

private:
    std::filesystem::path m_path;
};

} // namespace tarn::test
