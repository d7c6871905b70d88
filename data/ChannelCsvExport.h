#pragma once

#include "data/RadioImage.h"

#include <string>
#include <vector>

namespace tarn {

// Writes the channels of an image as a channel list in CHIRP's CSV format.
class ChannelCsvExport {
public:
    // Channels 10 MHz or less apart are written as a shift, wider pairs as a split.
    static constexpr std::uint32_t ShiftLimitUnits = 1000000;

    struct Result {
        std::string text;
        int written = 0;
        std::vector<int> leftOut; // channels with only a TX frequency, which the format lacks

        [[nodiscard]] std::vector<std::string> reportLines() const;
    };

    // Every channel 1..channelCount with an RX frequency, in channel order, all 21 columns.
    [[nodiscard]] static Result write(const RadioImage& image, int channelCount);
};

} // namespace tarn
