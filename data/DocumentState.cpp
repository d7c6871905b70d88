#include "data/DocumentState.h"

namespace tarn {

DocumentState DocumentState::capture(const CellGrid& cells, const RadioImage& image,
                                     int channelCount) {
    DocumentState state{image, channelCount, {}};
    state.cells.resize(static_cast<std::size_t>(cells.rowCount()));
    for (int r = 0; r < cells.rowCount(); ++r) {
        for (int c = 0; c < ChannelCodec::ColumnCount; ++c)
            state.cells[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] =
                cells.cellText(r, c);
    }
    return state;
}

void DocumentState::restoreCells(CellGrid& grid) const {
    grid.setRowCount(static_cast<int>(cells.size()));
    for (std::size_t r = 0; r < cells.size(); ++r) {
        for (int c = 0; c < ChannelCodec::ColumnCount; ++c) {
            const std::string& text = cells[r][static_cast<std::size_t>(c)];
            if (grid.cellText(static_cast<int>(r), c) != text)
                grid.setCellText(static_cast<int>(r), c, text);
        }
    }
}

} // namespace tarn
