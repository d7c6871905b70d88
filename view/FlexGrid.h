#pragma once

#include <QTableWidget>

#include <functional>
#include <utility>
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

    [[nodiscard]] int rows() const;
    void setRows(int rows);
    [[nodiscard]] int cols() const;
    void setCols(int cols);

    [[nodiscard]] int row() const { return m_row; }
    void setRow(int row);
    [[nodiscard]] int col() const { return m_col; }
    void setCol(int col);
    // Far column of the selection that holds the current cell; the current column if none.
    [[nodiscard]] int colSel() const;
    // Rows the selection spans, in increasing order; a press or drag on the row numbers
    // selects whole rows.
    [[nodiscard]] std::vector<int> selectedRows() const;
    // Selects rows first..last whole; the current cell stays.
    void selectRows(int first, int last);

    [[nodiscard]] QString text() const;
    void setText(const QString& text);
    [[nodiscard]] QString textMatrix(int row, int col) const;
    void setTextMatrix(int row, int col, const QString& text);

    [[nodiscard]] bool redraw() const { return m_redraw; }
    void setRedraw(bool redraw);
    // A background that marks a cell on screen only; printing takes the texts alone.
    void setCellMarked(int row, int col, bool marked);
    void clearMarks();
    [[nodiscard]] bool isCellMarked(int row, int col) const;
    // A warning of its own: coloured text and a tooltip saying why (an empty text clears
    // it). Screen only, like the marks, and clearMarks leaves it.
    void setCellWarning(int row, int col, const QString& why);
    [[nodiscard]] bool hasCellWarning(int row, int col) const;

    [[nodiscard]] int cellLeft() const;
    [[nodiscard]] int cellTop() const;
    [[nodiscard]] int cellWidth() const;
    [[nodiscard]] int cellHeight() const;

    // Alignment of the column's data cells; the fixed cells stay centred.
    [[nodiscard]] short colAlignment(int col) const;
    void setColAlignment(int col, short alignment);
    [[nodiscard]] int colWidthTwips(int col) const;
    void setColWidthTwips(int col, int twips);
    [[nodiscard]] int rowHeightTwips(int row) const;
    void setRowHeightTwips(int row, int twips);

    // Twips <-> pixels at this widget's density. Pixels go up to whole twips so that the
    // truncating way back gives the same pixel count.
    [[nodiscard]] int pixelsToTwipsX(int pixels) const;
    [[nodiscard]] int pixelsToTwipsY(int pixels) const;
    [[nodiscard]] int twipsToPixelsX(int twips) const;
    [[nodiscard]] int twipsToPixelsY(int twips) const;

    // Asked before the current cell is left; a false answer keeps the cell current.
    void setLeaveCheck(std::function<bool()> mayLeave) { m_mayLeave = std::move(mayLeave); }

    // Pixel rectangle of any cell, fixed ones included, relative to this widget.
    [[nodiscard]] QRect cellRect(int row, int col) const;

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
    void checkRow(int row) const;
    void checkCol(int col) const;
    void moveTo(int row, int col);
    void syncCurrentIndex();
    void keepCurrentCellValid();
    void applyAlignment(int col);
    [[nodiscard]] QTableWidgetItem* itemForWriting(int row, int col);
    [[nodiscard]] static Qt::Alignment toQt(short alignment);
    void placeCorner();
    [[nodiscard]] int fontRowHeight() const;
    [[nodiscard]] int fontColWidth() const;

    FixedCornerCell* m_corner = nullptr;
    std::vector<short> m_alignments;
    int m_defaultRowHeight = 0;
    int m_defaultColWidth = 0;
    int m_row = 1;
    int m_col = 1;
    bool m_redraw = true;
    // Set while the user extends a selection: the cursor moves, the current cell stays.
    bool m_extending = false;
    std::function<bool()> m_mayLeave;
};

} // namespace tarn
