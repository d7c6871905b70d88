#pragma once

#include "data/RadioImage.h"

#include <filesystem>
#include <string>

namespace tarn {

// The text dump "1.txt" of image rows 0-269, one "|b0|b1|...|b15" line a row.
class RowDump {
public:
    static constexpr int Rows = 270;
    static constexpr const char* FileName = "1.txt";
#ifdef _WIN32
    static constexpr const char* LineEnd = "\r\n";
#else
    static constexpr const char* LineEnd = "\n";
#endif

    [[nodiscard]] static std::string text(const RadioImage& image);

    // Replaces file with the dump in one step; false when it could not, and then any old
    // file is left whole.
    [[nodiscard]] static bool write(const RadioImage& image, const std::filesystem::path& file);
    // Writes FileName into directory (empty: the current directory).
    [[nodiscard]] static bool writeInto(const RadioImage& image,
                                        const std::filesystem::path& directory);
};

} // namespace tarn
