#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>

namespace tarn {

// Replaces a directory entry in one step: the bytes go to a fresh file in the same folder,
// reach the disk, and only then is that file renamed over the entry. Whatever the entry was
// (a file, a link, anything else) is left whole when any step fails.
class AtomicFile {
public:
    // Owner, group and mode the new file takes over from the file it replaces.
    struct Keep {
        std::filesystem::path from;
    };

    // Empty on success, otherwise why nothing was replaced.
    // Empty when a replace of entry could create its new file; otherwise why not. Leaves
    // nothing behind.
    [[nodiscard]] static std::optional<std::string> probe(const std::filesystem::path& entry);

    [[nodiscard]] static std::optional<std::string>
    replace(const std::filesystem::path& entry, std::span<const std::uint8_t> bytes,
            const std::optional<Keep>& keep = std::nullopt);
};

} // namespace tarn
