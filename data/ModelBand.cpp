#include "data/ModelBand.h"

#include "data/ChannelCodec.h"
#include "data/ModelSettings.h"

#include <array>
#include <utility>

namespace tarn {

namespace {

constexpr std::uint32_t Mhz = 100000; // in 10 Hz units

// The edges of the band entries, in list order.
constexpr std::array<std::pair<std::uint32_t, std::uint32_t>, ModelSettings::BandEntries.size()>
    Edges = {{{136 * Mhz, 174 * Mhz},
              {400 * Mhz, 480 * Mhz},
              {136 * Mhz, 174 * Mhz},
              {200 * Mhz, 299 * Mhz},
              {300 * Mhz, 480 * Mhz},
              {400 * Mhz, 550 * Mhz}}};

} // namespace

std::optional<ModelBand> ModelBand::of(const RadioImage& image) {
    return forEntry(ModelSettings::decode(image).band());
}

std::optional<ModelBand> ModelBand::forEntry(int band) {
    if (band < 0 || band >= static_cast<int>(Edges.size()))
        return std::nullopt;
    const auto index = static_cast<std::size_t>(band);
    return ModelBand(ModelSettings::BandEntries[index], Edges[index].first, Edges[index].second);
}

bool ModelBand::contains(std::uint32_t units) const {
    return units >= m_low && units <= m_high;
}

bool ModelBand::excludes(std::string_view frequencyText) const {
    return !frequencyText.empty() && !contains(ChannelCodec::frequencyUnits(frequencyText));
}

std::vector<ModelBand::Outside> ModelBand::outside(const CellGrid& cells, int count) const {
    std::vector<Outside> found;
    for (int channel = 1; channel <= count; ++channel) {
        for (const int column : {ChannelCodec::RxFreqColumn, ChannelCodec::TxFreqColumn}) {
            std::string text = cells.cellText(channel, column);
            if (excludes(text))
                found.push_back({channel, column, std::move(text)});
        }
    }
    return found;
}

std::string ModelBand::channelList(const std::vector<Outside>& found) {
    std::string list;
    int last = 0;
    for (const Outside& cell : found) {
        if (cell.channel == last)
            continue;
        list += (list.empty() ? "" : ", ") + std::to_string(cell.channel);
        last = cell.channel;
    }
    return list;
}

} // namespace tarn
