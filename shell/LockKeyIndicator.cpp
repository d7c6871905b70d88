#include "shell/LockKeyIndicator.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace tarn {

LockKeyIndicator::LockKeyIndicator(const QString& name, int key, QWidget* parent)
    : QLabel(name, parent)
    , m_key(key) {
    setAlignment(Qt::AlignCenter);
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
    setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("SCRL")) + 12);
    setOn(false);
    QCoreApplication::instance()->installEventFilter(this);
}

void LockKeyIndicator::setOn(bool on) {
    m_on = on;
    setEnabled(on);
}

bool LockKeyIndicator::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* press = static_cast<const QKeyEvent*>(event);
        // A key event travels up through several receivers; count each press once.
        const bool seen = event == m_lastPress && press->timestamp() == m_lastPressTime;
        if (press->key() == m_key && !seen) {
            m_lastPress = event;
            m_lastPressTime = press->timestamp();
            toggle();
        }
    }
    return QLabel::eventFilter(watched, event);
}

} // namespace tarn
