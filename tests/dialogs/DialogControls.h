#pragma once

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <ostream>

// Readable QString values in test failures.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace tarn::test {

// The child control carrying a dialog control id, as the user's template names it.
template <typename T> T* control(QWidget& dialog, int id) {
    for (T* child : dialog.findChildren<T*>()) {
        if (child->property("controlId").toInt() == id)
            return child;
    }
    ADD_FAILURE() << "no control " << id;
    return nullptr;
}

inline QComboBox* box(QWidget& dialog, int id) {
    return control<QComboBox>(dialog, id);
}

inline QString shown(QWidget& dialog, int id) {
    QComboBox* combo = box(dialog, id);
    return combo ? combo->currentText() : QString();
}

// The label whose text is given, as the user reads it.
inline QLabel* label(QWidget& dialog, const QString& text) {
    for (QLabel* child : dialog.findChildren<QLabel*>()) {
        if (child->text() == text)
            return child;
    }
    ADD_FAILURE() << "no label " << text.toStdString();
    return nullptr;
}

// Replaces the text in a box's edit field as the user would by typing.
inline void typeInto(QComboBox& combo, const QString& text) {
    combo.setFocus();
    combo.lineEdit()->selectAll();
    QTest::keyClick(combo.lineEdit(), Qt::Key_Delete);
    QTest::keyClicks(combo.lineEdit(), text);
}

inline void clickButton(QWidget& dialog, int id) {
    QWidget* button = control<QWidget>(dialog, id);
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton);
}

} // namespace tarn::test
