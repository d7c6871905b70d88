#include "view/FlexGrid.h"

#include "view/FixedCornerCell.h"

#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <utility>

namespace tarn {

namespace {

constexpr int TwipsPerInch = 1440;
// A new grid's columns are two thirds of an inch wide, or wider for a large font.
constexpr int DefaultColWidthTwips = 960;
constexpr int DefaultColWidthChars = 14;

short mouseButton(Qt::MouseButton button) {
    switch (button) {
    case Qt::RightButton:
        return FlexGrid::RightButton;
    case Qt::MiddleButton:
        return FlexGrid::MiddleButton;
    default:
        return FlexGrid::LeftButton;
    }
}

short shiftState(Qt::KeyboardModifiers modifiers) {
    short state = 0;
    if (modifiers & Qt::ShiftModifier)
        state |= FlexGrid::ShiftKey;
    if (modifiers & Qt::ControlModifier)
        state |= FlexGrid::CtrlKey;
    if (modifiers & Qt::AltModifier)
        state |= FlexGrid::AltKey;
    return state;
}

// The control characters a grid reports as typed; Tab stays focus navigation.
bool reportsAsTyped(char16_t code) {
    return code >= 32 ? code != 127 : (code == 8 || code == 13 || code == 27);
}

// The character a key press types, as the keyboard delivers it: Ctrl with a letter types the
// letter's control code (some platforms report the bare letter in the event's text).
char16_t typedCharacter(const QKeyEvent& event) {
    if (event.modifiers() & Qt::ControlModifier) {
        const int key = event.key();
        return key >= Qt::Key_A && key <= Qt::Key_Z ? char16_t(key - Qt::Key_A + 1) : 0;
    }
    const QString text = event.text();
    return text.size() == 1 ? text.front().unicode() : 0;
}

} // namespace

FlexGrid::FlexGrid(QWidget* parent)
    : QTableWidget(parent)
    , m_corner(new FixedCornerCell(this)) {
    setEditTriggers(NoEditTriggers);
    setSelectionMode(ContiguousSelection);
    setSelectionBehavior(SelectItems);
    setCornerButtonEnabled(false);
    // Tab leaves the grid for the next control.
    setTabKeyNavigation(false);
    setWordWrap(false);

    for (QHeaderView* header : {horizontalHeader(), verticalHeader()}) {
        header->setSectionResizeMode(QHeaderView::Fixed);
        header->setSectionsClickable(header == verticalHeader());
        header->setHighlightSections(header == verticalHeader());
        header->setMinimumSectionSize(1);
        header->setDefaultAlignment(Qt::AlignCenter);
    }
    m_defaultRowHeight = fontRowHeight();
    m_defaultColWidth = fontColWidth();
    verticalHeader()->setDefaultSectionSize(m_defaultRowHeight);
    horizontalHeader()->setDefaultSectionSize(m_defaultColWidth);
    horizontalHeader()->setFixedHeight(m_defaultRowHeight);
    verticalHeader()->setFixedWidth(m_defaultColWidth);

    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, [this] { emit scrolled(); });
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { emit scrolled(); });

    setCols(2);
    setRows(2);
}

FlexGrid::~FlexGrid() = default;

int FlexGrid::rows() const {
    return rowCount() + 1;
}

void FlexGrid::setRows(int rows) {
    if (rows < 1)
        throw std::out_of_range("grid rows " + std::to_string(rows));
    // Leave a row that is about to go while it still exists.
    syncCurrentIndex();
    if (rows > 1 && m_row >= rows && currentIndex().isValid())
        moveTo(rows - 1, m_col);
    const int oldCount = rowCount();
    setRowCount(rows - 1);
    for (int r = oldCount; r < rowCount(); ++r)
        setVerticalHeaderItem(r, new QTableWidgetItem);
    keepCurrentCellValid();
}

int FlexGrid::cols() const {
    return columnCount() + 1;
}

void FlexGrid::setCols(int cols) {
    if (cols < 1)
        throw std::out_of_range("grid columns " + std::to_string(cols));
    syncCurrentIndex();
    if (cols > 1 && m_col >= cols && currentIndex().isValid())
        moveTo(m_row, cols - 1);
    const int oldCount = columnCount();
    setColumnCount(cols - 1);
    m_alignments.resize(static_cast<std::size_t>(cols), General);
    for (int c = oldCount; c < columnCount(); ++c)
        setHorizontalHeaderItem(c, new QTableWidgetItem);
    keepCurrentCellValid();
}

void FlexGrid::setRow(int row) {
    moveTo(row, m_col);
}

void FlexGrid::setCol(int col) {
    moveTo(m_row, col);
}

int FlexGrid::colSel() const {
    const int row = m_row - 1;
    const int col = m_col - 1;
    for (const QTableWidgetSelectionRange& range : selectedRanges()) {
        if (row < range.topRow() || row > range.bottomRow() || col < range.leftColumn() ||
            col > range.rightColumn())
            continue;
        return (range.leftColumn() == col ? range.rightColumn() : range.leftColumn()) + 1;
    }
    return m_col;
}

std::vector<int> FlexGrid::selectedRows() const {
    std::vector<int> rows;
    for (const QTableWidgetSelectionRange& range : selectedRanges()) {
        for (int r = range.topRow(); r <= range.bottomRow(); ++r)
            rows.push_back(r + 1);
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

void FlexGrid::selectRows(int first, int last) {
    checkRow(first);
    checkRow(last);
    clearSelection();
    setRangeSelected(QTableWidgetSelectionRange(first - 1, 0, last - 1, columnCount() - 1), true);
}

QString FlexGrid::text() const {
    return textMatrix(m_row, m_col);
}

void FlexGrid::setText(const QString& text) {
    setTextMatrix(m_row, m_col, text);
}

QString FlexGrid::textMatrix(int row, int col) const {
    checkRow(row);
    checkCol(col);
    const QTableWidgetItem* cell = nullptr;
    if (row == 0 && col == 0)
        return m_corner->text();
    if (row == 0)
        cell = horizontalHeaderItem(col - 1);
    else if (col == 0)
        cell = verticalHeaderItem(row - 1);
    else
        cell = item(row - 1, col - 1);
    return cell ? cell->text() : QString();
}

void FlexGrid::setTextMatrix(int row, int col, const QString& text) {
    checkRow(row);
    checkCol(col);
    if (row == 0 && col == 0) {
        m_corner->setText(text);
        return;
    }
    // Blank cells stay without an item, which keeps a large empty grid cheap.
    if (text.isEmpty() && row != 0 && col != 0 && !item(row - 1, col - 1))
        return;
    QTableWidgetItem* cell = itemForWriting(row, col);
    if (cell->text() != text)
        cell->setText(text);
}

namespace {

const QColor MarkColour(255, 214, 150);
const QColor WarningColour(200, 0, 0);

} // namespace

void FlexGrid::setCellMarked(int row, int col, bool marked) {
    checkRow(row);
    checkCol(col);
    QTableWidgetItem* cell = itemForWriting(row, col);
    cell->setBackground(marked ? QBrush(MarkColour) : QBrush());
}

void FlexGrid::clearMarks() {
    for (int r = 0; r < rowCount(); ++r) {
        for (int c = 0; c < columnCount(); ++c) {
            if (QTableWidgetItem* cell = item(r, c))
                cell->setBackground(QBrush());
        }
    }
}

bool FlexGrid::isCellMarked(int row, int col) const {
    const QTableWidgetItem* cell = row > 0 && col > 0 ? item(row - 1, col - 1) : nullptr;
    return cell && cell->background().style() != Qt::NoBrush;
}

void FlexGrid::setCellWarning(int row, int col, const QString& why) {
    checkRow(row);
    checkCol(col);
    QTableWidgetItem* cell = item(row - 1, col - 1);
    if (!cell && why.isEmpty())
        return;
    cell = itemForWriting(row, col);
    cell->setForeground(why.isEmpty() ? QBrush() : QBrush(WarningColour));
    cell->setToolTip(why);
}

bool FlexGrid::hasCellWarning(int row, int col) const {
    const QTableWidgetItem* cell = row > 0 && col > 0 ? item(row - 1, col - 1) : nullptr;
    return cell && !cell->toolTip().isEmpty();
}

void FlexGrid::setRedraw(bool redraw) {
    m_redraw = redraw;
    setUpdatesEnabled(redraw);
}

int FlexGrid::cellLeft() const {
    return pixelsToTwipsX(cellRect(m_row, m_col).left());
}

int FlexGrid::cellTop() const {
    return pixelsToTwipsY(cellRect(m_row, m_col).top());
}

int FlexGrid::cellWidth() const {
    return pixelsToTwipsX(cellRect(m_row, m_col).width());
}

int FlexGrid::cellHeight() const {
    return pixelsToTwipsY(cellRect(m_row, m_col).height());
}

short FlexGrid::colAlignment(int col) const {
    checkCol(col);
    return m_alignments.at(static_cast<std::size_t>(col));
}

void FlexGrid::setColAlignment(int col, short alignment) {
    checkCol(col);
    if (alignment < LeftTop || alignment > General)
        throw std::out_of_range("grid alignment " + std::to_string(alignment));
    m_alignments.at(static_cast<std::size_t>(col)) = alignment;
    applyAlignment(col);
}

int FlexGrid::colWidthTwips(int col) const {
    checkCol(col);
    const int pixels = col == 0 ? verticalHeader()->maximumWidth() : columnWidth(col - 1);
    return pixelsToTwipsX(pixels);
}

void FlexGrid::setColWidthTwips(int col, int twips) {
    checkCol(col);
    const int pixels = twipsToPixelsX(twips < 0 ? 0 : twips);
    if (col == 0)
        verticalHeader()->setFixedWidth(pixels);
    else
        setColumnWidth(col - 1, pixels);
}

int FlexGrid::rowHeightTwips(int row) const {
    checkRow(row);
    const int pixels = row == 0 ? horizontalHeader()->maximumHeight() : rowHeight(row - 1);
    return pixelsToTwipsY(pixels);
}

void FlexGrid::setRowHeightTwips(int row, int twips) {
    checkRow(row);
    const int pixels = twipsToPixelsY(twips < 0 ? 0 : twips);
    if (row == 0)
        horizontalHeader()->setFixedHeight(pixels);
    else
        setRowHeight(row - 1, pixels);
}

int FlexGrid::pixelsToTwipsX(int pixels) const {
    const int dpi = logicalDpiX();
    return (pixels * TwipsPerInch + dpi - 1) / dpi;
}

int FlexGrid::pixelsToTwipsY(int pixels) const {
    const int dpi = logicalDpiY();
    return (pixels * TwipsPerInch + dpi - 1) / dpi;
}

int FlexGrid::twipsToPixelsX(int twips) const {
    return twips * logicalDpiX() / TwipsPerInch;
}

int FlexGrid::twipsToPixelsY(int twips) const {
    return twips * logicalDpiY() / TwipsPerInch;
}

QRect FlexGrid::cellRect(int row, int col) const {
    checkRow(row);
    checkCol(col);
    const QRect area = viewport()->geometry();
    const int left = col == 0 ? verticalHeader()->geometry().left()
                              : area.left() + columnViewportPosition(col - 1);
    const int top =
        row == 0 ? horizontalHeader()->geometry().top() : area.top() + rowViewportPosition(row - 1);
    const int width = col == 0 ? verticalHeader()->maximumWidth() : columnWidth(col - 1);
    const int height = row == 0 ? horizontalHeader()->maximumHeight() : rowHeight(row - 1);
    return {left, top, width, height};
}

void FlexGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    const int row = current.isValid() ? current.row() + 1 : 0;
    const int col = current.isValid() ? current.column() + 1 : 0;
    if (m_extending || (row == m_row && col == m_col)) {
        QTableWidget::currentChanged(current, previous);
        return;
    }
    // The old cell is left before the grid scrolls to the new one, so a value open over it
    // is stored rather than dropped by the scroll. A cell that went with its row or column
    // cannot be left any more.
    if (m_row >= 1 && m_row < rows() && m_col >= 1 && m_col < cols()) {
        if (m_mayLeave && !m_mayLeave()) {
            // Back to the cell that keeps its editor; this move never happened.
            const QModelIndex stay = model()->index(m_row - 1, m_col - 1);
            selectionModel()->setCurrentIndex(stay, QItemSelectionModel::ClearAndSelect);
            return;
        }
        emit leaveCell();
    }
    QTableWidget::currentChanged(current, previous);
    m_row = row;
    m_col = col;
    if (current.isValid())
        emit enterCell();
}

void FlexGrid::mousePressEvent(QMouseEvent* event) {
    // Only the left button moves the current cell; with Shift it extends the selection.
    if (event->button() == Qt::LeftButton) {
        const bool extending = std::exchange(m_extending, event->modifiers() & Qt::ShiftModifier);
        QTableWidget::mousePressEvent(event);
        m_extending = extending;
    }
    const QPoint at = viewport()->mapTo(this, event->position().toPoint());
    emit mouseDown(mouseButton(event->button()), shiftState(event->modifiers()), at.x(), at.y());
}

void FlexGrid::keyPressEvent(QKeyEvent* event) {
    if (const char16_t code = typedCharacter(*event); code != 0 && reportsAsTyped(code)) {
        // Typed characters are the grid user's; no jumping to a matching cell.
        event->accept();
        emit keyPress(code);
        return;
    }
    const bool extending = std::exchange(m_extending, event->modifiers() & Qt::ShiftModifier);
    QTableWidget::keyPressEvent(event);
    m_extending = extending;
}

void FlexGrid::mouseMoveEvent(QMouseEvent* event) {
    // Dragging selects a range; the cell where it started stays current.
    const bool extending = std::exchange(m_extending, bool(event->buttons() & Qt::LeftButton));
    QTableWidget::mouseMoveEvent(event);
    m_extending = extending;
}

void FlexGrid::resizeEvent(QResizeEvent* event) {
    QTableWidget::resizeEvent(event);
    placeCorner();
}

void FlexGrid::changeEvent(QEvent* event) {
    QTableWidget::changeEvent(event);
    if (event->type() != QEvent::FontChange)
        return;
    // Rows and columns nobody sized follow the text size.
    const int height = fontRowHeight();
    if (horizontalHeader()->maximumHeight() == m_defaultRowHeight)
        horizontalHeader()->setFixedHeight(height);
    verticalHeader()->setDefaultSectionSize(height);
    m_defaultRowHeight = height;

    const int width = fontColWidth();
    if (verticalHeader()->maximumWidth() == m_defaultColWidth)
        verticalHeader()->setFixedWidth(width);
    for (int c = 0; c < columnCount(); ++c) {
        if (columnWidth(c) == m_defaultColWidth)
            setColumnWidth(c, width);
    }
    horizontalHeader()->setDefaultSectionSize(width);
    m_defaultColWidth = width;
}

void FlexGrid::updateGeometries() {
    QTableWidget::updateGeometries();
    placeCorner();
}

void FlexGrid::checkRow(int row) const {
    if (row < 0 || row >= rows())
        throw std::out_of_range("grid row " + std::to_string(row));
}

void FlexGrid::checkCol(int col) const {
    if (col < 0 || col >= cols())
        throw std::out_of_range("grid column " + std::to_string(col));
}

void FlexGrid::moveTo(int row, int col) {
    checkRow(row);
    checkCol(col);
    if (row == 0 || col == 0)
        throw std::out_of_range("the fixed row and column cannot be current");
    syncCurrentIndex();
    setCurrentCell(row - 1, col - 1);
}

void FlexGrid::syncCurrentIndex() {
    // After extending a selection the view's cursor sits at the far end of the range.
    if (!currentIndex().isValid() || m_row < 1 || m_col < 1)
        return;
    const QModelIndex current = model()->index(m_row - 1, m_col - 1);
    if (current == currentIndex())
        return;
    const bool extending = std::exchange(m_extending, true);
    selectionModel()->setCurrentIndex(current, QItemSelectionModel::NoUpdate);
    m_extending = extending;
}

void FlexGrid::keepCurrentCellValid() {
    if (rowCount() == 0 || columnCount() == 0 || currentIndex().isValid())
        return;
    // A grid always has a current cell; gaining one after having none is no move.
    const int row = std::clamp(m_row, 1, rowCount());
    const int col = std::clamp(m_col, 1, columnCount());
    m_row = row;
    m_col = col;
    selectionModel()->setCurrentIndex(model()->index(row - 1, col - 1),
                                      QItemSelectionModel::NoUpdate);
}

void FlexGrid::applyAlignment(int col) {
    // Fixed cells keep their own centred look; the setting is for the data cells.
    if (col == 0)
        return;
    const Qt::Alignment alignment = toQt(m_alignments.at(static_cast<std::size_t>(col)));
    const int column = col - 1;
    for (int r = 0; r < rowCount(); ++r) {
        if (QTableWidgetItem* cell = item(r, column))
            cell->setTextAlignment(alignment);
    }
}

QTableWidgetItem* FlexGrid::itemForWriting(int row, int col) {
    if (row == 0)
        return horizontalHeaderItem(col - 1);
    if (col == 0)
        return verticalHeaderItem(row - 1);
    const int r = row - 1;
    const int c = col - 1;
    if (QTableWidgetItem* cell = item(r, c))
        return cell;
    auto* cell = new QTableWidgetItem;
    cell->setTextAlignment(toQt(m_alignments.at(static_cast<std::size_t>(col))));
    setItem(r, c, cell);
    return cell;
}

Qt::Alignment FlexGrid::toQt(short alignment) {
    static constexpr Qt::Alignment horizontal[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};
    static constexpr Qt::Alignment vertical[] = {Qt::AlignTop, Qt::AlignVCenter, Qt::AlignBottom};
    if (alignment < LeftTop || alignment >= General)
        return Qt::AlignLeft | Qt::AlignVCenter;
    return horizontal[alignment / 3] | vertical[alignment % 3];
}

void FlexGrid::placeCorner() {
    const QRect numbers = verticalHeader()->geometry();
    const QRect headers = horizontalHeader()->geometry();
    m_corner->setGeometry(numbers.left(), headers.top(), numbers.width(), headers.height());
    m_corner->raise();
}

int FlexGrid::fontRowHeight() const {
    return fontMetrics().height() + 4;
}

int FlexGrid::fontColWidth() const {
    return std::max(twipsToPixelsX(DefaultColWidthTwips),
                    fontMetrics().averageCharWidth() * DefaultColWidthChars);
}

} // namespace tarn
