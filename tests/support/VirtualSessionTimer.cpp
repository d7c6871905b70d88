#include "tests/support/VirtualSessionTimer.h"

#include "tests/support/FakeSerialLine.h"

#include <cmath>

namespace tarn::test {

namespace {
constexpr double NsPerMs = 1'000'000.0;
}

VirtualSessionTimer::VirtualSessionTimer(FakeSerialLine& line)
    : m_line(line) {
    m_timer.setSingleShot(true);
    m_timer.setInterval(0);
    QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] { step(); });
}

double VirtualSessionTimer::nowMs() const {
    return static_cast<double>(m_line.nowNs()) / NsPerMs;
}

void VirtualSessionTimer::wakeAt(std::optional<double> atMs) {
    m_due = atMs;
    m_timer.start();
}

void VirtualSessionTimer::step() {
    ++m_steps;
    if (m_hook)
        m_hook();
    const std::optional<std::int64_t> arrival = m_line.nextArrivalNs();
    const std::optional<std::int64_t> due =
        m_due ? std::optional<std::int64_t>(static_cast<std::int64_t>(std::ceil(*m_due * NsPerMs)))
              : std::nullopt;
    if (arrival && (!due || *arrival <= *due)) {
        m_line.waitUntilNs(*arrival);
        // The driver sets the next wake-up once it has taken the bytes.
        m_line.notifyArrival();
        return;
    }
    if (!due)
        return;
    m_line.waitUntilNs(*due);
    m_due.reset();
    fire();
}

} // namespace tarn::test
