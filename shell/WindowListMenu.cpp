#include "shell/WindowListMenu.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPointer>

namespace tarn {

WindowListMenu::WindowListMenu(QMenu& menu, QMdiArea& area)
    : QObject(&menu)
    , m_menu(menu)
    , m_area(area) {
    connect(&menu, &QMenu::aboutToShow, this, &WindowListMenu::rebuild);
}

void WindowListMenu::rebuild() {
    for (QAction* entry : m_entries) {
        m_menu.removeAction(entry);
        entry->deleteLater();
    }
    m_entries.clear();

    int number = 0;
    for (QMdiSubWindow* window : m_area.subWindowList()) {
        if (window->isHidden())
            continue; // closed, waiting to go
        if (number == MaxEntries)
            break;
        if (number == 0)
            m_entries.push_back(m_menu.addSeparator());
        QString title = window->windowTitle();
        title.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* entry = m_menu.addAction(QStringLiteral("&%1 %2").arg(++number).arg(title));
        entry->setProperty("commandId", FirstWindowId + number - 1);
        entry->setCheckable(true);
        entry->setChecked(window == m_area.currentSubWindow());
        const QPointer<QMdiSubWindow> target(window);
        connect(entry, &QAction::triggered, &m_area, [this, target] {
            if (target)
                m_area.setActiveSubWindow(target);
        });
        m_entries.push_back(entry);
    }
}

} // namespace tarn
