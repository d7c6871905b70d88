#pragma once

#include "data/CellGrid.h"
#include "data/ChannelCodec.h"
#include "data/RadioImage.h"

#include <array>
#include <string>
#include <vector>

namespace tarn {

// Everything an undo step puts back: the image, the channel count and every cell text.
struct DocumentState {
    RadioImage image;
    int channelCount = RadioImage::MaxChannels;
    std::vector<std::array<std::string, ChannelCodec::ColumnCount>> cells;

    [[nodiscard]] static DocumentState capture(const CellGrid& cells, const RadioImage& image,
                                               int channelCount);
    // The cells as captured, row count included.
    void restoreCells(CellGrid& grid) const;

    friend bool operator==(const DocumentState&, const DocumentState&) = default;
};

} // namespace tarn
