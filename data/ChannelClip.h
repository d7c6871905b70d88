#pragma once

#include "data/CellGrid.h"
#include "data/RadioImage.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace tarn {

// Channels on their way through the clipboard: the table text that other programs read, and
// each channel's whole 16-byte row, which carries the bits no cell shows from one place in
// TARN to another.
struct ChannelClip {
    std::string text;
    std::vector<std::uint8_t> rows; // RowSize bytes a channel, in the order of the text

    // The channels as the grid shows them, over the bits their image rows hold.
    [[nodiscard]] static ChannelClip of(const CellGrid& cells, const RadioImage& image,
                                        std::span<const int> channels);
    [[nodiscard]] std::size_t channelCount() const { return rows.size() / RadioImage::RowSize; }
};

} // namespace tarn
