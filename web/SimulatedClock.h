#pragma once

#include "common/Clock.h"

namespace tarn {

// Time that passes only when slept through: the demo radio answers at once, so a transfer
// with it runs in one call and its pacing is simulated.
class SimulatedClock final : public Clock {
public:
    void sleep(int milliseconds) override {
        if (milliseconds > 0)
            m_now += milliseconds;
    }
    [[nodiscard]] std::int64_t nowMs() const override { return m_now; }
    void advance(std::int64_t milliseconds) { m_now += milliseconds; }

private:
    std::int64_t m_now = 0;
};

} // namespace tarn
