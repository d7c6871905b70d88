#include "profile/StdFileOps.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <random>

#if defined(__unix__) || defined(__APPLE__)
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tarn {

namespace fs = std::filesystem;

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

FileHandle openFile(const std::string& path, const char* mode) {
    return FileHandle(std::fopen(path.c_str(), mode));
}

// Closes the file and reports whether everything buffered reached it.
bool closeChecked(FileHandle file) {
    return std::fclose(file.release()) == 0;
}

bool writeAll(std::FILE* file, std::string_view content) {
    return std::fwrite(content.data(), 1, content.size(), file) == content.size() &&
           std::fflush(file) == 0;
}

// The rename that follows must never show a name whose bytes are not on the disk yet.
bool syncToDisk(std::FILE* file) {
#if defined(__unix__) || defined(__APPLE__)
    return ::fsync(::fileno(file)) == 0;
#else
    (void)file;
    return true;
#endif
}

// A link is replaced through to the file it names, so the link itself survives.
std::string resolvedTarget(const std::string& path) {
    std::error_code error;
    if (!fs::is_symlink(path, error))
        return path;
    const fs::path target = fs::weakly_canonical(path, error);
    return error ? path : target.string();
}

std::string randomSuffix() {
    static std::mt19937 generator{std::random_device{}()};
    std::uniform_int_distribution<unsigned> digits(0, 0xFFFFFF);
    char text[16];
    std::snprintf(text, sizeof text, ".~%06x", digits(generator));
    return text;
}

bool isTemporaryName(const std::string& name) {
    // "FILE.~" and six hex digits, as randomSuffix makes them.
    constexpr std::size_t SuffixSize = 8;
    if (name.size() <= SuffixSize || name.compare(name.size() - SuffixSize, 2, ".~") != 0)
        return false;
    return std::all_of(name.end() - 6, name.end(),
                       [](char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; });
}

// A run killed between writing its new file and the rename leaves the file behind; one a
// minute old belongs to no running save.
void removeStaleTemporaries(const fs::path& folder) {
    constexpr auto StaleAfter = std::chrono::minutes(1);
    std::error_code error;
    const auto now = fs::file_time_type::clock::now();
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        std::error_code ignored;
        if (!isTemporaryName(it->path().filename().string()) || !it->is_regular_file(ignored))
            continue;
        const auto written = it->last_write_time(ignored);
        if (!ignored && now - written > StaleAfter)
            fs::remove(it->path(), ignored);
    }
}

} // namespace

StdFileOps& StdFileOps::instance() {
    static StdFileOps ops;
    return ops;
}

bool StdFileOps::exists(const std::string& path) {
    std::error_code error;
    return fs::exists(path, error);
}

bool StdFileOps::createEmpty(const std::string& path) {
    FileHandle file = openFile(path, "ab");
    return file && closeChecked(std::move(file));
}

std::optional<std::string> StdFileOps::readAll(const std::string& path) {
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (error || !fs::is_regular_file(status) || fs::file_size(path, error) > MaxReadBytes || error)
        return std::nullopt;
    FileHandle file = openFile(path, "rb");
    if (!file)
        return std::nullopt;
    std::string content;
    char buffer[8192];
    std::size_t count = 0;
    while ((count = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) {
        content.append(buffer, count);
        // The file may have grown since it was measured.
        if (content.size() > MaxReadBytes)
            return std::nullopt;
    }
    if (std::ferror(file.get()))
        return std::nullopt;
    return content;
}

bool StdFileOps::isWritable(const std::string& path) {
#if defined(__unix__) || defined(__APPLE__)
    // Asked without opening: an open for writing succeeds for root on any file, yet a file
    // nobody may write is meant to stay.
    if (::geteuid() == 0) {
        struct stat info {};
        return ::stat(path.c_str(), &info) == 0 && (info.st_mode & 0222) != 0;
    }
    return ::access(path.c_str(), W_OK) == 0;
#else
    std::error_code error;
    return (fs::status(path, error).permissions() & fs::perms::owner_write) != fs::perms::none;
#endif
}

WriteOutcome StdFileOps::writeTemporary(const std::string& target, std::string_view content,
                                        std::string& tempPath) {
    const std::string base = resolvedTarget(target);
    FileHandle file;
    for (int attempt = 0; attempt < 16 && !file; ++attempt) {
        tempPath = base + randomSuffix();
        errno = 0;
        file = openFile(tempPath, "wbx");
        if (!file && errno != EEXIST)
            return WriteOutcome::CannotCreate;
    }
    if (!file)
        return WriteOutcome::CannotCreate;
    const bool written = writeAll(file.get(), content) && syncToDisk(file.get());
    if (!closeChecked(std::move(file)) || !written) {
        remove(tempPath);
        return WriteOutcome::Failed;
    }
    std::error_code error;
    const fs::file_status status = fs::status(base, error);
    if (!error)
        fs::permissions(tempPath, status.permissions(), error);
    return WriteOutcome::Written;
}

bool StdFileOps::replace(const std::string& from, const std::string& to) {
    std::error_code error;
    const fs::path target = resolvedTarget(to);
    fs::rename(from, target, error);
    if (error)
        return false;
    removeStaleTemporaries(target.has_parent_path() ? target.parent_path() : fs::path("."));
    return true;
}

void StdFileOps::remove(const std::string& path) {
    std::error_code error;
    fs::remove(path, error);
}

bool StdFileOps::overwrite(const std::string& path, std::string_view content) {
    FileHandle file = openFile(path, "r+b");
    if (!file || std::fseek(file.get(), 0, SEEK_END) != 0)
        return false;
    const long oldSize = std::ftell(file.get());
    if (oldSize < 0)
        return false;
    const auto keep = static_cast<std::size_t>(oldSize);
    // Grow the file first: when the disk is full this fails before any old byte is lost.
    if (content.size() > keep && !writeAll(file.get(), content.substr(keep))) {
        file.reset();
        std::error_code error;
        fs::resize_file(path, keep, error);
        return false;
    }
    if (std::fseek(file.get(), 0, SEEK_SET) != 0 ||
        !writeAll(file.get(), content.substr(0, std::min(keep, content.size()))) ||
        !closeChecked(std::move(file)))
        return false;
    std::error_code error;
    fs::resize_file(path, content.size(), error);
    return !error;
}

bool StdFileOps::copy(const std::string& from, const std::string& to) {
    std::error_code error;
    return fs::copy_file(from, to, fs::copy_options::overwrite_existing, error);
}

std::vector<std::string> StdFileOps::list(const std::string& directory) {
    std::vector<std::string> names;
    std::error_code error;
    const fs::path where = directory.empty() ? fs::path(".") : fs::path(directory);
    for (fs::directory_iterator it(where, error), end; !error && it != end; it.increment(error))
        names.push_back(it->path().filename().string());
    return names;
}

std::string StdFileOps::currentDirectory() {
    std::error_code error;
    const fs::path current = fs::current_path(error);
    return error ? std::string() : current.string();
}

} // namespace tarn
