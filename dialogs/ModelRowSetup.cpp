#include "dialogs/ModelRowSetup.h"

#include "data/ChannelCodec.h"
#include "data/ChannelDocument.h"
#include "data/TextGrid.h"

#include <algorithm>

namespace tarn {

void ModelRowSetup::apply(const ChannelDocument& document, CellGrid& grid) {
    const int shown = std::max(grid.rowCount() - 1, 0);
    const int count = document.channelCount();
    ChannelCodec::numberRows(grid, count);
    if (count <= shown)
        return;
    // Rendered aside, so only the added rows are copied.
    TextGrid rendered;
    ChannelCodec::render(document.image(), rendered, count);
    for (int row = shown + 1; row <= count; ++row) {
        for (int column = ChannelCodec::RxFreqColumn; column < ChannelCodec::ColumnCount; ++column)
            grid.setCellText(row, column, rendered.cellText(row, column));
    }
}

} // namespace tarn
