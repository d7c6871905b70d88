#include "data/ChannelRules.h"

#include "data/ChannelCodec.h"

namespace tarn {

ChannelRules::Frequency ChannelRules::checkFrequency(std::string_view text) {
    const std::uint32_t units = ChannelCodec::frequencyUnits(text);
    if (units < LowestUnits || units > HighestUnits)
        return Frequency::OutOfRange;
    if (units % 625 != 0 && units % 500 != 0)
        return Frequency::OffStep;
    return Frequency::Valid;
}

std::string ChannelRules::storedFrequency(std::string_view text) {
    return ChannelCodec::formatFrequency(ChannelCodec::frequencyUnits(text));
}

} // namespace tarn
