#pragma once

#include "link/SerialLine.h"

#include <cstdint>

namespace tarn {

class SimulatedClock;
class VirtualRadio;

// A serial line wired to the virtual radio inside the page. Waiting for a byte moves the
// simulated clock, so the radio's timing rules hold without any real wait.
class DemoRadioLine final : public SerialLine {
public:
    DemoRadioLine(VirtualRadio& radio, SimulatedClock& clock);

    [[nodiscard]] bool open(const std::string& portName) override;
    void setQueueSizes(std::size_t, std::size_t) override {}
    void setTimeouts(const SerialTimeouts& timeouts) override { m_timeouts = timeouts; }
    void setLineSettings(const LineSettings&) override {}
    [[nodiscard]] ReadResult read(std::span<std::uint8_t> buffer) override;
    [[nodiscard]] bool write(std::span<const std::uint8_t> bytes) override;
    void purgeAll() override { (void)purge(); }
    std::size_t purge() override;
    void close() override { m_open = false; }
    [[nodiscard]] bool isOpen() const override { return m_open; }

private:
    [[nodiscard]] std::int64_t nowNs() const;
    void waitUntilNs(std::int64_t timeNs);

    VirtualRadio& m_radio;
    SimulatedClock& m_clock;
    SerialTimeouts m_timeouts;
    std::int64_t m_subMsNs = 0;
    bool m_open = false;
};

} // namespace tarn
