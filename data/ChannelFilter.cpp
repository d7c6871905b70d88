#include "data/ChannelFilter.h"

#include "data/ChannelCodec.h"
#include "data/StrictNumber.h"

#include <algorithm>
#include <cctype>

namespace tarn {

namespace {

std::string lower(std::string_view text) {
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return result;
}

} // namespace

ChannelFilter::ChannelFilter(std::string_view text)
    : m_text(lower(StrictNumber::trimmed(text)))
    , m_number(StrictNumber::parse(m_text)) {}

bool ChannelFilter::matches(const CellGrid& cells, int channel) const {
    if (isEmpty())
        return true;
    for (int column = 0; column < ChannelCodec::ColumnCount; ++column) {
        if (cellMatches(cells.cellText(channel, column), column))
            return true;
    }
    return false;
}

bool ChannelFilter::cellMatches(const std::string& cell, int column) const {
    if (!m_number)
        return lower(cell).find(m_text) != std::string::npos;
    const std::optional<DecimalNumber> value = StrictNumber::parse(cell);
    if (!value)
        return false;
    // Frequencies compare as stored, in whole 10 Hz units.
    if (column == ChannelCodec::RxFreqColumn || column == ChannelCodec::TxFreqColumn) {
        constexpr auto Round = DecimalNumber::Rounding::HalfAwayFromZero;
        return value->scaled(5, Round) == m_number->scaled(5, Round);
    }
    return *value == *m_number;
}

std::string ChannelFilter::countText(int shown, int total) {
    return std::to_string(shown) + " of " + std::to_string(total) + " channels";
}

} // namespace tarn
