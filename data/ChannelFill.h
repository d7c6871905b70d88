#pragma once

#include "data/BandPlan.h"
#include "data/CellGrid.h"
#include "data/RadioImage.h"
#include "data/TxOffset.h"

#include <cstdint>
#include <string>

namespace tarn {

// A run of new channels at evenly stepped frequencies, from a first channel on.
struct ChannelFill {
    int first = 1;
    int count = 1;
    std::uint32_t startUnits = 0; // 10 Hz units
    std::uint32_t stepUnits = 1250;
    TxOffset offset; // simplex
    std::string decTone = "OFF";
    std::string encTone = "OFF";
    std::string power = "High";
    std::string lock = "Lock";

    [[nodiscard]] std::uint32_t rxUnits(int index) const;
    // Empty when the whole run can be stored into a document of `channelCount` channels;
    // otherwise why not, naming the first bad channel.
    [[nodiscard]] std::string check(int channelCount, BandPlan::Region region) const;
    // How many programmed channels the run would replace.
    [[nodiscard]] int replaced(const CellGrid& cells) const;
    // Replaces the channels, image rows included; run only after check() found nothing.
    void applyTo(CellGrid& cells, RadioImage& image, BandPlan::Region region) const;
};

} // namespace tarn
