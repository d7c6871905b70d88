#include "web/DemoRadioLine.h"

#include "radio/VirtualRadio.h"
#include "web/SimulatedClock.h"

#include <algorithm>

namespace tarn {

namespace {
constexpr std::int64_t NsPerMs = 1'000'000;
}

DemoRadioLine::DemoRadioLine(VirtualRadio& radio, SimulatedClock& clock)
    : m_radio(radio)
    , m_clock(clock) {}

bool DemoRadioLine::open(const std::string&) {
    m_open = true;
    return true;
}

std::int64_t DemoRadioLine::nowNs() const {
    return m_clock.nowMs() * NsPerMs + m_subMsNs;
}

void DemoRadioLine::waitUntilNs(std::int64_t timeNs) {
    if (timeNs <= nowNs())
        return;
    const std::int64_t target = timeNs - m_clock.nowMs() * NsPerMs;
    m_clock.advance(target / NsPerMs);
    m_subMsNs = target % NsPerMs;
}

ReadResult DemoRadioLine::read(std::span<std::uint8_t> buffer) {
    ReadResult result;
    if (!m_open || m_radio.hungUp()) {
        result.failed = true;
        return result;
    }
    const std::int64_t total =
        nowNs() + (static_cast<std::int64_t>(m_timeouts.readTotalMultiplierMs) *
                       static_cast<std::int64_t>(buffer.size()) +
                   m_timeouts.readTotalConstantMs) *
                      NsPerMs;
    std::int64_t until = total;
    while (result.count < buffer.size()) {
        if (!m_radio.hasOutput() || m_radio.nextOutputNs() > until) {
            waitUntilNs(until);
            break;
        }
        waitUntilNs(m_radio.nextOutputNs());
        while (result.count < buffer.size()) {
            const auto byte = m_radio.takeByte(nowNs());
            if (!byte)
                break;
            buffer[result.count++] = *byte;
        }
        until = std::min(total, nowNs() + m_timeouts.readIntervalMs * NsPerMs);
    }
    return result;
}

bool DemoRadioLine::write(std::span<const std::uint8_t> bytes) {
    if (!m_open || m_radio.hungUp())
        return false;
    m_radio.receive(bytes, nowNs());
    return true;
}

std::size_t DemoRadioLine::purge() {
    return m_radio.takeOutput(nowNs()).size();
}

} // namespace tarn
