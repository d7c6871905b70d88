#include "view/ChannelView.h"

#include "common/Prompter.h"
#include "data/ChannelCodec.h"
#include "data/ChannelDocument.h"
#include "data/ToneTable.h"
#include "qtsupport/CommandIds.h"
#include "qtsupport/DialogUnits.h"
#include "qtsupport/DocumentDialogs.h"
#include "view/ChannelTableModel.h"
#include "view/FindBar.h"

#include <QChildEvent>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLayout>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMouseEvent>

#include <array>

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
                         DocumentDialogs& dialogs, QWidget* parent, ChannelTableModel* model)
    : QWidget(parent)
    , m_document(document)
    , m_tones(tones)
    , m_prompter(prompter)
    , m_dialogs(dialogs)
    , m_ownModel(model ? nullptr : std::make_unique<ChannelTableModel>(document))
    , m_proxy(model ? *model : *m_ownModel)
    , m_grid(m_proxy, this)
    , m_editing(m_grid, document, tones, prompter, ApplicationTitle)
    , m_delegate(m_editing)
    , m_commands(document, m_grid, m_editing, prompter, dialogs) {
    setFont(formFont());
    m_grid.setProperty(ControlIdProperty, GridControlId);
    m_grid.setItemDelegate(&m_delegate);
    m_grid.setGeometry(DialogUnits(font()).rect(7, 7, 326, 227));
    m_grid.setFocusPolicy(Qt::StrongFocus);
    m_grid.setContextMenuPolicy(Qt::CustomContextMenu);
    m_gridTop = m_grid.y();
    m_findBar = new FindBar(this);
    connectFind();
    filterEventsOf(this);
    connectGridEvents();
    m_document.addPendingEdit(m_editing);
}

ChannelView::~ChannelView() {
    m_document.removePendingEdit(m_editing);
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
        m_initialised = true;
    }
    m_editing.hideEditors();
    m_frequencyEdit->clear();
    m_grid.keepACurrentCell();
    layoutGrid();
    m_grid.setFocus();
}

QSize ChannelView::sizeHint() const {
    return DialogUnits(font()).size(439, 250);
}

bool ChannelView::handlesCommand(int id) const {
    return id == cmd::EditData || id == cmd::ModelInformation || id == cmd::OptionalFeatures ||
           id == cmd::FindChannels || m_commands.handlesCommand(id);
}

void ChannelView::updateCommand(int id, CommandState& state) {
    if (m_commands.handlesCommand(id))
        m_commands.updateCommand(id, state);
    if (cmd::changesDocument(id) && m_document.isTransferring())
        state.enabled = false;
}

void ChannelView::runCommand(int id) {
    // Keys reach here past the menus' greying.
    if (cmd::changesDocument(id) && m_document.isTransferring())
        return;
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
    case cmd::FindChannels:
        openFind();
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
    QWidget* const area = m_grid.viewport();
    m_frequencyEdit = new QLineEdit(area);
    m_frequencyEdit->setProperty(ControlIdProperty, FrequencyEditId);
    m_frequencyEdit->setGeometry(QRect());
    m_frequencyEdit->hide();
    m_powerBox = makeListBox(area, PowerBoxId, false);
    m_lockBox = makeListBox(area, LockBoxId, false);
    m_toneBox = makeListBox(area, ToneBoxId, true);
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
    m_delegate.setEditors({m_frequencyEdit, m_toneBox, m_powerBox, m_lockBox});
}

void ChannelView::connectGridEvents() {
    m_grid.setLeaveCheck([this] { return m_editing.mayLeaveCell(); });
    connect(&m_grid, &ChannelTableView::scrolled, this, [this] { m_editing.scrolled(); });
    connect(&m_grid, &ChannelTableView::mouseDown, this,
            [this](Qt::MouseButton button) { onMouseDown(button); });
    connect(&m_grid, &ChannelTableView::keyPress, this,
            [this](int key) { m_editing.keyPress(key); });
    connect(&m_grid, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { showContextMenu(m_grid.viewport()->mapToGlobal(at)); });
    QHeaderView* numbers = m_grid.verticalHeader();
    numbers->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(numbers, &QWidget::customContextMenuRequested, this, [this, numbers](const QPoint& at) {
        // A channel outside the chosen ones becomes the one chosen.
        const int row = numbers->logicalIndexAt(at);
        if (row >= 0 && !m_grid.selectionModel()->isRowSelected(row)) {
            const auto [channel, column] = m_proxy.sheetCell(m_proxy.index(row, 0));
            m_grid.setCurrentCell({channel, column});
            m_grid.selectChannels(channel, channel);
        }
        showContextMenu(numbers->viewport()->mapToGlobal(at));
    });
}

void ChannelView::showContextMenu(const QPoint& globalAt) {
    static constexpr std::array Items{
        cmd::EditUndo,  cmd::EditRedo,  0, cmd::EditCut,       cmd::EditCopy,
        cmd::EditPaste, cmd::EditClear, 0, cmd::InsertChannel, cmd::DeleteChannel};
    // The main window's own actions, so the menu shows their names, keys and states.
    const QList<QAction*> actions = window()->findChildren<QAction*>();
    auto* menu = new QMenu(&m_grid);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (const int id : Items) {
        if (id == 0) {
            menu->addSeparator();
            continue;
        }
        const auto found = std::find_if(actions.begin(), actions.end(), [id](QAction* action) {
            return action->property("commandId").toInt() == id;
        });
        if (found == actions.end())
            continue;
        CommandState state;
        updateCommand(id, state);
        (*found)->setEnabled(state.enabled);
        if (!state.text.empty())
            (*found)->setText(QString::fromStdString(state.text));
        menu->addAction(*found);
    }
    if (menu->actions().size() == 2) {
        menu->deleteLater();
        return;
    }
    menu->popup(globalAt);
}

void ChannelView::onMouseDown(Qt::MouseButton button) {
    if (!m_editing.acceptsMouseDown(button))
        return;
    updateCaptions();
    m_editing.showEditor(0);
}

void ChannelView::updateCaptions() {
    m_captions.update(*this, m_grid.currentCell().row);
}

bool ChannelView::filterKey(QObject* watched, const QKeyEvent& key) {
    auto* widget = qobject_cast<QWidget*>(watched);
    // An open drop-down list answers its own keys.
    if (!widget || widget->window() != window() || !m_initialised)
        return false;
    // The find bar's field keeps its own keys.
    if (m_findBar->isAncestorOf(widget))
        return false;
    // Escape on the table closes the find bar once no editor is open.
    if (key.key() == Qt::Key_Escape && widget == &m_grid && !m_editing.isEditorOpen() &&
        m_findBar->isVisible()) {
        m_findBar->dismiss();
        return true;
    }
    if (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) {
        m_editing.enterKey(widget);
        return true;
    }
    if (key.key() == Qt::Key_Escape && widget != &m_grid && m_editing.cancelEditor())
        return true;
    // Tab walks the cells; Ctrl+Tab is the windows'.
    if ((key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab) &&
        !(key.modifiers() & Qt::ControlModifier)) {
        m_editing.tabKey(key.key() == Qt::Key_Backtab || (key.modifiers() & Qt::ShiftModifier));
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
    QPoint topLeft(m_grid.x(), m_gridTop);
    if (m_findBar->isVisible()) {
        const int height = m_findBar->sizeHint().height();
        m_findBar->setGeometry(topLeft.x(), topLeft.y(),
                               std::max(client.width() - topLeft.x() - GridMargin, 0), height);
        topLeft.ry() += height + m_gridTop / 2;
    }
    const int width = client.right() + 1 - topLeft.x() - client.left() - GridMargin;
    const int height = client.bottom() + 1 - topLeft.y() - client.top() - GridMargin;
    m_grid.setGeometry(topLeft.x(), topLeft.y(), std::max(width, 0), std::max(height, 0));
    m_grid.update();
}

void ChannelView::onEditData() {
    (void)m_prompter.ask({EditDataText, ApplicationTitle, PromptButtons::Ok, PromptIcon::None});
    m_grid.setCurrentCell({1, ChannelCodec::RxFreqColumn});
    m_grid.setFocus();
}

int ChannelView::outOfBandChannels() const {
    return m_proxy.channels().outOfBandChannels();
}

void ChannelView::onModelInformation() {
    const ChannelDocument::Change change(m_document, "Model Information");
    m_dialogs.modelInformation(m_document, window());
    // OK and Cancel alike: the model choice may have changed the channel count, which every
    // window of the document shows.
    m_document.setUpRowsForChannelCount();
    m_proxy.channels().markBand();
}

void ChannelView::connectFind() {
    connect(m_findBar, &FindBar::textChanged, this, &ChannelView::findChanged);
    connect(m_findBar, &FindBar::closed, this, &ChannelView::closeFind);
    connect(m_findBar, &FindBar::accepted, this, [this] { m_grid.setFocus(); });
    for (const auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
        connect(&m_proxy, signal, this, &ChannelView::showFindCount);
    connect(&m_proxy, &QAbstractItemModel::modelReset, this, &ChannelView::showFindCount);
    connect(&m_proxy, &ChannelProxyModel::arrangementChanged, this,
            &ChannelView::arrangementChanged);
    connect(&m_grid, &ChannelTableView::channelsDragged, this,
            [this](const std::vector<int>& channels, int before) {
                m_commands.moveTo(channels, before);
            });
}

void ChannelView::openFind() {
    // A value being typed goes in before rows may hide; a refused one keeps its editor.
    if (!m_editing.storePendingEdit())
        return;
    m_findBar->open();
    layoutGrid();
    showFindCount();
}

void ChannelView::findChanged(const QString& text) {
    if (!m_editing.storePendingEdit())
        return;
    m_proxy.setFindText(text.toStdString());
    m_grid.keepACurrentCell();
    m_grid.scrollTo(m_grid.currentCellIndex());
    showFindCount();
}

void ChannelView::closeFind() {
    m_proxy.setFindText({});
    layoutGrid();
    m_grid.keepACurrentCell();
    m_grid.scrollTo(m_grid.currentCellIndex());
    m_grid.setFocus();
}

void ChannelView::showFindCount() {
    m_findBar->showCount(m_proxy.rowCount(), m_proxy.channelCount());
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
            return tr(ComboBoxHelp);
        if (w == m_frequencyEdit)
            return tr(GeneralHelp);
        if (w == &m_grid)
            return tr(GridHelp);
        if (w == m_findBar)
            return FindBar::tr("Type to show only the channels that hold the text; Esc shows all "
                               "of them again");
    }
    return tr(GeneralHelp);
}

} // namespace tarn
