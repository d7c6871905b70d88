#include "data/ChannelFilter.h"
#include "data/ChannelCodec.h"
#include "data/TextGrid.h"

#include <gtest/gtest.h>

#include <vector>

namespace tarn {
namespace {

TEST(ChannelFilter, NumbersMatchByValueOtherTextAnywhereIgnoringCase) {
    TextGrid cells;
    ChannelCodec::numberRows(cells, 5);
    const std::vector<std::vector<std::string>> rows{
        {"146.52000", "146.52000", "OFF", "67.0", "High", "Lock"},
        {"146.52500", "146.52500", "D023N", "OFF", "Low", "UnLock"},
        {"433.50000", "438.50000", "", "", "Middle", "Lock"},
        {"", "146.52000", "", "", "High", "Lock"},
    };
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (std::size_t c = 0; c < rows[r].size(); ++c)
            cells.setCellText(static_cast<int>(r) + 1, static_cast<int>(c) + 1, rows[r][c]);
    }
    // The text, then which of channels 1-5 it shows.
    const std::vector<std::pair<const char*, std::vector<int>>> cases{
        {"146.52", {1, 4}},
        {"146.525", {2}},
        {" 146.52000 ", {1, 4}},
        {"438.5", {3}},
        {"67", {1}},
        {"67.0", {1}},
        {"3", {3}},
        {"d023", {2}},
        {"unlock", {2}},
        {"LOCK", {1, 2, 3, 4}},
        {"146.5", {}},
        {"", {1, 2, 3, 4, 5}},
        {"no such", {}},
        {"off", {1, 2}},
        {"146.52.1", {}},
    };
    for (const auto& [text, shown] : cases) {
        const ChannelFilter filter(text);
        std::vector<int> found;
        for (int ch = 1; ch <= 5; ++ch) {
            if (filter.matches(cells, ch))
                found.push_back(ch);
        }
        EXPECT_EQ(found, shown) << '"' << text << '"';
    }
    EXPECT_EQ(ChannelFilter::countText(12, 199), "12 of 199 channels");
}

} // namespace
} // namespace tarn
