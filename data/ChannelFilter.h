#pragma once

#include "data/CellGrid.h"
#include "data/DecimalNumber.h"

#include <optional>
#include <string>
#include <string_view>

namespace tarn {

// What the find bar shows: the channels with a cell that holds the text. A number matches
// cells of equal value (so "146.52" finds 146.52000 but not 146.52500); any other text matches
// anywhere in a cell, letter case ignored. An empty text matches every channel.
class ChannelFilter {
public:
    explicit ChannelFilter(std::string_view text);

    [[nodiscard]] bool isEmpty() const { return m_text.empty(); }
    [[nodiscard]] bool matches(const CellGrid& cells, int channel) const;
    // "12 of 199 channels".
    [[nodiscard]] static std::string countText(int shown, int total);

private:
    [[nodiscard]] bool cellMatches(const std::string& cell, int column) const;

    std::string m_text; // trimmed, lower case
    std::optional<DecimalNumber> m_number;
};

} // namespace tarn
