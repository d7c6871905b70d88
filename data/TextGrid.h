#pragma once

#include "data/CellGrid.h"

#include <array>
#include <string>
#include <vector>

namespace tarn {

// A cell grid held in memory, for work without a window.
class TextGrid final : public CellGrid {
public:
    static constexpr int Columns = 7;

    [[nodiscard]] int rowCount() const override { return static_cast<int>(m_rows.size()); }
    void setRowCount(int rows) override;
    [[nodiscard]] std::string cellText(int row, int column) const override;
    void setCellText(int row, int column, const std::string& text) override;

private:
    std::vector<std::array<std::string, Columns>> m_rows;
};

} // namespace tarn
