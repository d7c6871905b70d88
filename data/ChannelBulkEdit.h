#pragma once

#include "data/BandPlan.h"
#include "data/CellGrid.h"
#include "data/TxOffset.h"

#include <optional>
#include <span>
#include <string>

namespace tarn {

// Properties set on many channels at once; a field left unset stays as each channel has it.
// Empty channels stay empty.
struct ChannelBulkEdit {
    std::optional<TxOffset> offset; // TX = RX + offset
    std::optional<std::string> decTone;
    std::optional<std::string> encTone;
    std::optional<std::string> power;
    std::optional<std::string> lock;

    [[nodiscard]] bool isEmpty() const {
        return !offset && !decTone && !encTone && !power && !lock;
    }
    // Empty when every channel can take the edit; otherwise what is wrong, naming the first
    // channel it is wrong for.
    [[nodiscard]] std::string check(const CellGrid& cells, std::span<const int> channels,
                                    BandPlan::Region region) const;
    // Sets the fields on the programmed channels; run only after check() found nothing.
    void applyTo(CellGrid& cells, std::span<const int> channels, BandPlan::Region region) const;
};

} // namespace tarn
