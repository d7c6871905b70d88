#pragma once

#include <functional>
#include <optional>

namespace tarn {

// The time a session driven by Qt's event loop runs on, and its one wake-up. The program's is
// a steady clock with a precise timer; tests put virtual time behind it.
class SessionTimer {
public:
    virtual ~SessionTimer() = default;

    [[nodiscard]] virtual double nowMs() const = 0;
    // The handler runs once from the event loop at or after atMs, replacing any earlier wake-up.
    // Without a time nothing is due; the line's arrivals still come.
    virtual void wakeAt(std::optional<double> atMs) = 0;
    void setHandler(std::function<void()> handler) { m_handler = std::move(handler); }

protected:
    void fire() {
        if (m_handler)
            m_handler();
    }

private:
    std::function<void()> m_handler;
};

} // namespace tarn
