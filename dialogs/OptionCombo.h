#pragma once

#include <QComboBox>

#include <span>
#include <string_view>

namespace tarn {

// A drop-down box with an editable text field whose value is the index of the list entry
// it shows. Typed text never adds an entry; text that names no entry reads as no selection.
class OptionCombo : public QComboBox {
    Q_OBJECT

public:
    static constexpr int NoSelection = -1;

    OptionCombo(int controlId, QWidget* parent);

    void setEntries(std::span<const std::string_view> entries);
    // An index outside the list leaves the box empty.
    void select(int index);
    [[nodiscard]] int selection() const;

signals:
    // The entry shown has changed, by a choice from the list or by typing.
    void selectionChanged(int selection);

private:
    void checkSelection();

    int m_selection = NoSelection;
};

} // namespace tarn
