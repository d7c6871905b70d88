#pragma once

#include "data/CellGrid.h"

namespace tarn {

class FlexGrid;

// Lets the channel codec read and write the grid control's cells.
class FlexCellGrid final : public CellGrid {
public:
    explicit FlexCellGrid(FlexGrid& grid)
        : m_grid(grid) {}

    [[nodiscard]] int rowCount() const override;
    void setRowCount(int rows) override;
    [[nodiscard]] std::string cellText(int row, int column) const override;
    void setCellText(int row, int column, const std::string& text) override;

private:
    FlexGrid& m_grid;
};

} // namespace tarn
