#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarn {

enum class WriteOutcome {
    Written,
    CannotCreate, // the directory does not take new files
    Failed        // created, but a write or the final flush failed; nothing is left behind
};

// The file services the profile store needs, so tests can make each of them fail.
class FileOps {
public:
    virtual ~FileOps() = default;

    [[nodiscard]] virtual bool exists(const std::string& path) = 0;
    // Creates an empty file when none exists; never shortens an existing one.
    [[nodiscard]] virtual bool createEmpty(const std::string& path) = 0;
    // Larger files are no settings file of this program and are not read.
    static constexpr std::size_t MaxReadBytes = 16 * 1024 * 1024;

    // The whole file, or nothing when opening or any read fails, or when the path names no
    // regular file (a pipe would block, a device never end) or one over MaxReadBytes.
    [[nodiscard]] virtual std::optional<std::string> readAll(const std::string& path) = 0;
    // Whether the user may write an existing file; for root, whether any write bit is set.
    [[nodiscard]] virtual bool isWritable(const std::string& path) = 0;
    // Writes a new file beside target under a fresh name, returned in tempPath.
    [[nodiscard]] virtual WriteOutcome
    writeTemporary(const std::string& target, std::string_view content, std::string& tempPath) = 0;
    // Renames from over to, replacing it in one step.
    [[nodiscard]] virtual bool replace(const std::string& from, const std::string& to) = 0;
    virtual void remove(const std::string& path) = 0;
    // Rewrites an existing file in place and cuts it at the end of content. On failure
    // the old text is left whole where the platform allows it.
    [[nodiscard]] virtual bool overwrite(const std::string& path, std::string_view content) = 0;
    [[nodiscard]] virtual bool copy(const std::string& from, const std::string& to) = 0;
    // Names (without directory) of the files in a directory; "" is the current one.
    [[nodiscard]] virtual std::vector<std::string> list(const std::string& directory) = 0;
    [[nodiscard]] virtual std::string currentDirectory() = 0;
};

} // namespace tarn
