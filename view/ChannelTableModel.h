#pragma once

#include "data/ChannelSheet.h"

#include <QAbstractTableModel>

#include <set>

namespace tarn {

class ChannelDocument;

// The channel sheet of one document as a table: row r is channel r + 1, column c the sheet's
// column c + 1; the channel numbers are the vertical header, the column names the horizontal
// one. Every window of the document views this one model. Cells are stored through the
// editing rules, never through setData.
class ChannelTableModel final : public QAbstractTableModel, private SheetObserver {
    Q_OBJECT
public:
    static constexpr int Columns = ChannelSheet::Columns - 1;

    explicit ChannelTableModel(ChannelDocument& document, QObject* parent = nullptr);
    ~ChannelTableModel() override;

    [[nodiscard]] ChannelDocument& document() const { return m_document; }

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                      int role) const override;
    [[nodiscard]] Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Sheet row and column of a cell of this model, and back.
    [[nodiscard]] static int sheetRow(const QModelIndex& index) { return index.row() + 1; }
    [[nodiscard]] static int sheetColumn(const QModelIndex& index) { return index.column() + 1; }
    [[nodiscard]] QModelIndex indexOf(int sheetRow, int sheetColumn) const;
    // The text of the corner where the two headers meet.
    [[nodiscard]] static QString cornerText();

    // Channels with a frequency outside the band of the document's model: kept and written,
    // but the radio cannot use them, so their cells carry a warning of their own.
    [[nodiscard]] int outOfBandChannels() const { return static_cast<int>(m_outOfBand.size()); }
    [[nodiscard]] bool isOutOfBand(int sheetRow, int sheetColumn) const;
    // Looks at every channel again, after the model's band may have changed.
    void markBand();

private:
    void cellChanged(int row, int column) override;
    void sheetReset() override;
    void recountBand();
    // Whether the channel has a frequency outside the band; false when the band is unknown.
    [[nodiscard]] bool excludes(int sheetRow) const;
    [[nodiscard]] QString bandWarning() const;

    ChannelDocument& m_document;
    std::set<int> m_outOfBand;
};

} // namespace tarn
