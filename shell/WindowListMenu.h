#pragma once

#include <QObject>

#include <vector>

class QAction;
class QMdiArea;
class QMenu;

namespace tarn {

// Keeps the list of open document windows at the end of the Window menu: "&1 title", ...,
// the active one checked; choosing an entry brings its window forward.
class WindowListMenu : public QObject {
    Q_OBJECT
public:
    // First id of the entries, as the window list has always been numbered.
    static constexpr int FirstWindowId = 0xFF00;
    static constexpr int MaxEntries = 9;

    WindowListMenu(QMenu& menu, QMdiArea& area);

    // Rebuilds the entries; runs each time the menu is about to show.
    void rebuild();

private:
    QMenu& m_menu;
    QMdiArea& m_area;
    std::vector<QAction*> m_entries;
};

} // namespace tarn
