#include "view/ChannelTableView.h"

#include "view/ChannelProxyModel.h"
#include "view/ChannelTableModel.h"
#include "view/FixedCornerCell.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QRubberBand>
#include <QScrollBar>
#include <QStyle>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <utility>

namespace tarn {

namespace {

constexpr std::size_t NumberShare = 6;
// Room beside a header's text for the section's frame, besides the style's margins.
constexpr int HeaderPadding = 4;

// The control characters the table reports as typed; Tab moves between cells.
bool reportsAsTyped(char16_t code) {
    return code >= 32 ? true : (code == 8 || code == 13 || code == 27);
}

// The character a key press types, as the keyboard delivers it: Ctrl with a letter types the
// letter's control code (some platforms report the bare letter in the event's text).
char16_t typedCharacter(const QKeyEvent& event) {
    if (event.modifiers() & Qt::ControlModifier) {
        const int key = event.key();
        return key >= Qt::Key_A && key <= Qt::Key_Z ? char16_t(key - Qt::Key_A + 1) : 0;
    }
    if (event.key() == Qt::Key_Delete)
        return 127;
    const QString text = event.text();
    return text.size() == 1 ? text.front().unicode() : 0;
}

} // namespace

ChannelTableView::ChannelTableView(ChannelProxyModel& model, QWidget* parent)
    : QTableView(parent)
    , m_channels(model)
    , m_corner(new FixedCornerCell(this)) {
    setModel(&model);
    setEditTriggers(NoEditTriggers);
    setSelectionMode(ContiguousSelection);
    setSelectionBehavior(SelectItems);
    setCornerButtonEnabled(false);
    setWordWrap(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_corner->setText(ChannelTableModel::cornerText());

    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    // A header click sorts; it never selects the column, as a table's own header would.
    horizontalHeader()->setSectionsClickable(true);
    disconnect(horizontalHeader(), SIGNAL(sectionPressed(int)), this, SLOT(selectColumn(int)));
    disconnect(horizontalHeader(), SIGNAL(sectionEntered(int)), this, SLOT(_q_selectColumn(int)));
    horizontalHeader()->setSortIndicatorShown(false);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setSectionsClickable(true);
    verticalHeader()->setHighlightSections(true);
    verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    // Dragging numbers moves channels in the document, not the header's sections.
    verticalHeader()->setSectionsMovable(false);
    verticalHeader()->viewport()->installEventFilter(this);
    m_dropMark = new QRubberBand(QRubberBand::Line, this);
    m_dropMark->hide();
    applyFontSizes();

    connect(horizontalHeader(), &QHeaderView::sectionResized, this,
            [this](int section, int, int) { keepUserWidths(section); });
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this](int section) { cycleSort(section + 1); });
    connect(&model, &QAbstractItemModel::modelReset, this, [this] { keepACurrentCell(); });
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, [this] { emit scrolled(); });
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { emit scrolled(); });
}

ChannelTableView::~ChannelTableView() = default;

void ChannelTableView::keepACurrentCell() {
    const int rows = m_channels.rowCount();
    if (currentCellIndex().isValid() || rows == 0)
        return;
    // After a reset the cell that was current stays so, or the last row does.
    const int row = std::clamp(m_current.row, 1, rows);
    const int column = std::clamp(m_current.column, 1, ChannelTableModel::Columns);
    QModelIndex index = m_channels.indexOf(row, column);
    if (!index.isValid())
        index = m_channels.index(0, 0);
    const auto [sheetRow, sheetColumn] = m_channels.sheetCell(index);
    m_current = {sheetRow, sheetColumn};
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
}

ChannelTableView::Cell ChannelTableView::currentCell() const {
    return currentCellIndex().isValid() ? m_current : Cell{};
}

QModelIndex ChannelTableView::currentCellIndex() const {
    return m_channels.indexOf(m_current.row, m_current.column);
}

void ChannelTableView::setCurrentCell(Cell cell) {
    const QModelIndex index = m_channels.indexOf(cell.row, cell.column);
    if (!index.isValid())
        return;
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    m_current = cell;
}

int ChannelTableView::farColumn() const {
    const QModelIndex current = currentCellIndex();
    for (const QItemSelectionRange& range : selectionModel()->selection()) {
        if (!range.contains(current))
            continue;
        const int far = range.left() == current.column() ? range.right() : range.left();
        return m_channels.sheetCell(m_channels.index(current.row(), far)).second;
    }
    return currentCell().column;
}

std::vector<int> ChannelTableView::selectedChannels() const {
    std::vector<int> rows;
    for (const QItemSelectionRange& range : selectionModel()->selection()) {
        for (int r = range.top(); r <= range.bottom(); ++r)
            rows.push_back(m_channels.sheetCell(m_channels.index(r, range.left())).first);
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

void ChannelTableView::selectChannels(int first, int last) {
    QItemSelection selection;
    for (int row = first; row <= last; ++row) {
        const QModelIndex left = m_channels.indexOf(row, 1);
        const QModelIndex right = m_channels.indexOf(row, ChannelTableModel::Columns);
        if (left.isValid())
            selection.select(left, right);
    }
    selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
}

void ChannelTableView::selectChannels(const std::vector<int>& channels) {
    QItemSelection selection;
    for (const int channel : channels) {
        const QModelIndex left = m_channels.indexOf(channel, 1);
        if (left.isValid())
            selection.select(left, m_channels.indexOf(channel, ChannelTableModel::Columns));
    }
    selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
}

QString ChannelTableView::cellText(int row, int column) const {
    if (row == 0 && column == 0)
        return m_corner->text();
    if (row == 0)
        return m_channels.headerData(column - 1, Qt::Horizontal).toString();
    if (column == 0) {
        const QModelIndex index = m_channels.indexOf(row, 1);
        return index.isValid() ? m_channels.headerData(index.row(), Qt::Vertical).toString()
                               : QString();
    }
    return m_channels.indexOf(row, column).data().toString();
}

QRect ChannelTableView::cellRect(Cell cell) const {
    return visualRect(m_channels.indexOf(cell.row, cell.column));
}

QWidget* ChannelTableView::openEditor() const {
    QWidget* editor = indexWidget(currentCellIndex());
    return editor && !editor->isHidden() ? editor : nullptr;
}

void ChannelTableView::finishEditing(bool store) {
    QWidget* editor = indexWidget(currentCellIndex());
    if (!editor)
        return;
    if (store)
        commitData(editor);
    closeEditor(editor, QAbstractItemDelegate::NoHint);
}

void ChannelTableView::leaveTable(bool backward) {
    (void)QAbstractScrollArea::focusNextPrevChild(!backward);
}

void ChannelTableView::cycleSort(int sheetColumn) {
    if (openEditor()) {
        if (m_mayLeave && !m_mayLeave())
            return;
        finishEditing(true);
    }
    bool descending = false;
    if (m_channels.sortColumn() == sheetColumn) {
        if (m_channels.isDescending())
            sheetColumn = 0;
        else
            descending = true;
    }
    m_channels.sortByColumn(sheetColumn, descending);
    horizontalHeader()->setSortIndicatorShown(sheetColumn != 0);
    if (sheetColumn != 0)
        horizontalHeader()->setSortIndicator(sheetColumn - 1,
                                             descending ? Qt::DescendingOrder : Qt::AscendingOrder);
    scrollTo(currentCellIndex());
}

int ChannelTableView::channelBeside(int channel, int rows) const {
    return m_channels.channelBeside(channel, rows);
}

bool ChannelTableView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == verticalHeader()->viewport()) {
        const QEvent::Type type = event->type();
        if ((type == QEvent::MouseButtonPress || type == QEvent::MouseMove ||
             type == QEvent::MouseButtonRelease) &&
            numberMouseEvent(type, *static_cast<QMouseEvent*>(event)))
            return true;
    }
    return QTableView::eventFilter(watched, event);
}

bool ChannelTableView::numberMouseEvent(QEvent::Type type, const QMouseEvent& event) {
    const QPoint at = event.position().toPoint();
    if (type == QEvent::MouseButtonPress) {
        m_pressOnSelection = false;
        m_dragging = false;
        const int row = verticalHeader()->logicalIndexAt(at);
        // Only a plain left press on a selected number in channel order starts a drag; any
        // other press selects, as the header does.
        if (event.button() != Qt::LeftButton || event.modifiers() != Qt::NoModifier || row < 0 ||
            m_channels.isArranged() || !selectionModel()->isRowSelected(row))
            return false;
        if (!mayLeave(currentCellIndex(), currentCellIndex().siblingAtRow(row)))
            return true;
        m_pressOnSelection = true;
        m_pressAt = at;
        m_pressedChannel = m_channels.sheetCell(m_channels.index(row, 0)).first;
        return true;
    }
    if (!m_pressOnSelection)
        return false;
    if (type == QEvent::MouseMove) {
        if (!m_dragging && (at - m_pressAt).manhattanLength() < QApplication::startDragDistance())
            return true;
        m_dragging = true;
        // Near an edge the numbers scroll, so a block can go anywhere.
        const int margin = verticalHeader()->defaultSectionSize();
        if (at.y() < margin)
            verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
        else if (at.y() > verticalHeader()->viewport()->height() - margin)
            verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        showDropMark(dropBefore(at.y()));
        return true;
    }
    // The release ends the press, dragged or not.
    m_pressOnSelection = false;
    m_dropMark->hide();
    if (!m_dragging) {
        // A click on a selected number chooses that channel alone, as on any other.
        setCurrentCell({m_pressedChannel, std::max(1, m_current.column)});
        selectChannels(m_pressedChannel, m_pressedChannel);
        return true;
    }
    m_dragging = false;
    emit channelsDragged(selectedChannels(), dropBefore(at.y()));
    return true;
}

int ChannelTableView::dropBefore(int y) const {
    const int rows = m_channels.rowCount();
    if (rows == 0)
        return 1;
    const int row = verticalHeader()->logicalIndexAt(y);
    if (row < 0)
        return y < verticalHeader()->sectionViewportPosition(0) ? 1 : rows + 1;
    // The upper half of a number drops before it, the lower half after it.
    const int top = verticalHeader()->sectionViewportPosition(row);
    const bool upper = y - top < verticalHeader()->sectionSize(row) / 2;
    const int channel = m_channels.sheetCell(m_channels.index(row, 0)).first;
    return upper ? channel : channel + 1;
}

void ChannelTableView::showDropMark(int before) {
    const int rows = m_channels.rowCount();
    const int row = std::clamp(before - 1, 0, rows);
    const int y = row < rows ? verticalHeader()->sectionViewportPosition(row)
                             : verticalHeader()->sectionViewportPosition(rows - 1) +
                                   verticalHeader()->sectionSize(rows - 1);
    const QPoint origin = verticalHeader()->viewport()->mapTo(this, QPoint(0, y));
    m_dropMark->setGeometry(origin.x(), origin.y() - 1,
                            viewport()->width() + verticalHeader()->width(), 3);
    m_dropMark->show();
    m_dropMark->raise();
}

void ChannelTableView::keyPressEvent(QKeyEvent* event) {
    if (const char16_t code = typedCharacter(*event); code != 0 && reportsAsTyped(code)) {
        // Typed characters are the editing's; no jumping to a matching cell.
        event->accept();
        emit keyPress(code);
        return;
    }
    const bool extending = std::exchange(m_extending, event->modifiers() & Qt::ShiftModifier);
    QTableView::keyPressEvent(event);
    m_extending = extending;
}

void ChannelTableView::mousePressEvent(QMouseEvent* event) {
    // A right press keeps a selection it falls into, for the menu to act on.
    const QModelIndex pressed = indexAt(event->position().toPoint());
    const bool keeps = event->button() == Qt::RightButton &&
                       (!pressed.isValid() || selectionModel()->isSelected(pressed));
    // A refused value keeps its cell and its editor; the press goes nowhere.
    if (!keeps && pressed.isValid() && !mayLeave(currentCellIndex(), pressed)) {
        event->accept();
        return;
    }
    if (event->button() == Qt::LeftButton || (event->button() == Qt::RightButton && !keeps)) {
        const bool extending = std::exchange(m_extending, event->modifiers() & Qt::ShiftModifier);
        QTableView::mousePressEvent(event);
        m_extending = extending;
    }
    emit mouseDown(event->button());
}

void ChannelTableView::mouseMoveEvent(QMouseEvent* event) {
    // Dragging selects a range; the cell where it started stays current.
    const bool extending = std::exchange(m_extending, bool(event->buttons() & Qt::LeftButton));
    QTableView::mouseMoveEvent(event);
    m_extending = extending;
}

void ChannelTableView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    if (current.isValid() && !mayLeave(previous, current)) {
        // Back to the cell that keeps its editor; this move never happened.
        selectionModel()->setCurrentIndex(previous, QItemSelectionModel::ClearAndSelect);
        return;
    }
    QTableView::currentChanged(current, previous);
    if (m_extending || !current.isValid())
        return;
    const auto [row, column] = m_channels.sheetCell(current);
    m_current = {row, column};
}

bool ChannelTableView::mayLeave(const QModelIndex& from, const QModelIndex& to) const {
    if (!m_mayLeave || !from.isValid() || from == to)
        return true;
    const QWidget* editor = indexWidget(from);
    return !editor || editor->isHidden() || m_mayLeave();
}

void ChannelTableView::changeEvent(QEvent* event) {
    QTableView::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        applyFontSizes();
        m_fittedWidth = -1;
        updateGeometries();
    } else if (event->type() == QEvent::LanguageChange) {
        // The headers are translated as they are drawn; the corner keeps its own text.
        m_corner->setText(ChannelTableModel::cornerText());
        horizontalHeader()->viewport()->update();
        m_fittedWidth = -1;
        updateGeometries();
    }
}

void ChannelTableView::updateGeometries() {
    QTableView::updateGeometries();
    fitColumns();
    placeCorner();
}

void ChannelTableView::fitColumns() {
    // A width the columns were fitted to keeps what the user made of them.
    const int width = viewport()->width() + verticalHeader()->width();
    if (m_fitting || width == m_fittedWidth)
        return;
    m_fitting = true;
    m_fittedWidth = width;
    const double total = std::accumulate(m_shares.begin(), m_shares.end(), 0.0);
    const int numbers =
        std::max(minimumNumberWidth(), static_cast<int>(width * m_shares[NumberShare] / total));
    if (verticalHeader()->width() != numbers)
        verticalHeader()->setFixedWidth(numbers);
    const int columns = ChannelTableModel::Columns;
    const std::vector<int> widths = shareOut(std::max(0, width - numbers));
    for (int c = 0; c < columns; ++c) {
        if (horizontalHeader()->sectionSize(c) != widths[static_cast<std::size_t>(c)])
            horizontalHeader()->resizeSection(c, widths[static_cast<std::size_t>(c)]);
    }
    m_fitting = false;
}

std::vector<int> ChannelTableView::shareOut(int room) const {
    const auto columns = static_cast<std::size_t>(ChannelTableModel::Columns);
    std::vector<int> widths(columns, 0);
    std::vector<bool> atMinimum(columns, false);
    // A column whose share is narrower than its text gets its minimum; the others divide
    // what is left by their shares, the last taking what rounding leaves.
    for (bool settled = false; !settled;) {
        settled = true;
        int left = room;
        double shares = 0;
        for (std::size_t c = 0; c < columns; ++c) {
            if (atMinimum[c])
                left -= minimumWidth(static_cast<int>(c));
            else
                shares += m_shares[c];
        }
        int used = 0;
        std::size_t last = columns;
        for (std::size_t c = 0; c < columns; ++c) {
            const int minimum = minimumWidth(static_cast<int>(c));
            if (atMinimum[c]) {
                widths[c] = minimum;
                continue;
            }
            widths[c] = shares > 0 ? static_cast<int>(std::max(0, left) * m_shares[c] / shares) : 0;
            if (widths[c] < minimum) {
                atMinimum[c] = true;
                settled = false;
            }
            used += widths[c];
            last = c;
        }
        if (settled && last < columns)
            widths[last] += std::max(0, left - used);
    }
    return widths;
}

void ChannelTableView::keepUserWidths(int) {
    if (m_fitting)
        return;
    // The user's widths become the shares the window's width is divided by.
    const double room = std::max(1, viewport()->width());
    const double dataTotal = std::accumulate(m_shares.begin(), m_shares.begin() + NumberShare, 0.0);
    for (int c = 0; c < ChannelTableModel::Columns; ++c)
        m_shares[static_cast<std::size_t>(c)] =
            horizontalHeader()->sectionSize(c) * dataTotal / room;
}

void ChannelTableView::applyFontSizes() {
    const int rowHeight = fontMetrics().height() + 4;
    verticalHeader()->setDefaultSectionSize(rowHeight);
    verticalHeader()->setMinimumSectionSize(rowHeight);
    // The header row is a quarter higher than a channel row.
    horizontalHeader()->setFixedHeight(rowHeight * 5 / 4);
}

int ChannelTableView::minimumWidth(int section) const {
    // Wide enough for the header and for the widest value the column holds.
    static const std::array<QString, ChannelTableModel::Columns> widest = {
        QStringLiteral("000.00000"), QStringLiteral("000.00000"), QStringLiteral("D000N"),
        QStringLiteral("D000N"),     QStringLiteral("Middle"),    QStringLiteral("UnLock")};
    const QString header = m_channels.headerData(section, Qt::Horizontal).toString();
    const int text =
        std::max(horizontalHeader()->fontMetrics().horizontalAdvance(header),
                 fontMetrics().horizontalAdvance(widest.at(static_cast<std::size_t>(section))));
    return text + padding();
}

int ChannelTableView::padding() const {
    return 2 * style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, this) + HeaderPadding;
}

int ChannelTableView::minimumNumberWidth() const {
    return m_corner->fontMetrics().horizontalAdvance(m_corner->text()) + padding();
}

void ChannelTableView::placeCorner() {
    const QRect numbers = verticalHeader()->geometry();
    const QRect headers = horizontalHeader()->geometry();
    m_corner->setGeometry(numbers.left(), headers.top(), numbers.width(), headers.height());
    m_corner->raise();
}

} // namespace tarn
