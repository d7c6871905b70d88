#pragma once

#include "data/ChannelFilter.h"

#include <QSortFilterProxyModel>

#include <set>
#include <string>
#include <utility>

namespace tarn {

class ChannelTableModel;

// One window's arrangement of the document's channel table (what it finds and how it
// sorts), and the compare marks it shows. Marks name sheet cells, so they stay on their
// channel however the rows are arranged; printing, saving and the document's own operations
// never see the arrangement. Rows are found and sorted again when the find text or the sort
// changes and when the channels are reset, not while a cell is typed into: a row being edited
// stays where it is.
class ChannelProxyModel final : public QSortFilterProxyModel {
    Q_OBJECT
public:
    explicit ChannelProxyModel(ChannelTableModel& source, QObject* parent = nullptr);

    [[nodiscard]] ChannelTableModel& channels() const { return m_channels; }

    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;

    // Sheet row and column of a cell of this model; 0, 0 for none.
    [[nodiscard]] std::pair<int, int> sheetCell(const QModelIndex& index) const;
    [[nodiscard]] QModelIndex indexOf(int sheetRow, int sheetColumn) const;

    // Shows only the channels the find text matches; an empty text shows all.
    void setFindText(const std::string& text);
    [[nodiscard]] bool isFiltered() const { return !m_filter.isEmpty(); }
    // Sorts the rows by a sheet column, channels without its value last either way; column 0
    // is channel order.
    void sortByColumn(int sheetColumn, bool descending);
    [[nodiscard]] int sortColumn() const { return m_sortColumn; }
    [[nodiscard]] bool isDescending() const { return m_descending; }
    // Filtered or sorted: rows no longer stand in channel order, one after another.
    [[nodiscard]] bool isArranged() const { return isFiltered() || m_sortColumn != 0; }
    // The channel shown that many rows from the channel's own; 0 when there is none.
    [[nodiscard]] int channelBeside(int channel, int rows) const;
    // How many channels the document has, shown or not.
    [[nodiscard]] int channelCount() const;

    void setCellMarked(int sheetRow, int sheetColumn, bool marked);
    void clearMarks();
    [[nodiscard]] bool isCellMarked(int sheetRow, int sheetColumn) const;

signals:
    // The find text or the sort changed.
    void arrangementChanged();

protected:
    [[nodiscard]] bool filterAcceptsRow(int sourceRow, const QModelIndex& parent) const override;
    [[nodiscard]] bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

private:
    ChannelTableModel& m_channels;
    std::set<std::pair<int, int>> m_marks;
    ChannelFilter m_filter{""};
    int m_sortColumn = 0;
    bool m_descending = false;
};

} // namespace tarn
