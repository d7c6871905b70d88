#pragma once

#include <cstdint>

namespace tarn {

// Sleeps and the time they take; virtual in tests so protocol waits cost nothing.
class Clock {
public:
    virtual ~Clock() = default;
    virtual void sleep(int milliseconds) = 0;
    [[nodiscard]] virtual std::int64_t nowMs() const = 0;
};

} // namespace tarn
