#pragma once

#include <QTableWidget>

#include <vector>

class QHeaderView;

namespace tarn {

class FixedCornerCell;

// The channel grid control. Row 0 is the fixed header row and column 0 the fixed number
// column; both are addressed like every other cell. Lengths and positions are in twips
// (1440 per inch); cell positions are relative to this widget, so an editor made a child of
// the grid covers a cell when placed at its CellLeft/CellTop.
//
// Moving the current cell, by the user or by the program, raises leaveCell while the old cell
// is still current (row/col report it) and before the grid scrolls to the new cell, then
// enterCell once the new cell is. Extending a selection (drag, Shift with a click or an arrow
// key) keeps the current cell.
// A row or column outside the grid is a caller's error and throws std::out_of_range.
class FlexGrid : public QTableWidget {
    Q_OBJECT
public:
    // Cell alignments, numbered as the grid's users store them.
    enum Alignment : short {
        LeftTop = 0,
        LeftCenter,
        LeftBottom,
        CenterTop,
        CenterCenter,
        CenterBottom,
        RightTop,
        RightCenter,
        RightBottom,
        General
    };
    // Mouse buttons and shift states of mouseDown.
    enum MouseButton : short { LeftButton = 1, RightButton = 2, MiddleButton = 4 };
    enum ShiftState : short { ShiftKey = 1, CtrlKey = 2, AltKey = 4 };

    explicit FlexGrid(QWidget* parent = nullptr);
    ~FlexGrid() override;

    [[nodiscard]] long rows() const;
    void setRows(long rows);
    [[nodiscard]] long cols() const;
    void setCols(long cols);

    [[nodiscard]] long row() const { return m_row; }
    void setRow(long row);
    [[nodiscard]] long col() const { return m_col; }
    void setCol(long col);
    // Far column of the selection that holds the current cell; the current column if none.
    [[nodiscard]] long colSel() const;
    // Rows the selection spans, in increasing order; a press or drag on the row numbers
    // selects whole rows.
    [[nodiscard]] std::vector<long> selectedRows() const;

    [[nodiscard]] QString text() const;
    void setText(const QString& text);
    [[nodiscard]] QString textMatrix(long row, long col) const;
    void setTextMatrix(long row, long col, const QString& text);

    [[nodiscard]] bool redraw() const { return m_redraw; }
    void setRedraw(bool redraw);

    [[nodiscard]] long cellLeft() const;
    [[nodiscard]] long cellTop() const;
    [[nodiscard]] long cellWidth() const;
    [[nodiscard]] long cellHeight() const;

    // Alignment of the column's data cells; the fixed cells stay centred.
    [[nodiscard]] short colAlignment(long col) const;
    void setColAlignment(long col, short alignment);
    [[nodiscard]] long colWidthTwips(long col) const;
    void setColWidthTwips(long col, long twips);
    [[nodiscard]] long rowHeightTwips(long row) const;
    void setRowHeightTwips(long row, long twips);

    // Twips <-> pixels at this widget's density. Pixels go up to whole twips so that the
    // truncating way back gives the same pixel count.
    [[nodiscard]] long pixelsToTwipsX(int pixels) const;
    [[nodiscard]] long pixelsToTwipsY(int pixels) const;
    [[nodiscard]] int twipsToPixelsX(long twips) const;
    [[nodiscard]] int twipsToPixelsY(long twips) const;

    // Pixel rectangle of any cell, fixed ones included, relative to this widget.
    [[nodiscard]] QRect cellRect(long row, long col) const;

signals:
    void enterCell();
    void leaveCell();
    void scrolled();
    // button and shift as in MouseButton / ShiftState; x, y in pixels relative to the grid.
    void mouseDown(short button, short shift, int x, int y);
    // A typed character (printable, or Backspace, Enter, Escape) while the grid has focus.
    void keyPress(int keyAscii);

protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void updateGeometries() override;

private:
    void checkRow(long row) const;
    void checkCol(long col) const;
    void moveTo(long row, long col);
    void syncCurrentIndex();
    void keepCurrentCellValid();
    void applyAlignment(long col);
    [[nodiscard]] QTableWidgetItem* itemForWriting(long row, long col);
    [[nodiscard]] static Qt::Alignment toQt(short alignment);
    void placeCorner();
    [[nodiscard]] int fontRowHeight() const;
    [[nodiscard]] int fontColWidth() const;

    FixedCornerCell* m_corner = nullptr;
    std::vector<short> m_alignments;
    int m_defaultRowHeight = 0;
    int m_defaultColWidth = 0;
    long m_row = 1;
    long m_col = 1;
    bool m_redraw = true;
    // Set while the user extends a selection: the cursor moves, the current cell stays.
    bool m_extending = false;
};

} // namespace tarn
