#include "view/CellEditing.h"

#include "view/BandPlanSetting.h"
#include "view/ChannelProxyModel.h"
#include "view/ChannelTableView.h"

#include <QComboBox>
#include <QLineEdit>

#include <utility>

namespace tarn {

namespace {

constexpr int MouseKey = CellEditRules::MouseKey;
constexpr int EnterKeyCode = CellEditRules::EnterKey;

bool isSeedKey(int key) {
    return key != MouseKey && key != EnterKeyCode;
}

} // namespace

CellEditing::CellEditing(ChannelTableView& view, ChannelDocument& document, const ToneTable& tones,
                         Prompter& prompter, std::string caption)
    : m_view(view)
    , m_rules(document, tones, prompter, std::move(caption)) {
    m_rules.setBandPlan([] { return BandPlanSetting::region(); });
    // Enter and Tab walk the rows as this table shows them, found or sorted.
    m_rules.setNeighbours(
        [this](int channel, int by) { return m_view.channelBeside(channel, by); });
}

QWidget* CellEditing::editorForColumn() const {
    switch (CellEditRules::editorFor(m_view.currentCell().column)) {
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

QWidget* CellEditing::openEditor() const {
    return m_view.openEditor();
}

void CellEditing::showEditor(int key) {
    const CellEditRules::Cell cell = m_view.currentCell();
    QWidget* editor = editorForColumn();
    if (!editor || !m_rules.isEditable(cell.row, cell.column))
        return;
    const bool open = openEditor() != nullptr;
    // A press on the edge of the cell being edited keeps what is being typed there.
    if (key == MouseKey && open) {
        editor->setFocus();
        return;
    }
    CellEditRules::Opening opening;
    if (editor == m_editors.frequency)
        opening = m_rules.openFrequency(cell.row, cell.column, key);
    if (!open) {
        const QModelIndex index = m_view.currentCellIndex();
        m_view.scrollTo(index);
        m_view.edit(index);
    }
    if (editor == m_editors.frequency)
        seedFrequency(opening);
    else
        seedBox(*static_cast<QComboBox*>(editor), key);
    editor->setFocus();
}

void CellEditing::commitEditor() {
    if (openEditor() && mayLeaveCell())
        m_view.finishEditing(true);
}

bool CellEditing::mayLeaveCell() {
    QWidget* editor = openEditor();
    if (!editor || m_rules.mayLeave(m_view.currentCell(), editorText(*editor).toStdString(), true))
        return true;
    keepForMending(*editor);
    return false;
}

void CellEditing::keepForMending(QWidget& editor) {
    // The refused text stays over its cell, selected, so typing replaces it.
    editor.setFocus();
    if (auto* edit = qobject_cast<QLineEdit*>(&editor))
        edit->selectAll();
    else if (QLineEdit* line = static_cast<QComboBox&>(editor).lineEdit())
        line->selectAll();
}

void CellEditing::loadInto(QWidget& editor, const QString& text) const {
    if (auto* edit = qobject_cast<QLineEdit*>(&editor)) {
        edit->setText(text);
        return;
    }
    auto& box = static_cast<QComboBox&>(editor);
    std::vector<std::string> items;
    items.reserve(static_cast<std::size_t>(box.count()));
    for (int i = 0; i < box.count(); ++i)
        items.push_back(box.itemText(i).toStdString());
    const int index = CellEditRules::listIndexFor(items, text.toStdString());
    box.setCurrentIndex(index);
    // An index that did not change leaves typed text in the field.
    if (box.isEditable())
        box.setEditText(box.itemText(index));
}

void CellEditing::storeFrom(QWidget& editor, const QModelIndex& index) {
    const auto [row, column] = m_view.channels().sheetCell(index);
    const CellEditRules::Cell cell{row, column};
    const int far = cell == m_view.currentCell() ? m_view.farColumn() : column;
    (void)m_rules.leave(cell, far, editorText(editor).toStdString());
}

bool CellEditing::acceptsMouseDown(Qt::MouseButton button) const {
    return button != Qt::RightButton && m_view.currentCell().row > 0 && m_editors.frequency;
}

void CellEditing::keyPress(int key) {
    const CellEditRules::Cell cell = m_view.currentCell();
    if (CellEditRules::editorFor(cell.column) == CellEditRules::Editor::Lock) {
        (void)m_rules.typeOverLock(cell.row, key);
        return;
    }
    if (m_rules.keyOpensEditor(cell.row, cell.column, key))
        showEditor(key);
}

void CellEditing::scrolled() {
    // The editor no longer covers its cell; a value being typed is given up.
    if (openEditor())
        m_view.finishEditing(false);
}

bool CellEditing::isEditorOpen() const {
    return openEditor() != nullptr;
}

bool CellEditing::cancelEditor() {
    if (!openEditor())
        return false;
    m_view.finishEditing(false);
    m_view.setFocus();
    return true;
}

void CellEditing::enterKey(QWidget* focus) {
    QWidget* editor = openEditor();
    if (focus == &m_view || !editor) {
        const CellEditRules::Cell next = m_rules.enterOnGrid(m_view.currentCell());
        if (next.row > 0)
            moveTo(next);
        else
            m_view.leaveTable(false);
        return;
    }
    enterInEditor(*editor);
}

void CellEditing::tabKey(bool backward) {
    const CellEditRules::Cell cell = m_view.currentCell();
    const bool editing = openEditor() != nullptr;
    if (editing && !mayLeaveCell())
        return;
    if (editing)
        m_view.finishEditing(true);
    const CellEditRules::Cell next = m_rules.tabFrom(cell, backward);
    m_view.setFocus();
    if (next.row == 0) {
        m_view.leaveTable(backward);
        return;
    }
    moveTo(next);
    if (editing)
        showEditor(EnterKeyCode);
}

void CellEditing::hideEditors() {
    if (m_view.indexWidget(m_view.currentCellIndex()))
        m_view.finishEditing(false);
    for (QWidget* editor :
         {static_cast<QWidget*>(m_editors.frequency), static_cast<QWidget*>(m_editors.tone),
          static_cast<QWidget*>(m_editors.power), static_cast<QWidget*>(m_editors.lock)}) {
        if (editor)
            editor->hide();
    }
}

bool CellEditing::hasPendingChange() const {
    const QWidget* editor = openEditor();
    return editor && m_rules.differs(m_view.currentCell(), editorText(*editor).toStdString());
}

bool CellEditing::storePendingEdit() {
    QWidget* editor = openEditor();
    if (!editor)
        return true;
    const CellEditRules::Result result = m_rules.storePending(
        m_view.currentCell(), m_view.farColumn(), editorText(*editor).toStdString());
    if (result.refused) {
        keepForMending(*editor);
        return false;
    }
    m_view.finishEditing(false);
    return true;
}

QString CellEditing::editorText(const QWidget& editor) {
    if (const auto* edit = qobject_cast<const QLineEdit*>(&editor))
        return edit->text();
    return static_cast<const QComboBox&>(editor).currentText();
}

void CellEditing::seedFrequency(const CellEditRules::Opening& opening) {
    QLineEdit& edit = *m_editors.frequency;
    edit.setText(QString::fromStdString(opening.text));
    if (opening.selectAll)
        edit.selectAll();
    else
        edit.setCursorPosition(static_cast<int>(edit.text().size()));
}

void CellEditing::seedBox(QComboBox& box, int key) {
    if (isSeedKey(key) && key >= 32) {
        const QString typed(QChar(static_cast<char16_t>(key)));
        if (box.isEditable()) {
            box.setEditText(typed);
            box.lineEdit()->setCursorPosition(1);
        } else if (const int match = box.findText(typed, Qt::MatchStartsWith); match >= 0) {
            box.setCurrentIndex(match);
        }
    } else if (box.isEditable()) {
        // The loaded value is selected, so typing replaces it.
        box.lineEdit()->selectAll();
    }
}

void CellEditing::enterInEditor(QWidget& editor) {
    const CellEditRules::Result result =
        m_rules.enter(m_view.currentCell(), editorText(editor).toStdString());
    if (result.refused) {
        keepForMending(editor);
        return;
    }
    m_view.finishEditing(false);
    followEnter(result);
}

void CellEditing::followEnter(const CellEditRules::Result& result) {
    if (result.next.row > 0) {
        moveTo(result.next);
        showEditor(EnterKeyCode);
    } else if (result.leavesGrid) {
        m_view.setFocus();
        m_view.leaveTable(false);
    }
}

void CellEditing::moveTo(CellEditRules::Cell cell) {
    m_view.setCurrentCell(cell);
}

} // namespace tarn
