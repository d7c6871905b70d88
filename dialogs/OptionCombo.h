#pragma once

#include <QComboBox>

#include "data/ListName.h"

#include <span>
#include <string_view>

namespace tarn {

// A drop-down box with an editable text field whose value is the index of the list entry
// it shows. Typed text never adds an entry; text naming an entry in any letter case selects
// it, other text reads as no selection.
class OptionCombo : public QComboBox {
    Q_OBJECT

public:
    static constexpr int NoSelection = -1;

    OptionCombo(int controlId, QWidget* parent);

    void setEntries(std::span<const std::string_view> entries);
    // An index outside the list leaves the box empty.
    void select(int index);
    [[nodiscard]] int selection() const;
    // Remembers whether the box opens with no entry, for choice().
    void markOpened() { m_openedEmpty = selection() == NoSelection; }
    // What OK makes of the box.
    [[nodiscard]] ListName::Choice choice() const;
    // Focus on the box with its text selected, for the user to mend.
    void focusForMending();

signals:
    // The entry shown has changed, by a choice from the list or by typing.
    void selectionChanged(int selection);

private:
    void checkSelection();

    int m_selection = NoSelection;
    bool m_openedEmpty = false;
};

} // namespace tarn
