#pragma once

#include "data/RadioImage.h"

#include <string>
#include <vector>

namespace tarn {

// What a file holds that the radio cannot use or that a save would not keep: channels outside
// the model's band, and programmed channels whose bytes the grid cannot show as they are
// (a power code with no name, a tone that is no list entry, digits that are no decimal
// digits), so that rendering and parsing them back would change them.
class ImageCheck {
public:
    struct Finding {
        int channel = 0;
        int column = 0;
        std::string reason;
    };

    // By channel, then column; one finding per cell at most.
    [[nodiscard]] static std::vector<Finding> check(const RadioImage& image, int count);
    // "channel 12, RX Freq: reason"
    [[nodiscard]] static std::string describe(const Finding& finding);
};

} // namespace tarn
