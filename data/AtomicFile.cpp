#include "data/AtomicFile.h"

#include "data/FileHandle.h"

#include <cctype>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>
#include <random>
#include <system_error>

#if defined(__unix__) || defined(__APPLE__)
#include <sys/stat.h>
#include <unistd.h>
#define TARN_POSIX_FILES 1
#endif

namespace tarn {

namespace {

using std::filesystem::path;

std::string lastError() {
    return std::strerror(errno);
}

std::string randomSuffix() {
    static std::mt19937 generator{std::random_device{}()};
    std::uniform_int_distribution<unsigned> digits(0, 0xFFFFFF);
    char text[16];
    std::snprintf(text, sizeof text, ".~%06x", digits(generator));
    return text;
}

// A fresh file beside the entry, removed again unless it was renamed into place.
class TemporaryFile {
public:
    explicit TemporaryFile(const path& entry) {
        for (int attempt = 0; attempt < 16 && !m_file; ++attempt) {
            m_path = entry;
            m_path += randomSuffix();
            errno = 0;
            m_file.reset(std::fopen(m_path.string().c_str(), "wbx"));
            if (!m_file && errno != EEXIST)
                break;
        }
        if (!m_file)
            m_error = "cannot create a file in its folder: " + lastError();
        m_created = m_file != nullptr;
    }
    ~TemporaryFile() {
        m_file.reset();
        if (m_created && !m_committed) {
            std::error_code ignored;
            std::filesystem::remove(m_path, ignored);
        }
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    [[nodiscard]] const std::string& error() const { return m_error; }

    [[nodiscard]] bool write(std::span<const std::uint8_t> bytes) {
        if (std::fwrite(bytes.data(), 1, bytes.size(), m_file.get()) != bytes.size() ||
            std::fflush(m_file.get()) != 0)
            return fail("cannot write: ");
#ifdef TARN_POSIX_FILES
        // The rename must never show a name whose bytes are not on the disk yet.
        if (::fsync(::fileno(m_file.get())) != 0)
            return fail("cannot write: ");
#endif
        return true;
    }

    void keepAttributes(const path& from) {
#ifdef TARN_POSIX_FILES
        struct stat old {};
        if (::stat(from.c_str(), &old) != 0)
            return;
        const int fd = ::fileno(m_file.get());
        // Only root may give a file away; a plain user keeps the group where allowed.
        if (::fchown(fd, old.st_uid, old.st_gid) != 0)
            (void)::fchown(fd, static_cast<uid_t>(-1), old.st_gid);
        (void)::fchmod(fd, old.st_mode & 07777);
#else
        std::error_code ignored;
        std::filesystem::permissions(m_path, std::filesystem::status(from, ignored).permissions(),
                                     ignored);
#endif
    }

    [[nodiscard]] bool commit(const path& entry) {
        if (std::fclose(m_file.release()) != 0)
            return fail("cannot write: ");
        std::error_code error;
        std::filesystem::rename(m_path, entry, error);
        if (error) {
            m_error = "cannot replace the file: " + error.message();
            return false;
        }
        m_committed = true;
        return true;
    }

private:
    bool fail(const char* what) {
        m_error = what + lastError();
        return false;
    }

    path m_path;
    FileHandle m_file;
    std::string m_error;
    bool m_created = false;
    bool m_committed = false;
};

bool isTemporaryName(const std::string& name) {
    // "FILE.~" and six hex digits, as randomSuffix makes them.
    constexpr std::size_t SuffixSize = 8;
    if (name.size() <= SuffixSize || name.compare(name.size() - SuffixSize, 2, ".~") != 0)
        return false;
    for (std::size_t i = name.size() - 6; i < name.size(); ++i)
        if (std::isxdigit(static_cast<unsigned char>(name[i])) == 0)
            return false;
    return true;
}

// A run killed between creating its file and the rename leaves the file behind; one older
// than any store takes belongs to no running store.
void removeStaleTemporaries(const path& folder) {
    namespace fs = std::filesystem;
    constexpr auto StaleAfter = std::chrono::minutes(1);
    std::error_code error;
    const auto now = fs::file_time_type::clock::now();
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const fs::directory_entry& entry = *it;
        std::error_code ignored;
        if (!isTemporaryName(entry.path().filename().string()) || !entry.is_regular_file(ignored))
            continue;
        const auto written = entry.last_write_time(ignored);
        if (!ignored && now - written > StaleAfter)
            fs::remove(entry.path(), ignored);
    }
}

} // namespace

std::optional<std::string> AtomicFile::probe(const path& entry) {
    const TemporaryFile temporary(entry);
    if (!temporary.error().empty())
        return temporary.error();
    return std::nullopt;
}

std::optional<std::string> AtomicFile::replace(const path& entry,
                                               std::span<const std::uint8_t> bytes,
                                               const std::optional<Keep>& keep) {
    TemporaryFile temporary(entry);
    if (!temporary.error().empty())
        return temporary.error();
    if (!temporary.write(bytes))
        return temporary.error();
    if (keep)
        temporary.keepAttributes(keep->from);
    if (!temporary.commit(entry))
        return temporary.error();
    removeStaleTemporaries(entry.has_parent_path() ? entry.parent_path() : path("."));
    return std::nullopt;
}

} // namespace tarn
