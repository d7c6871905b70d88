#pragma once

#include "common/Clock.h"

namespace tarn {

class SystemClock final : public Clock {
public:
    void sleep(int milliseconds) override;
    [[nodiscard]] std::int64_t nowMs() const override;
};

} // namespace tarn
