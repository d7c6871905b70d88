#include "tests/profile/TempDir.h"

#include <fstream>
#include <iterator>
#include <random>

namespace tarn::test {

namespace fs = std::filesystem;

TempDir::TempDir() {
    std::random_device random;
    for (;;) {
        m_path = fs::temp_directory_path() / ("tarn-test-" + std::to_string(random()));
        if (fs::create_directory(m_path))
            break;
    }
}

TempDir::~TempDir() {
    std::error_code error;
    fs::remove_all(m_path, error);
}

void TempDir::write(const std::string& name, const std::string& bytes) const {
    std::ofstream(m_path / name, std::ios::binary) << bytes;
}

std::string TempDir::read(const std::string& name) const {
    std::ifstream in(m_path / name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool TempDir::has(const std::string& name) const {
    return fs::exists(m_path / name);
}

std::size_t TempDir::count() const {
    return static_cast<std::size_t>(
        std::distance(fs::directory_iterator(m_path), fs::directory_iterator()));
}

} // namespace tarn::test
