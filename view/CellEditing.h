#pragma once

#include "data/CellEditRules.h"
#include "data/PendingEdit.h"

#include <QString>

#include <string>

class QComboBox;
class QLineEdit;
class QModelIndex;
class QWidget;

namespace tarn {

class ChannelTableView;

// In-place editing of a window's channel table: opens the editor of the current cell through
// the table's delegate, seeds it with the key that opened it, stores its value by the editing
// rules when the cell is left or Enter is pressed, walks a row with Enter and the table with
// Tab. An open editor is pending state of the document, stored before anything goes to the
// disk or the radio.
class CellEditing final : public PendingEdit {
public:
    static constexpr const char* NumberMessage = CellEditRules::NumberMessage;

    struct Editors {
        QLineEdit* frequency = nullptr;
        QComboBox* tone = nullptr;
        QComboBox* power = nullptr;
        QComboBox* lock = nullptr;
    };

    CellEditing(ChannelTableView& view, ChannelDocument& document, const ToneTable& tones,
                Prompter& prompter, std::string caption);

    void setEditors(const Editors& editors) { m_editors = editors; }

    // The editor of the current column; null before the editors exist.
    [[nodiscard]] QWidget* editorForColumn() const;
    // The editor open over the current cell; null when none is.
    [[nodiscard]] QWidget* openEditor() const;
    // key: 0 for a mouse press, 13 after Enter, otherwise the character typed over the table.
    void showEditor(int key);
    // Stores a value still open in the current cell's editor and closes it; nothing when no
    // editor is open. A refused value stays open over its cell, selected.
    void commitEditor();
    // Whether the current cell may be left: false, after telling why, while its open editor
    // holds a value that would be refused; the editor then stays open with the text selected.
    [[nodiscard]] bool mayLeaveCell();

    // The delegate's side: a cell's text into its opening editor, an editor's value into
    // the cell it was open over.
    void loadInto(QWidget& editor, const QString& text) const;
    void storeFrom(QWidget& editor, const QModelIndex& index);

    // Whether a press of this button opens the editor over the current cell.
    [[nodiscard]] bool acceptsMouseDown(Qt::MouseButton button) const;
    void keyPress(int key);
    // Scrolling closes the editor and drops what was typed.
    void scrolled();
    [[nodiscard]] bool isEditorOpen() const;
    // Escape: the open editor closes, its cell keeps the stored value; false when none is open.
    bool cancelEditor();
    // Enter pressed while focus was in the table or one of its editors.
    void enterKey(QWidget* focus);
    // Tab (Shift+Tab backward): the value is stored and the next cell becomes current, its
    // editor open when one was; past either end the focus leaves the table.
    void tabKey(bool backward);
    // Closes any open editor without storing.
    void hideEditors();

    [[nodiscard]] bool hasPendingChange() const override;
    [[nodiscard]] bool storePendingEdit() override;

private:
    [[nodiscard]] static QString editorText(const QWidget& editor);
    void seedFrequency(const CellEditRules::Opening& opening);
    void seedBox(QComboBox& box, int key);
    void enterInEditor(QWidget& editor);
    void keepForMending(QWidget& editor);
    // Opens the editor of the cell Enter named, or hands the focus on.
    void followEnter(const CellEditRules::Result& result);
    void moveTo(CellEditRules::Cell cell);

    ChannelTableView& m_view;
    CellEditRules m_rules;
    Editors m_editors;
};

} // namespace tarn
