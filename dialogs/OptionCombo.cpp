#include "dialogs/OptionCombo.h"

#include <QCoreApplication>
#include <QLineEdit>

#include <string>
#include <vector>

namespace tarn {

OptionCombo::OptionCombo(int controlId, QWidget* parent)
    : QComboBox(parent) {
    setProperty("controlId", controlId);
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    connect(this, &QComboBox::editTextChanged, this, &OptionCombo::checkSelection);
    connect(this, &QComboBox::currentIndexChanged, this, &OptionCombo::checkSelection);
}

void OptionCombo::setEntries(std::span<const std::string_view> entries) {
    clear();
    // Word entries of the options are marked in the core for this context; numbers and
    // names show as they are.
    for (const std::string_view entry : entries)
        addItem(QCoreApplication::translate("tarn::OptionalFeatures", std::string(entry).c_str()));
    select(NoSelection);
}

void OptionCombo::select(int index) {
    setCurrentIndex(index >= 0 && index < count() ? index : NoSelection);
}

int OptionCombo::selection() const {
    const int current = currentIndex();
    const QString shown = currentText();
    if (current >= 0 && itemText(current) == shown)
        return current;
    // The user typed over the entry: the text counts when it names one, in any case.
    return findText(shown.trimmed(), Qt::MatchFixedString);
}

ListName::Choice OptionCombo::choice() const {
    std::vector<std::string> texts;
    for (int i = 0; i < count(); ++i)
        texts.push_back(itemText(i).toStdString());
    const std::vector<std::string_view> entries(texts.begin(), texts.end());
    return ListName::choose(entries, currentText().toStdString(), m_openedEmpty);
}

void OptionCombo::focusForMending() {
    setFocus();
    lineEdit()->selectAll();
}

void OptionCombo::checkSelection() {
    const int now = selection();
    if (now == m_selection)
        return;
    m_selection = now;
    emit selectionChanged(now);
}

} // namespace tarn
