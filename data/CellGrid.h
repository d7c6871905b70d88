#pragma once

#include <string>

namespace tarn {

// The few grid operations the channel codec needs; row 0 is the header row and column 0
// the channel number. Texts are UTF-8.
class CellGrid {
public:
    virtual ~CellGrid() = default;
    [[nodiscard]] virtual int rowCount() const = 0;
    virtual void setRowCount(int rows) = 0;
    [[nodiscard]] virtual std::string cellText(int row, int column) const = 0;
    virtual void setCellText(int row, int column, const std::string& text) = 0;
};

} // namespace tarn
