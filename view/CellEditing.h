#pragma once

#include "data/CellValueStore.h"
#include "data/PendingEdit.h"

#include <QRect>

#include <optional>
#include <string>

class QComboBox;
class QLineEdit;
class QWidget;

namespace tarn {

class FlexGrid;

// In-place editing of the channel grid: opens the editor of the current column over the current
// cell, loads it when a cell is entered, stores its value into the document's sheet when the
// cell is left or Enter is pressed, and walks a row with Enter. An open editor is pending
// state of the document, stored before anything goes to the disk or the radio.
class CellEditing final : public PendingEdit {
public:
    static constexpr const char* NumberMessage = "Please input Number";

    struct Editors {
        QLineEdit* frequency = nullptr;
        QComboBox* tone = nullptr;
        QComboBox* power = nullptr;
        QComboBox* lock = nullptr;
    };

    CellEditing(FlexGrid& grid, ChannelDocument& document, const ToneTable& tones,
                Prompter& prompter, std::string caption);

    void setEditors(const Editors& editors) { m_editors = editors; }

    // The editor of the current column; null before the editors exist.
    [[nodiscard]] QWidget* editorForColumn() const;
    // The editor open over the current cell; null when none is.
    [[nodiscard]] QWidget* openEditor() const;
    // key: 0 for a mouse press, 13 after Enter, otherwise the character typed over the grid.
    void showEditor(int key);
    // The current cell's text into its (hidden) editor.
    void loadEditor();
    // Stores a value still open in the current cell's editor and hides it; nothing when no
    // editor is open. A refused value stays open over its cell, selected.
    void commitEditor();
    // Whether the current cell may be left: false, after telling why, while its open editor
    // holds a value that would be refused; the editor then stays open with the text selected.
    [[nodiscard]] bool mayLeaveCell();

    // Whether a press of this button opens the editor over the current cell.
    [[nodiscard]] bool acceptsMouseDown(short button) const;
    void keyPress(int key);
    // Scrolling hides the editors and drops what was typed.
    void scrolled();
    [[nodiscard]] bool isEditorOpen() const;
    // Escape: the open editor closes, its cell keeps the stored value; false when none is open.
    bool cancelEditor();
    // Enter pressed while focus was in the grid or one of its editors.
    void enterKey(QWidget* focus);
    void hideEditors();

    [[nodiscard]] bool hasPendingChange() const override;
    [[nodiscard]] bool storePendingEdit() override;

private:
    [[nodiscard]] bool isFrequencyColumn() const;
    // L or U over CHN Lock stores Lock or UnLock at once.
    void chooseLock(int key);
    // What leaving the cell would store into it; nothing for a refused frequency.
    [[nodiscard]] std::optional<std::string> valueToStore(QWidget* editor, int row) const;
    [[nodiscard]] bool acceptsOpenValue(QWidget* editor, bool tellWhyNot);
    void keepForMending(QWidget* editor);
    void showFrequencyEdit(int key);
    void showBox(QComboBox& box, int key);
    // The current cell's rectangle in grid pixels, where an editor goes.
    [[nodiscard]] QRect editorRect() const;
    void loadBox(QComboBox& box, const QString& text);
    void enterInFrequencyEdit();
    void enterInChoiceBox(QComboBox& box);
    void enterInToneField(QWidget* focus);
    void openNextColumn();
    void passTab(QWidget* target);
    void passRight();

    FlexGrid& m_grid;
    ChannelDocument& m_document;
    CellValueStore m_store;
    Prompter& m_prompter;
    std::string m_caption;
    Editors m_editors;
};

} // namespace tarn
