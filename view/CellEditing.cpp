#include "view/CellEditing.h"

#include "view/BandPlanSetting.h"
#include "view/FlexGrid.h"

#include "common/Prompter.h"
#include "data/ChannelCodec.h"
#include "data/ChannelDocument.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

#include <algorithm>
#include <utility>

namespace tarn {

namespace {

constexpr int MouseKey = 0;
constexpr int EnterKeyCode = 13;
constexpr int BackspaceKey = 8;
constexpr int DeleteKey = 127;
// Editors sit this far up and left of the cell's corner, over the grid lines.
constexpr int EditorOffset = 3;
// Room below a box for its dropped-down list, in pixels.
constexpr int ListRoom = 100;
// Frame around a box's selection field, top and bottom together.
constexpr int BoxFrame = 6;

bool isSeedKey(int key) {
    return key != MouseKey && key != EnterKeyCode;
}

bool isDigit(int key) {
    return key >= '0' && key <= '9';
}

} // namespace

CellEditing::CellEditing(FlexGrid& grid, ChannelDocument& document, const ToneTable& tones,
                         Prompter& prompter, std::string caption)
    : m_grid(grid)
    , m_document(document)
    , m_store(document, tones, prompter, caption)
    , m_prompter(prompter)
    , m_caption(std::move(caption)) {
    m_store.setBandPlan([] { return BandPlanSetting::region(); });
}

QWidget* CellEditing::editorForColumn() const {
    switch (m_grid.col()) {
    case ChannelCodec::DecColumn:
    case ChannelCodec::EncColumn:
        return m_editors.tone;
    case ChannelCodec::PowerColumn:
        return m_editors.power;
    case ChannelCodec::LockColumn:
        return m_editors.lock;
    default:
        return m_editors.frequency;
    }
}

void CellEditing::showEditor(int key) {
    QWidget* editor = editorForColumn();
    if (!editor || m_grid.row() == 0)
        return;
    // A press on the edge of the cell being edited keeps what is being typed there.
    if (key == MouseKey && !editor->isHidden()) {
        editor->setFocus();
        return;
    }
    if (editor == m_editors.frequency)
        showFrequencyEdit(key);
    else
        showBox(*static_cast<QComboBox*>(editor), key);
    editor->show();
    editor->raise();
    editor->setFocus();
    m_grid.viewport()->repaint();
}

void CellEditing::loadEditor() {
    QWidget* editor = editorForColumn();
    if (!editor || m_grid.row() == 0)
        return;
    if (editor == m_editors.frequency)
        m_editors.frequency->setText(m_grid.text());
    else
        loadBox(*static_cast<QComboBox*>(editor), m_grid.text());
}

QWidget* CellEditing::openEditor() const {
    QWidget* editor = editorForColumn();
    if (!editor || editor->isHidden() || m_grid.row() == 0)
        return nullptr;
    return editor;
}

void CellEditing::commitEditor() {
    QWidget* editor = openEditor();
    if (!editor)
        return;
    const int row = m_grid.row();
    const int col = m_grid.col();
    // A row the sheet no longer has takes nothing.
    if (!m_document.sheet().contains(row, col)) {
        editor->hide();
        return;
    }
    bool stored = true;
    if (editor == m_editors.tone) {
        // A selection across both tone columns sets both; it never reaches other columns.
        const int farCol = m_grid.colSel();
        const bool both = farCol != col &&
                          (farCol == ChannelCodec::DecColumn || farCol == ChannelCodec::EncColumn);
        const std::string typed = m_editors.tone->currentText().toStdString();
        stored = both ? m_store.storeTone(row, {col, farCol}, typed)
                      : m_store.storeTone(row, {col}, typed);
    } else if (editor == m_editors.frequency) {
        stored = m_store.storeFrequency(row, col, m_editors.frequency->text().toStdString(),
                                        CellValueStore::Emptying::OnLeave);
    } else {
        m_store.storeChoice(row, col, static_cast<QComboBox*>(editor)->currentText().toStdString());
    }
    if (stored)
        editor->hide();
    else
        keepForMending(editor);
}

bool CellEditing::mayLeaveCell() {
    QWidget* editor = openEditor();
    if (!editor || !m_document.sheet().contains(m_grid.row(), m_grid.col()))
        return true;
    if (acceptsOpenValue(editor, true))
        return true;
    keepForMending(editor);
    return false;
}

bool CellEditing::acceptsOpenValue(QWidget* editor, bool tellWhyNot) {
    if (editor == m_editors.frequency)
        return m_store.acceptsFrequencyAt(m_grid.row(), m_grid.col(),
                                          m_editors.frequency->text().toStdString(), tellWhyNot);
    if (editor == m_editors.tone)
        return m_store.acceptsTone(m_grid.row(), m_editors.tone->currentText().toStdString(),
                                   tellWhyNot);
    return true;
}

void CellEditing::keepForMending(QWidget* editor) {
    // The refused text stays over its cell, selected, so typing replaces it.
    editor->show();
    editor->setFocus();
    if (editor == m_editors.frequency)
        m_editors.frequency->selectAll();
    else if (editor == m_editors.tone)
        m_editors.tone->lineEdit()->selectAll();
}

bool CellEditing::hasPendingChange() const {
    QWidget* editor = openEditor();
    const int row = m_grid.row();
    const int col = m_grid.col();
    if (!editor || !m_document.sheet().contains(row, col))
        return false;
    const std::optional<std::string> value = valueToStore(editor, row);
    return !value || *value != m_document.sheet().cellText(row, col);
}

bool CellEditing::storePendingEdit() {
    QWidget* editor = openEditor();
    if (!editor)
        return true;
    // A refused value is neither stored nor emptied: it stays open for the user to mend.
    if (!mayLeaveCell())
        return false;
    commitEditor();
    return true;
}

std::optional<std::string> CellEditing::valueToStore(QWidget* editor, int row) const {
    if (editor == m_editors.tone)
        return m_store.toneValue(row, m_editors.tone->currentText().toStdString());
    if (editor == m_editors.frequency)
        return m_store.frequencyValueAt(row, m_grid.col(),
                                        m_editors.frequency->text().toStdString());
    const std::string chosen = static_cast<QComboBox*>(editor)->currentText().toStdString();
    return m_store.choiceValue(row, m_grid.col(), chosen);
}

bool CellEditing::acceptsMouseDown(short button) const {
    return button != FlexGrid::RightButton && m_grid.row() != 0 && m_grid.col() != 0 &&
           m_editors.frequency;
}

void CellEditing::keyPress(int key) {
    const int col = m_grid.col();
    if (col == 0 || m_grid.row() == 0)
        return;
    if (col == ChannelCodec::LockColumn) {
        chooseLock(key);
        return;
    }
    // Backspace and Delete start a frequency over; other control keys open nothing.
    const bool erases = key == BackspaceKey || key == DeleteKey;
    if ((erases && isFrequencyColumn()) || (key >= 32 && key != DeleteKey))
        showEditor(key);
}

void CellEditing::scrolled() {
    hideEditors();
    // The editor no longer covers its cell; a value being typed is given up.
    loadEditor();
}

bool CellEditing::isEditorOpen() const {
    const QWidget* editor = editorForColumn();
    return editor && !editor->isHidden();
}

bool CellEditing::cancelEditor() {
    QWidget* editor = editorForColumn();
    if (!editor || editor->isHidden())
        return false;
    editor->hide();
    loadEditor();
    m_grid.setFocus();
    return true;
}

void CellEditing::chooseLock(int key) {
    const char* value = nullptr;
    if (key == 'l' || key == 'L')
        value = "Lock";
    else if (key == 'u' || key == 'U')
        value = "UnLock";
    if (!value)
        return;
    m_store.storeChoice(m_grid.row(), ChannelCodec::LockColumn, value);
    loadEditor();
}

void CellEditing::enterKey(QWidget* focus) {
    if (focus == &m_grid) {
        if (m_grid.col() == ChannelCodec::LockColumn)
            passTab(&m_grid);
        else
            passRight();
    } else if (focus == m_editors.frequency) {
        enterInFrequencyEdit();
    } else if (focus == m_editors.power || focus == m_editors.lock) {
        enterInChoiceBox(*static_cast<QComboBox*>(focus));
    } else {
        // The tone box takes focus for its text field.
        enterInToneField(focus);
    }
}

void CellEditing::hideEditors() {
    for (QWidget* editor :
         {static_cast<QWidget*>(m_editors.frequency), static_cast<QWidget*>(m_editors.tone),
          static_cast<QWidget*>(m_editors.power), static_cast<QWidget*>(m_editors.lock)}) {
        if (editor)
            editor->hide();
    }
}

bool CellEditing::isFrequencyColumn() const {
    const int col = m_grid.col();
    return col == ChannelCodec::RxFreqColumn || col == ChannelCodec::TxFreqColumn;
}

void CellEditing::showFrequencyEdit(int key) {
    QLineEdit& edit = *m_editors.frequency;
    edit.setGeometry(editorRect());
    const bool cellEmpty = m_grid.text().isEmpty();
    QString text;
    if (!isSeedKey(key)) {
        text = m_grid.text();
    } else if (isDigit(key) ||
               (key < 128 && m_store.isRepeaterShift(m_grid.row(), m_grid.col(),
                                                     std::string(1, static_cast<char>(key))))) {
        text = QChar(key);
    } else if (key >= 32 && key != DeleteKey) {
        (void)m_prompter.ask({NumberMessage, m_caption, PromptButtons::Ok, PromptIcon::None});
        if (!cellEmpty)
            text = QChar(key);
    }
    edit.setText(text);
    if (isSeedKey(key))
        edit.setCursorPosition(static_cast<int>(text.size()));
    else
        edit.selectAll();
}

void CellEditing::showBox(QComboBox& box, int key) {
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
    // The closed box is as high as its selection field; the list drops into the room below.
    const int itemHeight = std::max(1, box.fontMetrics().height());
    QRect rect = editorRect();
    rect.setHeight(itemHeight * 95 / 100 + BoxFrame);
    box.setGeometry(rect);
    box.setMaxVisibleItems(std::max(1, ListRoom / itemHeight));
}

QRect CellEditing::editorRect() const {
    const int left = m_grid.twipsToPixelsX(m_grid.cellLeft());
    const int top = m_grid.twipsToPixelsY(m_grid.cellTop());
    const int width = m_grid.twipsToPixelsX(m_grid.cellWidth());
    const int height = m_grid.twipsToPixelsY(m_grid.cellHeight());
    return {left - EditorOffset, top - EditorOffset, width, height};
}

void CellEditing::loadBox(QComboBox& box, const QString& text) {
    int index = 0;
    for (int i = 0; i < box.count(); ++i) {
        if (box.itemText(i).startsWith(text, Qt::CaseInsensitive)) {
            index = i;
            break;
        }
    }
    box.setCurrentIndex(index);
    // An index that did not change leaves typed text in the field.
    if (box.isEditable())
        box.setEditText(box.itemText(index));
}

void CellEditing::enterInFrequencyEdit() {
    const int row = m_grid.row();
    const int col = m_grid.col();
    if (!m_store.storeFrequency(row, col, m_editors.frequency->text().toStdString(),
                                CellValueStore::Emptying::OnEnter)) {
        keepForMending(m_editors.frequency);
        return;
    }
    m_editors.frequency->hide();
    openNextColumn();
}

void CellEditing::enterInChoiceBox(QComboBox& box) {
    const int row = m_grid.row();
    if (m_store.hasFrequency(row))
        m_store.storeChoice(row, m_grid.col(), box.currentText().toStdString());
    box.hide();
    if (row + 1 < m_grid.rows()) {
        m_grid.setRow(row + 1);
        m_grid.setCol(ChannelCodec::RxFreqColumn);
        showEditor(EnterKeyCode);
    } else {
        passTab(&box);
    }
}

void CellEditing::enterInToneField(QWidget* focus) {
    QComboBox& box = *m_editors.tone;
    if (box.isHidden()) {
        passTab(focus);
        return;
    }
    if (!m_store.storeTone(m_grid.row(), {m_grid.col()}, box.currentText().toStdString())) {
        keepForMending(&box);
        return;
    }
    box.hide();
    openNextColumn();
}

void CellEditing::openNextColumn() {
    m_grid.setCol(m_grid.col() + 1);
    showEditor(EnterKeyCode);
}

void CellEditing::passTab(QWidget* target) {
    // A hidden editor has given its focus back; the grid hands the Tab on.
    if (!target || target->isHidden())
        target = &m_grid;
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &tab);
}

void CellEditing::passRight() {
    QKeyEvent right(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
    QCoreApplication::sendEvent(&m_grid, &right);
}

} // namespace tarn
