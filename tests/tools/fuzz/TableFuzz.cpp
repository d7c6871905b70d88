// Reads arbitrary text as a channel table. A table the reader takes must come back the same
// when printed and read again, and every number it took must be a whole-cell number.
#include "data/ChannelCodec.h"
#include "data/ChannelTable.h"
#include "data/StrictNumber.h"
#include "data/TextGrid.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

void require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "broken: %s\n", what);
        std::abort();
    }
}

// A table applied to a grid of empty channels.
tarn::ChannelTable::Applied applyToEmpty(std::string_view text, int count, tarn::TextGrid& grid) {
    tarn::ChannelCodec::numberRows(grid, count);
    return tarn::ChannelTable::apply(text, grid, count);
}

void exercise(std::string_view text, int count) {
    using tarn::ChannelTable;
    tarn::TextGrid grid;
    if (!applyToEmpty(text, count, grid).errors.empty())
        return;
    for (int row = 1; row <= count; ++row)
        for (const int column :
             {tarn::ChannelCodec::RxFreqColumn, tarn::ChannelCodec::TxFreqColumn}) {
            const std::string cell = grid.cellText(row, column);
            require(cell.empty() || tarn::StrictNumber::isNumber(cell), "lax number taken");
        }
    const std::string printed = ChannelTable::format(grid, count);
    tarn::TextGrid again;
    require(applyToEmpty(printed, count, again).errors.empty(), "printed table refused");
    require(ChannelTable::format(again, count) == printed, "table not stable");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    exercise(text, 199);
    exercise(text, 160);
    return 0;
}
