#include "data/SinFile.h"

#include "data/AtomicFile.h"
#include "data/FileHandle.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <system_error>

#if defined(__unix__) || defined(__APPLE__)
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tarn {

namespace {

using std::filesystem::path;
namespace fs = std::filesystem;

std::string describe(const path& file, const std::string& reason) {
    return "\"" + file.string() + "\": " + reason;
}

std::string lastError() {
    return std::strerror(errno);
}

const char* kindOf(fs::file_type type) {
    switch (type) {
    case fs::file_type::directory:
        return "a folder";
    case fs::file_type::block:
    case fs::file_type::character:
        return "a device";
    case fs::file_type::fifo:
        return "a pipe";
    case fs::file_type::socket:
        return "a socket";
    default:
        break;
    }
    return "not a regular file";
}

bool mayWrite(const path& file) {
#if defined(__unix__) || defined(__APPLE__)
    // Root passes every permission test, yet a file nobody may write is meant to stay.
    if (::geteuid() == 0) {
        struct stat info {};
        return ::stat(file.c_str(), &info) == 0 && (info.st_mode & 0222) != 0;
    }
    return ::access(file.c_str(), W_OK) == 0;
#else
    std::error_code error;
    return (fs::status(file, error).permissions() & fs::perms::owner_write) != fs::perms::none;
#endif
}

// The file a store replaces: the path itself, or the regular file a link leads to. Anything
// else would be destroyed by the rename, so it is refused before a byte is written.
path checkedTarget(const path& file) {
    std::error_code error;
    const fs::file_status entry = fs::symlink_status(file, error);
    if (entry.type() == fs::file_type::not_found)
        return file;
    if (error)
        throw SinFileError(describe(file, "cannot look at it: " + error.message()));
    path target = file;
    if (fs::is_symlink(entry)) {
        target = fs::canonical(file, error);
        if (error)
            throw SinFileError(
                describe(file, "a link that leads to no file (" + error.message() + ")"));
    }
    const fs::file_status status = fs::status(target, error);
    if (error || !fs::is_regular_file(status))
        throw SinFileError(describe(file, std::string(kindOf(status.type())) +
                                              ", not a channel file; nothing written"));
    if (!mayWrite(target))
        throw SinFileError(describe(file, "the file is read-only for you; nothing written"));
    return target;
}

} // namespace

RadioImage SinFile::load(const path& file) {
    FileHandle in(std::fopen(file.string().c_str(), "rb"));
    if (!in)
        throw SinFileError(describe(file, "cannot open: " + lastError()));
    RadioImage image;
    const auto bytes = image.bytes();
    const std::size_t got = std::fread(bytes.data(), 1, bytes.size(), in.get());
    if (got != bytes.size() && std::ferror(in.get()))
        throw SinFileError(describe(file, "cannot read: " + lastError()));
    return fromBytes(std::span<const std::uint8_t>(bytes.data(), got), file);
}

RadioImage SinFile::fromBytes(std::span<const std::uint8_t> bytes, const path& name) {
    if (bytes.size() < RadioImage::Size)
        throw SinFileError(
            describe(name, "not a channel file: it holds " + std::to_string(bytes.size()) +
                               " bytes, a channel file holds " + std::to_string(RadioImage::Size)));
    RadioImage image;
    std::copy_n(bytes.begin(), RadioImage::Size, image.bytes().begin());
    return image;
}

void SinFile::checkStorable(const path& file) {
    if (const auto failure = AtomicFile::probe(checkedTarget(file)))
        throw SinFileError(describe(file, *failure));
}

void SinFile::store(const path& file, const RadioImage& image) {
    const path target = checkedTarget(file);
    std::error_code error;
    std::optional<AtomicFile::Keep> keep;
    if (fs::exists(target, error))
        keep = AtomicFile::Keep{target};
    if (const auto failure = AtomicFile::replace(target, image.bytes(), keep))
        throw SinFileError(describe(file, *failure));
}

} // namespace tarn
