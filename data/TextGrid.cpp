#include "data/TextGrid.h"

#include <stdexcept>

namespace tarn {

void TextGrid::setRowCount(int rows) {
    m_rows.resize(static_cast<std::size_t>(rows < 0 ? 0 : rows));
}

std::string TextGrid::cellText(int row, int column) const {
    return m_rows.at(static_cast<std::size_t>(row)).at(static_cast<std::size_t>(column));
}

void TextGrid::setCellText(int row, int column, const std::string& text) {
    m_rows.at(static_cast<std::size_t>(row)).at(static_cast<std::size_t>(column)) = text;
}

} // namespace tarn
