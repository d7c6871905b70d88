#include "data/RowDump.h"

#include "data/AtomicFile.h"

#include <string>

namespace tarn {

std::string RowDump::text(const RadioImage& image) {
    std::string text;
    for (std::size_t r = 0; r < static_cast<std::size_t>(Rows); ++r) {
        for (const std::uint8_t byte : image.row(r))
            text += "|" + std::to_string(byte);
        text += LineEnd;
    }
    return text;
}

bool RowDump::write(const RadioImage& image, const std::filesystem::path& file) {
    const std::string dump = text(image);
    // The entry itself is replaced: a link named like the dump is never written through.
    return !AtomicFile::replace(file,
                                {reinterpret_cast<const std::uint8_t*>(dump.data()), dump.size()});
}

bool RowDump::writeInto(const RadioImage& image, const std::filesystem::path& directory) {
    return write(image, directory / FileName);
}

} // namespace tarn
