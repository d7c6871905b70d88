#include "tests/support/FakeSerialLine.h"

#include "radio/VirtualRadio.h"
#include "tests/support/VirtualClock.h"

#include <algorithm>

namespace tarn::test {

namespace {
constexpr std::int64_t NsPerMs = 1'000'000;
}

FakeSerialLine::FakeSerialLine(VirtualRadio& radio, VirtualClock& clock)
    : m_radio(radio)
    , m_clock(clock) {}

bool FakeSerialLine::open(const std::string& portName) {
    m_openedName = portName;
    if (m_failOpen || m_unplugged)
        return false;
    m_lost = false;
    ++m_openCount;
    m_open = true;
    return true;
}

void FakeSerialLine::setQueueSizes(std::size_t inputBytes, std::size_t outputBytes) {
    m_inputQueue = inputBytes;
    m_outputQueue = outputBytes;
}

void FakeSerialLine::setTimeouts(const SerialTimeouts& timeouts) {
    m_timeouts = timeouts;
}

void FakeSerialLine::setLineSettings(const LineSettings& settings) {
    m_settings = settings;
}

std::int64_t FakeSerialLine::nowNs() const {
    return m_clock.nowMs() * NsPerMs + m_subMsNs;
}

void FakeSerialLine::waitUntilNs(std::int64_t timeNs) {
    const std::int64_t now = nowNs();
    if (timeNs <= now)
        return;
    const std::int64_t target = timeNs - m_clock.nowMs() * NsPerMs;
    m_clock.advance(target / NsPerMs);
    m_subMsNs = target % NsPerMs;
}

ReadResult FakeSerialLine::read(std::span<std::uint8_t> buffer) {
    m_readSizes.push_back(buffer.size());
    ReadResult result;
    if (++m_reads == m_loseAtRead) {
        m_lost = true;
        m_unplugged = m_staysUnplugged;
    }
    if (!m_open || m_lost || m_radio.hungUp() || m_reads == m_failRead) {
        result.failed = true;
        return result;
    }
    if (m_reads == m_interruptRead) {
        m_interrupt();
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

ReadResult FakeSerialLine::readArrived(std::span<std::uint8_t> buffer) {
    ReadResult result;
    if (!m_open || m_lost || m_radio.hungUp()) {
        result.failed = true;
        return result;
    }
    while (result.count < buffer.size()) {
        const auto byte = m_radio.takeByte(nowNs());
        if (!byte)
            break;
        buffer[result.count++] = *byte;
    }
    return result;
}

std::optional<std::int64_t> FakeSerialLine::nextArrivalNs() const {
    if (!m_open || m_lost || !m_radio.hasOutput())
        return std::nullopt;
    return m_radio.nextOutputNs();
}

bool FakeSerialLine::write(std::span<const std::uint8_t> bytes) {
    if (!m_open || m_lost || ++m_writes == m_failWrite || m_radio.hungUp())
        return false;
    m_radio.receive(bytes, nowNs());
    return true;
}

std::size_t FakeSerialLine::discardArrived() {
    return m_radio.takeOutput(nowNs()).size();
}

void FakeSerialLine::purgeAll() {
    discardArrived();
}

std::size_t FakeSerialLine::purge() {
    return discardArrived();
}

void FakeSerialLine::close() {
    if (m_open)
        ++m_closeCount;
    m_open = false;
}

} // namespace tarn::test
