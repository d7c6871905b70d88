#pragma once

#include "data/RadioImage.h"
#include "link/TransferTarget.h"

#include <cstddef>
#include <string>

namespace tarn::bench {

// One transfer through the event-driven session and tarn-cli's poll loop, timed.
struct EngineTransfer {
    bool completed = false;
    double seconds = 0;
    std::size_t wireBytes = 0; // both ways
    double pausedMs = 0;       // the protocol's own waits
    RadioImage image;          // what a read got

    [[nodiscard]] static EngineTransfer run(const std::string& device, TransferDirection direction,
                                            const RadioImage& image);
};

} // namespace tarn::bench
