#pragma once

#include "data/CellGrid.h"
#include "data/TextGrid.h"

#include <string>
#include <string_view>
#include <vector>

namespace tarn {

// The channel table as tab-separated text: a header line, then one line per channel.
class ChannelTable {
public:
    [[nodiscard]] static std::string format(const CellGrid& grid, int count);

    struct Parsed {
        TextGrid grid;
        std::vector<std::string> errors; // "line N, column NAME: reason" and the like
    };
    // Reads a table for count channels and checks every cell as the grid's editor would
    // accept it; tone texts come back in the tone table's spelling.
    [[nodiscard]] static Parsed parse(std::string_view text, int count);
};

} // namespace tarn
