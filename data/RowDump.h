#pragma once

#include "data/RadioImage.h"

#include <filesystem>

namespace tarn {

// The text dump "1.txt" of image rows 0-269, one "|b0|b1|...|b15" line a row.
class RowDump {
public:
    static constexpr int Rows = 270;
    static constexpr const char* FileName = "1.txt";

    // Writes the dump to file; false when it could not be written whole.
    [[nodiscard]] static bool write(const RadioImage& image, const std::filesystem::path& file);
    // Writes FileName into directory (empty: the current directory).
    [[nodiscard]] static bool writeInto(const RadioImage& image,
                                        const std::filesystem::path& directory);
};

} // namespace tarn
