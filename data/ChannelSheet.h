#pragma once

#include "data/CellGrid.h"
#include "data/TextGrid.h"

#include <functional>
#include <string>
#include <vector>

namespace tarn {

// Told about every change of a channel sheet.
class SheetObserver {
public:
    virtual ~SheetObserver() = default;
    virtual void cellChanged(int row, int column) = 0;
    // The row count or many texts changed at once: show the sheet afresh.
    virtual void sheetReset() = 0;
};

// The cell texts of a document's channels, as the codec renders them and the cell rules
// check them: row 0 is the header row, row i channel i; column 0 holds the channel numbers.
// Every window of the document shows this one sheet.
class ChannelSheet final : public CellGrid {
public:
    static constexpr int Columns = TextGrid::Columns;

    ChannelSheet() = default;
    ChannelSheet(const ChannelSheet&) = delete;
    ChannelSheet& operator=(const ChannelSheet&) = delete;

    [[nodiscard]] int rowCount() const override { return m_cells.rowCount(); }
    [[nodiscard]] int channelCount() const { return rowCount() > 0 ? rowCount() - 1 : 0; }
    void setRowCount(int rows) override;
    [[nodiscard]] std::string cellText(int row, int column) const override;
    void setCellText(int row, int column, const std::string& text) override;
    [[nodiscard]] bool contains(int row, int column) const;

    void addObserver(SheetObserver& observer);
    void removeObserver(SheetObserver& observer);

    // Gathers the changes made during its life into one reset.
    class Batch {
    public:
        explicit Batch(ChannelSheet& sheet);
        ~Batch();
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

    private:
        ChannelSheet& m_sheet;
    };

private:
    void notifyCell(int row, int column);
    void notifyReset();
    void notify(const std::function<void(SheetObserver&)>& tell);

    TextGrid m_cells;
    std::vector<SheetObserver*> m_observers;
    int m_batchDepth = 0;
    bool m_batchChanged = false;
};

} // namespace tarn
