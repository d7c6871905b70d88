#pragma once

#include <filesystem>
#include <string>

namespace tarn {

// Where a store by replacement may write: the path itself, or the regular file a link
// leads to. Anything else would be destroyed by the rename, and a file the user may not
// write is meant to stay, so both are refused before a byte is written.
class StoreTarget {
public:
    struct Resolved {
        std::filesystem::path target;
        std::string refusal; // empty: the store may go ahead
        [[nodiscard]] bool refused() const { return !refusal.empty(); }
    };

    // noun names what a store writes ("a channel file") in the refusal.
    [[nodiscard]] static Resolved resolve(const std::filesystem::path& entry,
                                          const std::string& noun);
    // Root passes every permission test, so for root any write bit counts.
    [[nodiscard]] static bool mayWrite(const std::filesystem::path& file);
    // "a folder", "a device", ... for a file type that is not a regular file.
    [[nodiscard]] static const char* kindOf(std::filesystem::file_type type);
};

} // namespace tarn
