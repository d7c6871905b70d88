#pragma once

#include <filesystem>
#include <string>

namespace tarn::test {

// A fresh directory for one test, removed with everything in it afterwards.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    [[nodiscard]] const std::filesystem::path& path() const { return m_path; }
    [[nodiscard]] std::string file(const std::string& name) const {
        return (m_path / name).string();
    }

    void write(const std::string& name, const std::string& bytes) const;
    [[nodiscard]] std::string read(const std::string& name) const;
    [[nodiscard]] bool has(const std::string& name) const;
    [[nodiscard]] std::size_t count() const;

private:
    std::filesystem::path m_path;
};

} // namespace tarn::test
