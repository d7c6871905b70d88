#include "view/ChannelProxyModel.h"

#include "data/ChannelDocument.h"
#include "data/ChannelOrder.h"
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
    setDynamicSortFilter(false);
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

void ChannelProxyModel::setFindText(const std::string& text) {
    m_filter = ChannelFilter(text);
    invalidateFilter();
    emit arrangementChanged();
}

void ChannelProxyModel::sortByColumn(int sheetColumn, bool descending) {
    m_sortColumn = sheetColumn;
    m_descending = descending;
    // Always ascending underneath: lessThan carries the direction, so that channels without
    // a value stay last both ways.
    sort(sheetColumn - 1, Qt::AscendingOrder);
    emit arrangementChanged();
}

int ChannelProxyModel::channelCount() const {
    return m_channels.rowCount();
}

int ChannelProxyModel::channelBeside(int channel, int rows) const {
    const QModelIndex here = indexOf(channel, 1);
    if (!here.isValid())
        return 0;
    const QModelIndex there = index(here.row() + rows, 0);
    return there.isValid() ? sheetCell(there).first : 0;
}

bool ChannelProxyModel::filterAcceptsRow(int sourceRow, const QModelIndex&) const {
    return m_filter.matches(m_channels.document().sheet(), sourceRow + 1);
}

bool ChannelProxyModel::lessThan(const QModelIndex& left, const QModelIndex& right) const {
    const ChannelDocument& document = m_channels.document();
    const int column = ChannelTableModel::sheetColumn(left);
    const auto key = [&](const QModelIndex& index) {
        return ChannelOrder::columnKey(document.sheet(), document.image(),
                                       ChannelTableModel::sheetRow(index), column);
    };
    const std::optional<long> a = key(left);
    const std::optional<long> b = key(right);
    // Equal values stay in channel order, whatever order the rows showed in before.
    if (a == b)
        return left.row() < right.row();
    if (!a || !b)
        return a.has_value();
    return m_descending ? *a > *b : *a < *b;
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
