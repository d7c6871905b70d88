#pragma once

#include "common/SystemClock.h"

namespace tarn::bench {

// The real clock, adding up the sleeps the protocol asks for.
class CountingClock final : public Clock {
public:
    void sleep(int milliseconds) override {
        m_sleptMs += milliseconds;
        m_clock.sleep(milliseconds);
    }
    [[nodiscard]] std::int64_t nowMs() const override { return m_clock.nowMs(); }
    [[nodiscard]] std::int64_t sleptMs() const { return m_sleptMs; }

private:
    SystemClock m_clock;
    std::int64_t m_sleptMs = 0;
};

} // namespace tarn::bench
