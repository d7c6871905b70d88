#pragma once

#include <QObject>

class QMainWindow;
class QMdiArea;
class QMdiSubWindow;

namespace tarn {

// The keys that move between document windows and close one: Ctrl+F4 closes the active window
// (through its save question), Ctrl+Tab and Ctrl+F6 bring the next one forward, with Shift the
// previous one. (The document windows' own keys are gone, so Ctrl+W is Write To Radio.)
class WindowKeys : public QObject {
    Q_OBJECT
public:
    WindowKeys(QMainWindow& window, QMdiArea& area);

private:
    void addKey(QMainWindow& window, const QKeySequence& key, void (WindowKeys::*slot)());
    void closeActive();
    void next();
    void previous();

    QMdiArea& m_area;
};

} // namespace tarn
