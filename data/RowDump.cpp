#include "data/RowDump.h"

#include <fstream>
#include <string>

namespace tarn {

bool RowDump::write(const RadioImage& image, const std::filesystem::path& file) {
    std::ofstream out(file, std::ios::out | std::ios::trunc);
    if (!out)
        return false;
    for (std::size_t r = 0; r < static_cast<std::size_t>(Rows); ++r) {
        std::string line;
        for (const std::uint8_t byte : image.row(r))
            line += "|" + std::to_string(byte);
        out << line << '\n';
    }
    out.close();
    return static_cast<bool>(out);
}

bool RowDump::writeInto(const RadioImage& image, const std::filesystem::path& directory) {
    return write(image, directory / FileName);
}

} // namespace tarn
