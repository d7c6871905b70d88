#include "view/FlexCellGrid.h"

#include "view/CMSFlexGrid.h"

namespace tarn {

int FlexCellGrid::rowCount() const {
    return static_cast<int>(m_grid.GetRows());
}

void FlexCellGrid::setRowCount(int rows) {
    m_grid.SetRows(rows);
}

std::string FlexCellGrid::cellText(int row, int column) const {
    return m_grid.GetTextMatrix(row, column).toStdString();
}

void FlexCellGrid::setCellText(int row, int column, const std::string& text) {
    m_grid.SetTextMatrix(row, column, QString::fromStdString(text));
}

} // namespace tarn
