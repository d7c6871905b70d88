#include "data/ChannelSheet.h"

#include <algorithm>
#include <utility>

namespace tarn {

void ChannelSheet::setRowCount(int rows) {
    if (rows == rowCount())
        return;
    m_cells.setRowCount(rows);
    notifyReset();
}

std::string ChannelSheet::cellText(int row, int column) const {
    return m_cells.cellText(row, column);
}

void ChannelSheet::setCellText(int row, int column, const std::string& text) {
    if (m_cells.cellText(row, column) == text)
        return;
    m_cells.setCellText(row, column, text);
    notifyCell(row, column);
}

bool ChannelSheet::contains(int row, int column) const {
    return row >= 0 && row < rowCount() && column >= 0 && column < Columns;
}

void ChannelSheet::addObserver(SheetObserver& observer) {
    if (std::find(m_observers.begin(), m_observers.end(), &observer) == m_observers.end())
        m_observers.push_back(&observer);
}

void ChannelSheet::removeObserver(SheetObserver& observer) {
    std::erase(m_observers, &observer);
}

void ChannelSheet::notifyCell(int row, int column) {
    notify([row, column](SheetObserver& observer) { observer.cellChanged(row, column); });
}

void ChannelSheet::notifyReset() {
    notify([](SheetObserver& observer) { observer.sheetReset(); });
}

void ChannelSheet::notify(const std::function<void(SheetObserver&)>& tell) {
    if (m_batchDepth > 0) {
        m_batchChanged = true;
        return;
    }
    // An observer may go away while another is told.
    for (SheetObserver* observer : std::vector<SheetObserver*>(m_observers)) {
        if (std::find(m_observers.begin(), m_observers.end(), observer) != m_observers.end())
            tell(*observer);
    }
}

ChannelSheet::Batch::Batch(ChannelSheet& sheet)
    : m_sheet(sheet) {
    ++m_sheet.m_batchDepth;
}

ChannelSheet::Batch::~Batch() {
    if (--m_sheet.m_batchDepth == 0 && std::exchange(m_sheet.m_batchChanged, false))
        m_sheet.notifyReset();
}

} // namespace tarn
