#include "view/FlexCellGrid.h"

#include "view/FlexGrid.h"

namespace tarn {

int FlexCellGrid::rowCount() const {
    return static_cast<int>(m_grid.rows());
}

void FlexCellGrid::setRowCount(int rows) {
    m_grid.setRows(rows);
}

std::string FlexCellGrid::cellText(int row, int column) const {
    return m_grid.textMatrix(row, column).toStdString();
}

void FlexCellGrid::setCellText(int row, int column, const std::string& text) {
    m_grid.setTextMatrix(row, column, QString::fromStdString(text));
}

} // namespace tarn
