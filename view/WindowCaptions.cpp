#include "view/WindowCaptions.h"

#include <QCoreApplication>

#include <QMdiSubWindow>
#include <QWidget>

#include <utility>

namespace tarn {

namespace {

constexpr int LastChannel = 199;

QMdiSubWindow* documentWindowOf(QWidget& widget) {
    for (QWidget* w = widget.parentWidget(); w; w = w->parentWidget()) {
        if (auto* frame = qobject_cast<QMdiSubWindow*>(w))
            return frame;
    }
    return nullptr;
}

void setTitle(QWidget& window, const QString& title) {
    if (window.windowTitle() != title)
        window.setWindowTitle(title);
}

} // namespace

WindowCaptions::WindowCaptions(QString applicationTitle)
    : m_applicationTitle(std::move(applicationTitle)) {}

void WindowCaptions::update(QWidget& view, int row) const {
    QMdiSubWindow* frame = documentWindowOf(view);
    QWidget& main = *view.window();
    // A maximized document window shows its title inside the main window's, and puts it back
    // whenever the main title is set: that merged title counts as set.
    const bool merged = frame && frame->isMaximized() &&
                        main.windowTitle().startsWith(m_applicationTitle + QStringLiteral(" - ["));
    if (!merged)
        setTitle(main, m_applicationTitle);
    if (frame)
        setTitle(*frame, channelCaption(row));
}

QString WindowCaptions::channelCaption(int row) const {
    if (row == 0)
        row = 1;
    if (row < 1 || row > LastChannel)
        return m_applicationTitle;
    return QCoreApplication::translate("tarn::WindowCaptions", "Channel Information [Channel-%1]")
        .arg(row);
}

} // namespace tarn
