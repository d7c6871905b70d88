#pragma once

#include "data/BandPlan.h"

namespace tarn {

// Setup > Band Plan: the region whose repeater offsets "+" and "-" stand for, kept in the
// program's settings.
class BandPlanSetting {
public:
    static constexpr const char* Key = "Channels/BandPlan";

    // The default region when none was chosen or the stored one is unknown.
    [[nodiscard]] static BandPlan::Region region();
    static void setRegion(BandPlan::Region region);
};

} // namespace tarn
