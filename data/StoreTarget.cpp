#include "data/StoreTarget.h"

#include <system_error>

#if defined(__unix__) || defined(__APPLE__)
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tarn {

namespace fs = std::filesystem;

const char* StoreTarget::kindOf(fs::file_type type) {
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

bool StoreTarget::mayWrite(const fs::path& file) {
#if defined(__unix__) || defined(__APPLE__)
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

StoreTarget::Resolved StoreTarget::resolve(const fs::path& entry, const std::string& noun) {
    std::error_code error;
    const fs::file_status status = fs::symlink_status(entry, error);
    if (status.type() == fs::file_type::not_found)
        return {entry, {}};
    if (error)
        return {entry, "cannot look at it: " + error.message()};
    fs::path target = entry;
    if (fs::is_symlink(status)) {
        target = fs::canonical(entry, error);
        if (error)
            return {entry, "a link that leads to no file (" + error.message() + ")"};
    }
    const fs::file_status targetStatus = fs::status(target, error);
    if (error || !fs::is_regular_file(targetStatus))
        return {entry,
                std::string(kindOf(targetStatus.type())) + ", not " + noun + "; nothing written"};
    if (!mayWrite(target))
        return {entry, "the file is read-only for you; nothing written"};
    return {target, {}};
}

} // namespace tarn
