#pragma once

#include "data/CellGrid.h"
#include "data/RadioImage.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarn {

// The band of the radio an image is for, as Model Information's "Frequency" names it. A
// channel outside it is kept and written, but the radio cannot use it, so it is pointed out.
class ModelBand {
public:
    // A frequency cell outside the band.
    struct Outside {
        int channel = 0;
        int column = 0;
        std::string frequency;
    };

    // The band the image's Model Information shows; nothing when it shows none.
    [[nodiscard]] static std::optional<ModelBand> of(const RadioImage& image);
    [[nodiscard]] static std::optional<ModelBand> forEntry(int band);

    [[nodiscard]] std::string_view name() const { return m_name; }
    // Edges included, in 10 Hz units.
    [[nodiscard]] bool contains(std::uint32_t units) const;
    // Whether a frequency cell's text lies outside; an empty cell never does.
    [[nodiscard]] bool excludes(std::string_view frequencyText) const;
    // RX and TX Freq cells of channels 1..count outside the band, by channel then column.
    [[nodiscard]] std::vector<Outside> outside(const CellGrid& cells, int count) const;
    // "12, 15, 40" for a warning line.
    [[nodiscard]] static std::string channelList(const std::vector<Outside>& found);

private:
    ModelBand(std::string_view name, std::uint32_t low, std::uint32_t high)
        : m_name(name)
        , m_low(low)
        , m_high(high) {}

    std::string_view m_name;
    std::uint32_t m_low;
    std::uint32_t m_high;
};

} // namespace tarn
