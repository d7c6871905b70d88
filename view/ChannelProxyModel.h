#pragma once

#include <QSortFilterProxyModel>

#include <set>
#include <utility>

namespace tarn {

class ChannelTableModel;

// One window's arrangement of the document's channel table (what it finds and how it
// sorts), and the compare marks it shows. Marks name sheet cells, so they stay on their
// channel however the rows are arranged; printing never sees them.
class ChannelProxyModel final : public QSortFilterProxyModel {
    Q_OBJECT
public:
    explicit ChannelProxyModel(ChannelTableModel& source, QObject* parent = nullptr);

    [[nodiscard]] ChannelTableModel& channels() const { return m_channels; }

    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;

    // Sheet row and column of a cell of this model; 0, 0 for none.
    [[nodiscard]] std::pair<int, int> sheetCell(const QModelIndex& index) const;
    [[nodiscard]] QModelIndex indexOf(int sheetRow, int sheetColumn) const;

    void setCellMarked(int sheetRow, int sheetColumn, bool marked);
    void clearMarks();
    [[nodiscard]] bool isCellMarked(int sheetRow, int sheetColumn) const;

private:
    ChannelTableModel& m_channels;
    std::set<std::pair<int, int>> m_marks;
};

} // namespace tarn
