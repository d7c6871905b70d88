#pragma once

#include "common/WallClock.h"

namespace tarn::test {

// A wall clock that shows whatever time the test sets.
class FixedWallClock final : public WallClock {
public:
    explicit FixedWallClock(LocalTime time = {2026, 12, 7, 9, 55, 38})
        : m_time(time) {}
    [[nodiscard]] LocalTime localNow() const override { return m_time; }
    void set(LocalTime time) { m_time = time; }

private:
    LocalTime m_time;
};

} // namespace tarn::test
