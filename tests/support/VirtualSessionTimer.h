#pragma once

#include "link/SessionTimer.h"

#include <QTimer>

#include <functional>

namespace tarn::test {

class FakeSerialLine;

// Virtual time for a session driven by Qt's event loop over a FakeSerialLine: each wake-up is
// one pass of the loop that moves the time on to the radio's next byte or to the deadline,
// whichever comes first, so a whole transfer takes no real time.
class VirtualSessionTimer final : public SessionTimer {
public:
    explicit VirtualSessionTimer(FakeSerialLine& line);

    [[nodiscard]] double nowMs() const override;
    void wakeAt(std::optional<double> atMs) override;
    // Runs at every step, before the time moves on (e.g. to press Cancel at a chosen block).
    void onStep(std::function<void()> hook) { m_hook = std::move(hook); }
    [[nodiscard]] int steps() const { return m_steps; }

private:
    void step();

    FakeSerialLine& m_line;
    QTimer m_timer;
    std::optional<double> m_due;
    std::function<void()> m_hook;
    int m_steps = 0;
};

} // namespace tarn::test
