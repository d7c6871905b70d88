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
// Moving the current cell, by the user or by the program, raises LeaveCell while the old cell
// is still current (GetRow/GetCol report it), then EnterCell once the new cell is. Extending
// a selection (drag, Shift with a click or an arrow key) keeps the current cell.
// A row or column outside the grid is a caller's error and throws std::out_of_range.
class CMSFlexGrid : public QTableWidget {
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
    // Mouse buttons and shift states of MouseDown.
    enum MouseButton : short { LeftButton = 1, RightButton = 2, MiddleButton = 4 };
    enum ShiftState : short { ShiftKey = 1, CtrlKey = 2, AltKey = 4 };

    explicit CMSFlexGrid(QWidget* parent = nullptr);
    ~CMSFlexGrid() override;

    [[nodiscard]] long GetRows() const;
    void SetRows(long rows);
    [[nodiscard]] long GetCols() const;
    void SetCols(long cols);

    [[nodiscard]] long GetRow() const { return m_row; }
    void SetRow(long row);
    [[nodiscard]] long GetCol() const { return m_col; }
    void SetCol(long col);
    // Far column of the selection that holds the current cell; the current column if none.
    [[nodiscard]] long GetColSel() const;

    [[nodiscard]] QString GetText() const;
    void SetText(const QString& text);
    [[nodiscard]] QString GetTextMatrix(long row, long col) const;
    void SetTextMatrix(long row, long col, const QString& text);

    [[nodiscard]] bool GetRedraw() const { return m_redraw; }
    void SetRedraw(bool redraw);

    [[nodiscard]] long GetCellLeft() const;
    [[nodiscard]] long GetCellTop() const;
    [[nodiscard]] long GetCellWidth() const;
    [[nodiscard]] long GetCellHeight() const;

    // Alignment of the column's data cells; the fixed cells stay centred.
    [[nodiscard]] short GetColAlignment(long col) const;
    void SetColAlignment(long col, short alignment);
    [[nodiscard]] long GetColWidth(long col) const;
    void SetColWidth(long col, long twips);
    [[nodiscard]] long GetRowHeight(long row) const;
    void SetRowHeight(long row, long twips);

    // Twips <-> pixels at this widget's density. Pixels go up to whole twips so that the
    // truncating way back gives the same pixel count.
    [[nodiscard]] long pixelsToTwipsX(int pixels) const;
    [[nodiscard]] long pixelsToTwipsY(int pixels) const;
    [[nodiscard]] int twipsToPixelsX(long twips) const;
    [[nodiscard]] int twipsToPixelsY(long twips) const;

    // Pixel rectangle of any cell, fixed ones included, relative to this widget.
    [[nodiscard]] QRect cellRect(long row, long col) const;

signals:
    void EnterCell();
    void LeaveCell();
    void Scroll();
    // button and shift as in MouseButton / ShiftState; x, y in pixels relative to the grid.
    void MouseDown(short button, short shift, int x, int y);
    // A typed character (printable, or Backspace, Enter, Escape) while the grid has focus.
    void KeyPress(int keyAscii);

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
