#include "view/ChannelProxyModel.h"

#include "view/ChannelTableModel.h"

#include <QBrush>
#include <QColor>

namespace tarn {

namespace {

const QColor MarkColour(255, 214, 150);

} // namespace

ChannelProxyModel::ChannelProxyModel(ChannelTableModel& source, QObject* parent)
    : QSortFilterProxyModel(parent)
    , m_channels(source) {
    setSourceModel(&source);
}

QVariant ChannelProxyModel::data(const QModelIndex& index, int role) const {
    if (role == Qt::BackgroundRole) {
        const auto [row, column] = sheetCell(index);
        if (isCellMarked(row, column))
            return QBrush(MarkColour);
    }
    return QSortFilterProxyModel::data(index, role);
}

std::pair<int, int> ChannelProxyModel::sheetCell(const QModelIndex& index) const {
    const QModelIndex source = mapToSource(index);
    if (!source.isValid())
        return {0, 0};
    return {ChannelTableModel::sheetRow(source), ChannelTableModel::sheetColumn(source)};
}

QModelIndex ChannelProxyModel::indexOf(int sheetRow, int sheetColumn) const {
    return mapFromSource(m_channels.indexOf(sheetRow, sheetColumn));
}

void ChannelProxyModel::setCellMarked(int sheetRow, int sheetColumn, bool marked) {
    const std::pair cell{sheetRow, sheetColumn};
    if (marked ? !m_marks.insert(cell).second : m_marks.erase(cell) == 0)
        return;
    if (const QModelIndex index = indexOf(sheetRow, sheetColumn); index.isValid())
        emit dataChanged(index, index, {Qt::BackgroundRole});
}

void ChannelProxyModel::clearMarks() {
    if (m_marks.empty())
        return;
    m_marks.clear();
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1),
                         {Qt::BackgroundRole});
}

bool ChannelProxyModel::isCellMarked(int sheetRow, int sheetColumn) const {
    return m_marks.count({sheetRow, sheetColumn}) > 0;
}

} // namespace tarn
