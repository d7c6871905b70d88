#pragma once

#include "common/Clock.h"

#include <functional>
#include <vector>

namespace tarn::test {

// A clock whose sleeps advance time at once; every sleep is recorded.
class VirtualClock final : public Clock {
public:
    void sleep(int milliseconds) override;
    [[nodiscard]] std::int64_t nowMs() const override { return m_now; }

    void advance(std::int64_t milliseconds) { m_now += milliseconds; }
    [[nodiscard]] const std::vector<int>& sleeps() const { return m_sleeps; }
    void clearSleeps() { m_sleeps.clear(); }
    // Runs after every sleep, e.g. to let a fake peer act on the advanced time.
    void onSleep(std::function<void(int)> hook) { m_hook = std::move(hook); }

private:
    std::int64_t m_now = 0;
    std::vector<int> m_sleeps;
    std::function<void(int)> m_hook;
};

} // namespace tarn::test
