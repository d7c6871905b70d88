// Takes arbitrary bytes as a .sin image and runs it through show, apply and show again, as a
// user editing nothing would: where the shown table is accepted, applying it must change
// nothing that show prints. A tone or code the tone table does not hold (bytes no radio
// writes) is stored as the table's entry of the same value, as the grid stores it; such
// images are for tarn-cli check to name, not for this round trip.
#include "data/ChannelCodec.h"
#include "data/ChannelTable.h"
#include "data/RadioImage.h"
#include "data/TextGrid.h"
#include "data/ToneTable.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

using tarn::ChannelCodec;
using tarn::ChannelTable;
using tarn::RadioImage;

void require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "broken: %s\n", what);
        std::abort();
    }
}

bool tonesAreListEntries(const tarn::TextGrid& grid, int count) {
    static const tarn::ToneTable tones;
    for (int row = 1; row <= count; ++row)
        for (const int column : {ChannelCodec::DecColumn, ChannelCodec::EncColumn}) {
            const std::string& text = grid.cellText(row, column);
            if (!text.empty() && !tones.find(text))
                return false;
        }
    return true;
}

std::string show(const RadioImage& image, int count, tarn::TextGrid& grid) {
    ChannelCodec::render(image, grid, count);
    return ChannelTable::format(grid, count);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    RadioImage image;
    std::fill(image.bytes().begin(), image.bytes().end(), RadioImage::Blank);
    std::copy_n(data, std::min<std::size_t>(size, RadioImage::Size), image.bytes().begin());
    const int count = tarn::channelCountForModel(image.modelType(), RadioImage::MaxChannels);

    tarn::TextGrid shownGrid;
    const std::string shown = show(image, count, shownGrid);
    if (!tonesAreListEntries(shownGrid, count))
        return 0;
    tarn::TextGrid grid;
    ChannelCodec::render(image, grid, count);
    const ChannelTable::Applied table = ChannelTable::apply(shown, grid, count);
    if (!table.errors.empty())
        return 0; // the image holds what no cell may: nothing is applied
    RadioImage applied = image;
    for (const int channel : table.channels)
        ChannelCodec::parseRow(grid, channel, applied);

    tarn::TextGrid againGrid;
    (void)show(applied, count, againGrid);
    for (int row = 1; row <= count; ++row)
        for (int column = 0; column < ChannelCodec::ColumnCount; ++column) {
            require(againGrid.cellText(row, column) == shownGrid.cellText(row, column),
                    "show after apply differs");
        }
    return 0;
}
