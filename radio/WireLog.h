#pragma once

#include <cstdint>
#include <vector>

namespace tarn {

enum class WireDirection { ToRadio, FromRadio };

struct WireByte {
    WireDirection direction;
    std::uint8_t value;
    std::int64_t timeNs; // arrival at the radio, or when its last bit leaves the radio
};

// Every byte the virtual radio received or sent.
class WireLog {
public:
    void append(WireDirection direction, std::uint8_t value, std::int64_t timeNs);
    [[nodiscard]] const std::vector<WireByte>& entries() const { return m_entries; }
    [[nodiscard]] std::vector<std::uint8_t> bytes(WireDirection direction) const;
    void clear() { m_entries.clear(); }

private:
    std::vector<WireByte> m_entries;
};

} // namespace tarn
