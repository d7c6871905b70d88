#pragma once

#include "data/CellEditRules.h"

#include <QEvent>
#include <QTableView>

#include <array>
#include <functional>
#include <vector>

class QMouseEvent;
class QRubberBand;

namespace tarn {

class ChannelProxyModel;
class FixedCornerCell;

// One window's table of the document's channels. Cells are addressed in sheet rows and
// columns (row r is channel r, column 1 RX Freq), whatever order the rows show in. Columns
// keep their proportions and fill the width; a column the user resizes keeps its new share.
// Typed characters are reported rather than searched for; editors are opened by whoever
// listens (CellEditing), never by the view's own triggers. A click on a column header sorts
// the rows by it (again: descending, a third time: channel order); dragging selected channel
// numbers asks for those channels to move.
class ChannelTableView : public QTableView {
    Q_OBJECT
public:
    using Cell = CellEditRules::Cell;

    explicit ChannelTableView(ChannelProxyModel& model, QWidget* parent = nullptr);
    ~ChannelTableView() override;

    [[nodiscard]] ChannelProxyModel& channels() const { return m_channels; }

    // A table always has a current cell once it has rows; gaining one is no move.
    void keepACurrentCell();
    // The current cell; row 0 when there is none. Extending a selection (a drag, Shift with a
    // press or an arrow) keeps it where the selection began.
    [[nodiscard]] Cell currentCell() const;
    [[nodiscard]] QModelIndex currentCellIndex() const;
    // Makes the cell current and the only one selected; nothing for a cell the table lacks.
    void setCurrentCell(Cell cell);
    // The far column of the selection in the current row; the current column if none.
    [[nodiscard]] int farColumn() const;
    // Channels the selection spans, in increasing order.
    [[nodiscard]] std::vector<int> selectedChannels() const;
    void selectChannels(int first, int last);
    // Selects the rows of these channels, wherever they show.
    void selectChannels(const std::vector<int>& channels);
    // What the cell shows, the headers and their corner as row and column 0; empty for a
    // cell the table lacks.
    [[nodiscard]] QString cellText(int row, int column) const;
    [[nodiscard]] QRect cellRect(Cell cell) const;

    // The editor open over the current cell; null when none is.
    [[nodiscard]] QWidget* openEditor() const;
    // Closes the open editor, storing its value through the delegate or dropping it.
    void finishEditing(bool store);
    // The focus goes to the next (previous) widget after the table.
    void leaveTable(bool backward);
    // Asked before a cell with an open editor is left; a false answer keeps the cell current.
    void setLeaveCheck(std::function<bool()> mayLeave) { m_mayLeave = std::move(mayLeave); }

    // The next sort of a header click: ascending, descending, then channel order. An open
    // editor's value is stored first; a refused one keeps the order as it is.
    void cycleSort(int sheetColumn);
    // The channel of the row that many rows from the channel's own; 0 when there is none.
    [[nodiscard]] int channelBeside(int channel, int rows) const;

    // Relative widths of the data columns and of the number column, in that order.
    [[nodiscard]] std::array<double, 7> columnShares() const { return m_shares; }

signals:
    // A typed character (printable, or Backspace, Enter, Escape, Delete) while the table has
    // the focus.
    void keyPress(int key);
    // A press, after a left press has made its cell current.
    void mouseDown(Qt::MouseButton button);
    void scrolled();
    // Selected channel numbers were dragged and dropped before the channel `before` (the
    // channel count + 1 for after the last).
    void channelsDragged(const std::vector<int>& channels, int before);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void changeEvent(QEvent* event) override;
    void updateGeometries() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fitColumns();
    void keepUserWidths(int section);
    void applyFontSizes();
    // Widths of the data columns that fill the room by their shares.
    [[nodiscard]] std::vector<int> shareOut(int room) const;
    [[nodiscard]] int minimumWidth(int section) const;
    [[nodiscard]] int padding() const;
    [[nodiscard]] int minimumNumberWidth() const;
    void placeCorner();
    // Whether the current cell may be left for another; asks the leave check while an editor
    // is open.
    [[nodiscard]] bool mayLeave(const QModelIndex& from, const QModelIndex& to) const;
    // The channel-number drag; true when the event was the drag's.
    [[nodiscard]] bool numberMouseEvent(QEvent::Type type, const QMouseEvent& event);
    // Where a drop at a height of the numbers would put the block: before that channel.
    [[nodiscard]] int dropBefore(int y) const;
    void showDropMark(int before);

    ChannelProxyModel& m_channels;
    FixedCornerCell* m_corner = nullptr;
    // Number column last; the described proportions until the user resizes a column.
    std::array<double, 7> m_shares{1.5, 1.5, 1.25, 1.25, 1.0, 1.0, 1.0};
    int m_fittedWidth = -1;
    // The current cell in sheet terms; it outlives a reset of the rows.
    Cell m_current;
    bool m_extending = false;
    bool m_fitting = false;
    std::function<bool()> m_mayLeave;
    QRubberBand* m_dropMark = nullptr;
    // A left press on a selected channel number, until its release.
    bool m_pressOnSelection = false;
    bool m_dragging = false;
    QPoint m_pressAt;
    int m_pressedChannel = 0;
};

} // namespace tarn
