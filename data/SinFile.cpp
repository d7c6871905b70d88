#include "data/SinFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <system_error>

#if defined(__unix__) || defined(__APPLE__)
#include <unistd.h>
#endif

namespace tarn {

namespace {

using std::filesystem::path;

std::string describe(const path& file, const std::string& reason) {
    return "\"" + file.string() + "\": " + reason;
}

std::string lastError() {
    return std::strerror(errno);
}

// Closes the stream on every path.
struct FileCloser {
    void operator()(std::FILE* f) const {
        if (f)
            std::fclose(f);
    }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

// A temporary file beside the target that is removed unless it is committed.
class TemporaryFile {
public:
    explicit TemporaryFile(const path& target) {
        std::random_device random;
        for (int attempt = 0; attempt < 16 && !m_file; ++attempt) {
            m_path = target;
            m_path += ".tmp" + std::to_string(random() % 1000000);
            m_file.reset(std::fopen(m_path.string().c_str(), "wbx"));
            if (!m_file && errno != EEXIST)
                break;
        }
        if (!m_file)
            throw SinFileError(
                describe(target, "cannot create a file in its folder: " + lastError()));
    }
    ~TemporaryFile() {
        m_file.reset();
        if (!m_committed) {
            std::error_code ignored;
            std::filesystem::remove(m_path, ignored);
        }
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    void write(const path& target, std::span<const std::uint8_t> bytes) {
        if (std::fwrite(bytes.data(), 1, bytes.size(), m_file.get()) != bytes.size() ||
            std::fflush(m_file.get()) != 0)
            throw SinFileError(describe(target, "cannot write: " + lastError()));
#if defined(__unix__) || defined(__APPLE__)
        if (::fsync(::fileno(m_file.get())) != 0)
            throw SinFileError(describe(target, "cannot write: " + lastError()));
#endif
        if (std::fclose(m_file.release()) != 0)
            throw SinFileError(describe(target, "cannot write: " + lastError()));
    }

    void commit(const path& target) {
        std::error_code error;
        std::filesystem::rename(m_path, target, error);
        if (error)
            throw SinFileError(describe(target, "cannot replace the file: " + error.message()));
        m_committed = true;
    }

    [[nodiscard]] const path& location() const {
        return m_path;
    }

private:
    path m_path;
    FileHandle m_file;
    bool m_committed = false;
};

// Saving through a symbolic link replaces the file it points to, not the link.
path resolveTarget(const path& file) {
    std::error_code error;
    if (std::filesystem::is_symlink(file, error)) {
        const path resolved = std::filesystem::weakly_canonical(file, error);
        if (!error)
            return resolved;
    }
    return file;
}

void keepPermissions(const path& from, const path& to) {
    std::error_code error;
    const auto status = std::filesystem::status(from, error);
    if (!error && std::filesystem::exists(status))
        std::filesystem::permissions(to, status.permissions(), error);
}

} // namespace

RadioImage SinFile::load(const path& file) {
    FileHandle in(std::fopen(file.string().c_str(), "rb"));
    if (!in)
        throw SinFileError(describe(file, "cannot open: " + lastError()));
    RadioImage image;
    const auto bytes = image.bytes();
    const std::size_t got = std::fread(bytes.data(), 1, bytes.size(), in.get());
    if (got != bytes.size()) {
        if (std::ferror(in.get()))
            throw SinFileError(describe(file, "cannot read: " + lastError()));
        throw SinFileError(describe(file, "not a channel file: it holds " + std::to_string(got) +
                                              " bytes, a channel file holds " +
                                              std::to_string(RadioImage::Size)));
    }
    return image;
}

void SinFile::store(const path& file, const RadioImage& image) {
    const path target = resolveTarget(file);
    TemporaryFile temporary(target);
    temporary.write(target, image.bytes());
    keepPermissions(target, temporary.location());
    temporary.commit(target);
}

} // namespace tarn
