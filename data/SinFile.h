#pragma once

#include "data/RadioImage.h"

#include <cstdint>
#include <filesystem>
#include <span>
#include <stdexcept>

namespace tarn {

// A ".sin" file failure; what() names the file and the reason.
class SinFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// ".sin" files: exactly the 8192 bytes of the image.
class SinFile {
public:
    // Reads the first 8192 bytes; a shorter or unreadable file throws SinFileError.
    [[nodiscard]] static RadioImage load(const std::filesystem::path& path);
    // The same for a file's bytes already read (a browser's file); name only for messages.
    [[nodiscard]] static RadioImage fromBytes(std::span<const std::uint8_t> bytes,
                                              const std::filesystem::path& name);
    // Replaces the file atomically: a failure throws and leaves any old file as it was.
    // Refuses, before writing, a path that names anything but a regular file or a link to
    // one, and a file the user may not write. A link stays and its file is replaced; owner,
    // group and mode are kept where the user may keep them.
    static void store(const std::filesystem::path& path, const RadioImage& image);
    // Throws what store would throw before writing anything, for callers that must know
    // before a long transfer; writes nothing.
    static void checkStorable(const std::filesystem::path& path);
};

} // namespace tarn
