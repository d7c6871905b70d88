#include "data/ModelSettings.h"

#include <utility>

namespace tarn {

namespace {

int indexIn(std::uint8_t stored, std::size_t entries) {
    return stored < entries ? stored : ModelSettings::NoSelection;
}

} // namespace

ModelSettings ModelSettings::decode(const RadioImage& image) {
    const int model = indexIn(image[ModelOffset], ModelEntries.size());
    const int band = indexIn(image[BandOffset], bandEntriesFor(model).size());
    return {model, band};
}

std::span<const std::string_view> ModelSettings::bandEntriesFor(int model) {
    if (model < 0 || model >= static_cast<int>(ModelEntries.size()))
        return {};
    return BandEntries;
}

std::optional<int> ModelSettings::channelCountFor(int model) {
    if (bandEntriesFor(model).empty())
        return std::nullopt;
    return RadioImage::MaxChannels;
}

bool ModelSettings::encode(RadioImage& image) const {
    bool changed = false;
    for (const auto& [offset, selection] :
         {std::pair(ModelOffset, m_model), std::pair(BandOffset, m_band)}) {
        if (selection == Unchanged)
            continue;
        changed = changed || image[offset] != selectionByte(selection);
        image[offset] = selectionByte(selection);
    }
    return changed;
}

} // namespace tarn
