#include "view/ChannelView.h"

#include "common/Prompter.h"
#include "data/ChannelCodec.h"
#include "data/ChannelDocument.h"
#include "data/ModelBand.h"
#include "data/ToneTable.h"
#include "qtsupport/CommandIds.h"
#include "qtsupport/DialogUnits.h"
#include "qtsupport/DocumentDialogs.h"

#include <QChildEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMouseEvent>

namespace tarn {

namespace {

constexpr const char* ControlIdProperty = "controlId";

QFont formFont() {
    QFont font(QStringLiteral("Times New Roman"), 9);
    font.setStyleHint(QFont::Serif);
    return font;
}

QComboBox* makeListBox(QWidget* parent, int id, bool withTextField) {
    auto* box = new QComboBox(parent);
    box->setProperty(ControlIdProperty, id);
    box->setEditable(withTextField);
    if (withTextField) {
        // Typed text is a value for the cell, never a new list item or a completion.
        box->setInsertPolicy(QComboBox::NoInsert);
        box->setCompleter(nullptr);
    }
    box->setGeometry(QRect());
    box->hide();
    return box;
}

} // namespace

ChannelView::ChannelView(ChannelDocument& document, const ToneTable& tones, Prompter& prompter,
                         DocumentDialogs& dialogs, QWidget* parent)
    : QWidget(parent)
    , m_document(document)
    , m_tones(tones)
    , m_prompter(prompter)
    , m_dialogs(dialogs)
    , m_grid(this)
    , m_editing(m_grid, document, tones, prompter, ApplicationTitle)
    , m_commands(document, m_grid, m_editing, prompter, dialogs) {
    setFont(formFont());
    m_grid.setProperty(ControlIdProperty, GridControlId);
    m_grid.setCols(ChannelCodec::ColumnCount);
    m_grid.setGeometry(DialogUnits(font()).rect(7, 7, 326, 227));
    m_grid.setFocusPolicy(Qt::StrongFocus);
    filterEventsOf(this);
    connectGridEvents();
    m_document.sheet().addObserver(*this);
    m_document.addPendingEdit(m_editing);
}

ChannelView::~ChannelView() {
    m_document.removePendingEdit(m_editing);
    m_document.sheet().removeObserver(*this);
    // The grid and its editors go after this body; they must not call back into the view.
    m_grid.disconnect(this);
    for (QObject* child : findChildren<QObject*>())
        child->removeEventFilter(this);
    removeEventFilter(this);
}

void ChannelView::initialUpdate() {
    resizeParentToFit();
    if (!m_initialised) {
        createEditors();
        setUpColumns();
        m_initialised = true;
    }
    m_frequencyEdit->clear();
    m_editing.hideEditors();
    showSheet();
    if (m_grid.rows() > 2)
        m_grid.setRowHeightTwips(0, m_grid.rowHeightTwips(2) * 5 / 4);
    layoutGrid();
    m_grid.setFocus();
}

void ChannelView::cellChanged(int row, int column) {
    // The header row is the view's own.
    if (row > 0 && row < m_grid.rows() && column < m_grid.cols()) {
        m_grid.setTextMatrix(row, column,
                             QString::fromStdString(m_document.sheet().cellText(row, column)));
        if (column == ChannelCodec::RxFreqColumn || column == ChannelCodec::TxFreqColumn)
            markBand(row);
    }
}

void ChannelView::markBand(int row) {
    const std::optional<ModelBand> band = ModelBand::of(m_document.image());
    bool outside = false;
    for (const int col : {ChannelCodec::RxFreqColumn, ChannelCodec::TxFreqColumn}) {
        const std::string text = m_document.sheet().cellText(row, col);
        const bool excluded = band && band->excludes(text);
        outside = outside || excluded;
        m_grid.setCellWarning(
            row, col,
            excluded ? tr("Outside the band of the model (%1): the radio cannot use this channel")
                           .arg(QString::fromUtf8(band->name().data(),
                                                  static_cast<qsizetype>(band->name().size())))
                     : QString());
    }
    if (outside)
        m_outOfBand.insert(row);
    else
        m_outOfBand.erase(row);
}

void ChannelView::markBandEverywhere() {
    m_outOfBand.clear();
    for (int row = 1; row < m_grid.rows() && row < m_document.sheet().rowCount(); ++row)
        markBand(row);
}

void ChannelView::sheetReset() {
    showSheet();
}

void ChannelView::showSheet() {
    const ChannelSheet& sheet = m_document.sheet();
    const int rows = std::max(sheet.rowCount(), 1);
    // An editor over a row that goes has nothing left to store into.
    if (m_grid.row() >= rows)
        m_editing.hideEditors();
    m_grid.setRedraw(false);
    m_grid.setRows(rows);
    for (int row = 1; row < rows; ++row) {
        for (int column = 0; column < ChannelSheet::Columns && column < m_grid.cols(); ++column)
            m_grid.setTextMatrix(row, column, QString::fromStdString(sheet.cellText(row, column)));
    }
    markBandEverywhere();
    m_grid.setRedraw(true);
}

QSize ChannelView::sizeHint() const {
    return DialogUnits(font()).size(439, 250);
}

bool ChannelView::handlesCommand(int id) const {
    return id == cmd::EditData || id == cmd::ModelInformation || id == cmd::OptionalFeatures ||
           m_commands.handlesCommand(id);
}

void ChannelView::updateCommand(int id, CommandState& state) {
    if (m_commands.handlesCommand(id))
        m_commands.updateCommand(id, state);
}

void ChannelView::runCommand(int id) {
    if (m_commands.handlesCommand(id)) {
        m_commands.runCommand(id);
        return;
    }
    switch (id) {
    case cmd::EditData:
        onEditData();
        break;
    case cmd::ModelInformation:
        onModelInformation();
        break;
    case cmd::OptionalFeatures:
        onOptionalFeatures();
        break;
    default:
        break;
    }
}

void ChannelView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // Until the first initial update the form keeps its own layout.
    if (m_initialised)
        layoutGrid();
}

bool ChannelView::eventFilter(QObject* watched, QEvent* event) {
    // Only what the user does reaches the captions: the program starts under its own title.
    if (event->isInputEvent() || event->type() == QEvent::Enter)
        updateCaptions();
    if (event->type() == QEvent::KeyPress && filterKey(watched, *static_cast<QKeyEvent*>(event)))
        return true;
    // An open box keeps Del: it clears no channels from under the box.
    if (event->type() == QEvent::ShortcutOverride &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete && watched != &m_grid &&
        m_editing.isEditorOpen()) {
        event->accept();
        return true;
    }
    switch (event->type()) {
    case QEvent::ChildAdded:
        filterEventsOf(static_cast<QChildEvent*>(event)->child());
        break;
    case QEvent::Enter:
        if (watched->isWidgetType())
            emit statusText(statusHelpFor(static_cast<QWidget*>(watched)));
        break;
    case QEvent::Leave:
        // Going back to a parent raises no enter event there; a sibling's comes next.
        if (auto* widget = qobject_cast<QWidget*>(watched); widget && widget != this)
            emit statusText(statusHelpFor(widget->parentWidget()));
        break;
    case QEvent::MouseMove:
        // A move that a child passed up has been answered by the child already.
        if (auto* widget = qobject_cast<QWidget*>(watched);
            widget && !widget->childAt(static_cast<QMouseEvent*>(event)->position().toPoint()))
            emit statusText(statusHelpFor(widget));
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void ChannelView::createEditors() {
    m_frequencyEdit = new QLineEdit(&m_grid);
    m_frequencyEdit->setProperty(ControlIdProperty, FrequencyEditId);
    m_frequencyEdit->setGeometry(QRect());
    m_frequencyEdit->hide();
    m_powerBox = makeListBox(&m_grid, PowerBoxId, false);
    m_lockBox = makeListBox(&m_grid, LockBoxId, false);
    m_toneBox = makeListBox(&m_grid, ToneBoxId, true);
    for (QWidget* editor :
         std::initializer_list<QWidget*>{m_frequencyEdit, m_powerBox, m_lockBox, m_toneBox})
        editor->setFont(font());
    // A file dropped on an open editor is for the main window to open, not text to type.
    m_frequencyEdit->setAcceptDrops(false);
    m_toneBox->lineEdit()->setAcceptDrops(false);

    QStringList toneTexts;
    toneTexts.reserve(m_tones.size());
    for (const std::string& tone : m_tones.texts())
        toneTexts << QString::fromStdString(tone);
    m_toneBox->addItems(toneTexts);
    m_powerBox->addItems({QStringLiteral("High"), QStringLiteral("Middle"), QStringLiteral("Low")});
    m_lockBox->addItems({QStringLiteral("Lock"), QStringLiteral("UnLock")});
    m_editing.setEditors({m_frequencyEdit, m_toneBox, m_powerBox, m_lockBox});
}

void ChannelView::setUpColumns() {
    for (int col = 0; col < ChannelCodec::ColumnCount; ++col)
        m_grid.setColAlignment(col, FlexGrid::CenterTop);

    const int width = m_grid.colWidthTwips(ChannelCodec::TxFreqColumn);
    m_grid.setColWidthTwips(ChannelCodec::TxFreqColumn, width * 3 / 2);
    m_grid.setColWidthTwips(ChannelCodec::RxFreqColumn, width * 3 / 2);
    m_grid.setColWidthTwips(ChannelCodec::NumberColumn, width);
    m_grid.setColWidthTwips(ChannelCodec::DecColumn, width * 5 / 4);
    m_grid.setColWidthTwips(ChannelCodec::EncColumn, width * 5 / 4);
    m_grid.setColWidthTwips(ChannelCodec::PowerColumn, width);
    m_grid.setColWidthTwips(ChannelCodec::LockColumn, width);

    for (int col = 0; col < ChannelCodec::ColumnCount; ++col)
        m_grid.setTextMatrix(0, col, QString::fromUtf8(ChannelCodec::Headers[col]));
}

void ChannelView::connectGridEvents() {
    connect(&m_grid, &FlexGrid::enterCell, this, [this] { m_editing.loadEditor(); });
    connect(&m_grid, &FlexGrid::leaveCell, this, [this] { m_editing.commitEditor(); });
    m_grid.setLeaveCheck([this] { return m_editing.mayLeaveCell(); });
    connect(&m_grid, &FlexGrid::scrolled, this, [this] { m_editing.scrolled(); });
    connect(&m_grid, &FlexGrid::mouseDown, this,
            [this](short button, short, int, int) { onMouseDown(button); });
    connect(&m_grid, &FlexGrid::keyPress, this, [this](int key) { m_editing.keyPress(key); });
}

void ChannelView::onMouseDown(short button) {
    if (!m_editing.acceptsMouseDown(button))
        return;
    updateCaptions();
    m_editing.showEditor(0);
}

void ChannelView::updateCaptions() {
    m_captions.update(*this, m_grid.row());
}

bool ChannelView::filterKey(QObject* watched, const QKeyEvent& key) {
    auto* widget = qobject_cast<QWidget*>(watched);
    // An open drop-down list answers its own keys.
    if (!widget || widget->window() != window() || !m_initialised)
        return false;
    if (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) {
        m_editing.enterKey(widget);
        return true;
    }
    if (key.key() == Qt::Key_Escape && widget != &m_grid && m_editing.cancelEditor())
        return true;
    const bool tab = key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab;
    if (tab && widget != &m_grid && m_editing.isEditorOpen()) {
        // Tab leaves the cell as it does in the grid; a refused value keeps the cell.
        if (m_editing.mayLeaveCell()) {
            m_grid.setFocus();
            QKeyEvent moved(QEvent::KeyPress, key.key(), key.modifiers());
            QCoreApplication::sendEvent(&m_grid, &moved);
        }
        return true;
    }
    // Only reached when no Clear Channels command takes the key first.
    if (key.key() == Qt::Key_Delete && widget == &m_grid) {
        m_editing.keyPress(127);
        return true;
    }
    return false;
}

void ChannelView::resizeParentToFit() {
    // Shrink only: a frame smaller than the form keeps its size.
    auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget());
    if (!frame || !frame->layout() || frame->isMaximized())
        return;
    frame->layout()->activate();
    const QSize decoration = frame->size() - size();
    frame->resize(frame->size().boundedTo(sizeHint() + decoration));
    frame->layout()->activate();
}

void ChannelView::layoutGrid() {
    const QRect client = rect();
    const QPoint topLeft = m_grid.pos();
    const int width = client.right() + 1 - topLeft.x() - client.left() - GridMargin;
    const int height = client.bottom() + 1 - topLeft.y() - client.top() - GridMargin;
    m_grid.setGeometry(topLeft.x(), topLeft.y(), std::max(width, 0), std::max(height, 0));
    m_grid.update();
}

void ChannelView::onEditData() {
    (void)m_prompter.ask({EditDataText, ApplicationTitle, PromptButtons::Ok, PromptIcon::None});
    m_grid.setCol(1);
    m_grid.setRow(1);
    m_grid.setFocus();
}

void ChannelView::onModelInformation() {
    const ChannelDocument::Change change(m_document, "Model Information");
    m_dialogs.modelInformation(m_document, window());
    // OK and Cancel alike: the model choice may have changed the channel count, which every
    // window of the document shows.
    m_document.setUpRowsForChannelCount();
    markBandEverywhere();
}

void ChannelView::onOptionalFeatures() {
    const ChannelDocument::Change change(m_document, "Optional Features");
    m_dialogs.optionalFeatures(m_document, window());
}

void ChannelView::filterEventsOf(QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr)
        return;
    widget->installEventFilter(this);
    // Every move of the pointer renews the help text, not only crossing into a window.
    widget->setMouseTracking(true);
    for (QObject* child : object->children())
        filterEventsOf(child);
}

QString ChannelView::statusHelpFor(const QWidget* widget) const {
    for (const QWidget* w = widget; w && w != this; w = w->parentWidget()) {
        if (w == m_powerBox || w == m_lockBox || w == m_toneBox)
            return QString::fromUtf8(ComboBoxHelp);
        if (w == m_frequencyEdit)
            return QString::fromUtf8(GeneralHelp);
        if (w == &m_grid)
            return QString::fromUtf8(GridHelp);
    }
    return QString::fromUtf8(GeneralHelp);
}

} // namespace tarn
