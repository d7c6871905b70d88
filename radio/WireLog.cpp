#include "radio/WireLog.h"

namespace tarn {

void WireLog::append(WireDirection direction, std::uint8_t value, std::int64_t timeNs) {
    m_entries.push_back({direction, value, timeNs});
}

std::vector<std::uint8_t> WireLog::bytes(WireDirection direction) const {
    std::vector<std::uint8_t> result;
    for (const WireByte& entry : m_entries) {
        if (entry.direction == direction)
            result.push_back(entry.value);
    }
    return result;
}

} // namespace tarn
