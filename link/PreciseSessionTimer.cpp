#include "link/PreciseSessionTimer.h"

#include <chrono>
#include <cmath>

namespace tarn {

PreciseSessionTimer::PreciseSessionTimer() {
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] { onTimeout(); });
}

double PreciseSessionTimer::nowMs() const {
    using Ms = std::chrono::duration<double, std::milli>;
    return Ms(std::chrono::steady_clock::now().time_since_epoch()).count();
}

void PreciseSessionTimer::wakeAt(std::optional<double> atMs) {
    m_due = atMs;
    if (!atMs) {
        m_timer.stop();
        return;
    }
    const double left = *atMs - nowMs();
    m_timer.start(left <= 0 ? 0 : static_cast<int>(std::floor(left)));
}

void PreciseSessionTimer::onTimeout() {
    if (!m_due)
        return;
    if (nowMs() < *m_due) {
        m_timer.start(0);
        return;
    }
    m_due.reset();
    fire();
}

} // namespace tarn
