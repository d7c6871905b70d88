#include "shell/WindowKeys.h"

#include <QAction>
#include <QKeySequence>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace tarn {

WindowKeys::WindowKeys(QMainWindow& window, QMdiArea& area)
    : QObject(&window)
    , m_area(area) {
    addKey(window, QKeySequence(Qt::CTRL | Qt::Key_F4), &WindowKeys::closeActive);
    addKey(window, QKeySequence(Qt::CTRL | Qt::Key_F6), &WindowKeys::next);
    addKey(window, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F6), &WindowKeys::previous);
    addKey(window, QKeySequence(Qt::CTRL | Qt::Key_Tab), &WindowKeys::next);
    addKey(window, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), &WindowKeys::previous);
    addKey(window, QKeySequence(Qt::CTRL | Qt::Key_Backtab), &WindowKeys::previous);
}

void WindowKeys::addKey(QMainWindow& window, const QKeySequence& key, void (WindowKeys::*slot)()) {
    auto* action = new QAction(this);
    action->setShortcut(key);
    action->setShortcutContext(Qt::WindowShortcut);
    connect(action, &QAction::triggered, this, slot);
    window.addAction(action);
}

void WindowKeys::closeActive() {
    if (QMdiSubWindow* frame = m_area.currentSubWindow())
        frame->close();
}

void WindowKeys::next() {
    m_area.activateNextSubWindow();
}

void WindowKeys::previous() {
    m_area.activatePreviousSubWindow();
}

} // namespace tarn
