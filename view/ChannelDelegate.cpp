#include "view/ChannelDelegate.h"

#include "view/CellEditing.h"
#include "view/ChannelProxyModel.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

namespace tarn {

namespace {

int sheetColumnOf(const QModelIndex& index) {
    const auto* channels = qobject_cast<const ChannelProxyModel*>(index.model());
    return channels ? channels->sheetCell(index).second : 0;
}

// Keys that end an edit, and a focus lost to a dialog or a menu, are CellEditing's: an editor
// that loses the focus stays open with what was typed.
bool isEditingsOwn(const QEvent& event) {
    if (event.type() == QEvent::FocusOut)
        return true;
    if (event.type() != QEvent::KeyPress)
        return false;
    switch (static_cast<const QKeyEvent&>(event).key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return true;
    default:
        return false;
    }
}

// One editor serves every cell of its kind, so it takes the name of the cell it opens over:
// its column as the name, its channel as the description.
void nameForScreenReaders(QWidget& editor, const QModelIndex& index) {
    const QAbstractItemModel* model = index.model();
    editor.setAccessibleName(
        model->headerData(index.column(), Qt::Horizontal, Qt::AccessibleTextRole).toString());
    editor.setAccessibleDescription(
        model->headerData(index.row(), Qt::Vertical, Qt::AccessibleTextRole).toString());
}

} // namespace

ChannelDelegate::ChannelDelegate(CellEditing& editing, QObject* parent)
    : QStyledItemDelegate(parent)
    , m_editing(editing) {}

QWidget* ChannelDelegate::editorFor(int sheetColumn) const {
    switch (CellEditRules::editorFor(sheetColumn)) {
    case CellEditRules::Editor::Frequency:
        return m_editors.frequency;
    case CellEditRules::Editor::Tone:
        return m_editors.tone;
    case CellEditRules::Editor::Power:
        return m_editors.power;
    case CellEditRules::Editor::Lock:
        return m_editors.lock;
    default:
        return nullptr;
    }
}

QWidget* ChannelDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                       const QModelIndex& index) const {
    QWidget* editor = editorFor(sheetColumnOf(index));
    if (!editor)
        return nullptr;
    if (editor->parentWidget() != parent)
        editor->setParent(parent);
    nameForScreenReaders(*editor, index);
    m_loading = editor;
    return editor;
}

void ChannelDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    if (editor != m_loading)
        return;
    m_loading = nullptr;
    m_editing.loadInto(*editor, index.data(Qt::EditRole).toString());
}

void ChannelDelegate::setModelData(QWidget* editor, QAbstractItemModel*,
                                   const QModelIndex& index) const {
    m_editing.storeFrom(*editor, index);
}

void ChannelDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                           const QModelIndex&) const {
    editor->setGeometry(option.rect);
}

void ChannelDelegate::destroyEditor(QWidget* editor, const QModelIndex&) const {
    // The four editors serve every cell; a closed one is only hidden.
    editor->hide();
}

bool ChannelDelegate::eventFilter(QObject* watched, QEvent* event) {
    if (isEditingsOwn(*event))
        return false;
    return QStyledItemDelegate::eventFilter(watched, event);
}

} // namespace tarn
