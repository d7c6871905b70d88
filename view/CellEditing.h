#pragma once

#include "view/CellValueStore.h"

#include <QRect>

#include <string>

class QComboBox;
class QLineEdit;
class QWidget;

namespace tarn {

class FlexGrid;
class CellGrid;

// In-place editing of the channel grid: opens the editor of the current column over the current
// cell, loads it when a cell is entered, stores its value when the cell is left or Enter is
// pressed, and walks a row with Enter.
class CellEditing {
public:
    static constexpr const char* NumberMessage = "Please input Number";

    struct Editors {
        QLineEdit* frequency = nullptr;
        QComboBox* tone = nullptr;
        QComboBox* power = nullptr;
        QComboBox* lock = nullptr;
    };

    CellEditing(FlexGrid& grid, CellGrid& cells, ChannelDocument& document, const ToneTable& tones,
                Prompter& prompter, std::string caption);

    void setEditors(const Editors& editors) { m_editors = editors; }

    // The editor of the current column; null before the editors exist.
    [[nodiscard]] QWidget* EditorForColumn() const;
    // key: 0 for a mouse press, 13 after Enter, otherwise the character typed over the grid.
    void showEditor(int key);
    // The current cell's text into its (hidden) editor.
    void loadEditor();
    // Stores a value still open in the current cell's editor and hides it; nothing when no
    // editor is open.
    void commitEditor();

    // Whether a press of this button opens the editor over the current cell.
    [[nodiscard]] bool acceptsMouseDown(short button) const;
    void keyPress(int key);
    // Scrolling hides the editors and drops what was typed.
    void scrolled();
    // Escape: the open editor closes, its cell keeps the stored value; false when none is open.
    bool cancelEditor();
    // Enter pressed while focus was in the grid or one of its editors.
    void enterKey(QWidget* focus);
    void hideEditors();

private:
    [[nodiscard]] bool isFrequencyColumn() const;
    // L or U over CHN Lock stores Lock or UnLock at once.
    void chooseLock(int key);
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
    CellValueStore m_store;
    Prompter& m_prompter;
    std::string m_caption;
    Editors m_editors;
};

} // namespace tarn
