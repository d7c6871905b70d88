#pragma once

#include "link/SessionTimer.h"

#include <QTimer>

namespace tarn {

// The steady clock and a precise single-shot QTimer. Qt counts whole milliseconds, so the timer
// is set for the whole milliseconds left and what remains of the last one is waited out with
// zero-time passes of the event loop: a 1 ms pause lasts 1 ms, not 2.
class PreciseSessionTimer final : public SessionTimer {
public:
    PreciseSessionTimer();

    [[nodiscard]] double nowMs() const override;
    void wakeAt(std::optional<double> atMs) override;

private:
    void onTimeout();

    QTimer m_timer;
    std::optional<double> m_due;
};

} // namespace tarn
