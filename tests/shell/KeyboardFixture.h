#pragma once

#include "shell/DocumentWindow.h"
#include "shell/MainWindow.h"
#include "tests/shell/ShellFixture.h"
#include "view/ChannelView.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

namespace tarn::test {

// The program started with its main window active, driven by keys that go where the focus is,
// as a user's keys do.
class KeyboardFixture : public ShellFixture {
protected:
    void SetUp() override {
        ShellFixture::SetUp();
        ASSERT_TRUE(start());
        main().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&main()));
    }

    [[nodiscard]] ChannelView& view() { return active()->view(); }
    [[nodiscard]] ChannelTableView& grid() { return view().grid(); }
    [[nodiscard]] static QWidget* focused() { return QApplication::focusWidget(); }
    void press(QKeyCombination key) {
        QWidget* target = focused() != nullptr ? focused() : &main();
        QTest::keyClick(target, key.key(), key.keyboardModifiers());
        flushDeletes();
    }
    void focusGrid(int row = 1, int col = 1) {
        grid().setCurrentCell({row, col});
        grid().setFocus();
        ASSERT_EQ(focused(), &grid());
    }
    // Opens the frequency editor over RX Freq of the row by typing the value there.
    QLineEdit& typeFrequency(int row, const char* text) {
        focusGrid(row, 1);
        for (const char* c = text; *c != '\0'; ++c)
            QTest::keyClick(focused(), *c);
        return *view().frequencyEdit();
    }
};

} // namespace tarn::test
