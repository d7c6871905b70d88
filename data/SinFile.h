#pragma once

#include "data/RadioImage.h"

#include <cstdint>
#include <filesystem>
#include <span>
#include <stdexcept>
#include <string>

namespace tarn {

// A ".sin" file failure; what() names the file and the reason.
class SinFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// How load treats a file whose size is not the image's.
enum class SinSize {
    Exact,        // any other size is refused
    FirstOfLarger // a larger file gives its first 8192 bytes, as old files with a trailer
};

// ".sin" files: exactly the 8192 bytes of the image.
class SinFile {
public:
    // Reads the image. Anything but a regular file (or a link to one) is refused before a
    // byte is read; so is a file of another size, or with FirstOfLarger a shorter one.
    // Throws SinFileError naming the file and, for a wrong size, its size.
    [[nodiscard]] static RadioImage load(const std::filesystem::path& path,
                                         SinSize rule = SinSize::Exact);
    // The size of the regular file path names; throws SinFileError for anything else.
    [[nodiscard]] static std::uintmax_t regularFileSize(const std::filesystem::path& path);
    // "FILE is N bytes; a channel file has 8192. Open its first 8192 bytes?"
    [[nodiscard]] static std::string firstBytesQuestion(const std::string& name,
                                                        std::uintmax_t size);
    // The same rule for a file's bytes already read (a browser's file); name only for messages.
    [[nodiscard]] static RadioImage fromBytes(std::span<const std::uint8_t> bytes,
                                              const std::filesystem::path& name,
                                              SinSize rule = SinSize::Exact);
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
