#include "data/RadioImage.h"

#include <utility>

namespace tarn {

namespace {

// Settings a new document starts with; every other byte is blank.
constexpr std::pair<std::size_t, std::uint8_t> NewDocumentSettings[] = {
    {0x1FC1, 4}, {0x1FC3, 1}, {0x1FD0, 0},    {0x1FD1, 2},    {0x1FD2, 0}, {0x1FD8, 0},
    {0x1FD9, 3}, {0x1FDA, 1}, {0x1FDB, 0},    {0x1FDC, 2},    {0x1FDD, 0}, {0x1FDE, 0},
    {0x1FDF, 0}, {0x1FE0, 4}, {0x1FE1, 0xE5}, {0x1FE2, 0x22}, {0x1FE5, 1}, {0x1FE6, 2},
};

} // namespace

RadioImage RadioImage::newDocument() {
    RadioImage image;
    for (const auto& [offset, value] : NewDocumentSettings)
        image[offset] = value;
    return image;
}

std::span<std::uint8_t, RadioImage::RowSize> RadioImage::row(std::size_t r) {
    return std::span<std::uint8_t, RowSize>(m_bytes.data() + r * RowSize, RowSize);
}

std::span<const std::uint8_t, RadioImage::RowSize> RadioImage::row(std::size_t r) const {
    return std::span<const std::uint8_t, RowSize>(m_bytes.data() + r * RowSize, RowSize);
}

int channelCountForModel(std::uint8_t modelType, int currentCount) {
    if (modelType == 4 || modelType == 5)
        return RadioImage::ReducedChannels;
    if (modelType <= 7)
        return RadioImage::MaxChannels;
    return currentCount;
}

} // namespace tarn
