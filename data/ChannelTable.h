#pragma once

#include "data/CellGrid.h"
#include "data/ChannelCodec.h"

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tarn {

// The channel table as tab-separated text: a header line with the grid's column names, then one
// line per channel. tarn-cli prints and reads it; the clipboard carries it, so spreadsheets take
// it as it is.
class ChannelTable {
public:
    using Cells = std::array<std::string, ChannelCodec::ColumnCount>;
    // One channel line: where it stood in the text and its cells; cells[0] is the channel
    // number as written.
    struct Row {
        int line = 0;
        Cells cells;
    };
    struct Rows {
        std::vector<Row> rows;
        std::vector<std::string> errors; // "line N, column NAME: reason" and the like
    };

    [[nodiscard]] static std::string headerLine();
    // The header and channels 1..count.
    [[nodiscard]] static std::string format(const CellGrid& grid, int count);
    // The header and the given channels, in that order.
    [[nodiscard]] static std::string format(const CellGrid& grid, std::span<const int> channels);

    // Whether the text is a table: it starts with the header line, or every line of it has the
    // seven cells (as rows copied from a spreadsheet without their header do).
    [[nodiscard]] static bool isTable(std::string_view text);
    // The channel lines after the header, each cell checked as the grid's editor would accept
    // it but numbers by the strict batch rule; tone texts come back in the tone table's
    // spelling. Column 0 is the caller's to judge. Without the header line, when headerOptional,
    // every line is a channel line.
    [[nodiscard]] static Rows read(std::string_view text, bool headerOptional = false);
    struct Applied {
        // The channels whose lines differ from what the grid shows, in increasing order; a
        // line that shows the channel as it is leaves the channel's bytes alone.
        std::vector<int> channels;
        std::vector<std::string> errors;
    };
    // Each line goes to the channel its Channel NO. names, 1..count and once only; channels not
    // listed keep what the grid holds. With any error the grid is untouched.
    [[nodiscard]] static Applied apply(std::string_view text, CellGrid& grid, int count);
};

} // namespace tarn
