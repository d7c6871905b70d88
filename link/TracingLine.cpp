#include "link/TracingLine.h"

#include "common/Clock.h"

#include <algorithm>

namespace tarn {

TracingLine::TracingLine(SerialLine& line, const Clock& clock, SerialTrace& trace)
    : m_line(line)
    , m_clock(clock)
    , m_trace(trace) {}

bool TracingLine::open(const std::string& portName) {
    return m_line.open(portName);
}

void TracingLine::setQueueSizes(std::size_t inputBytes, std::size_t outputBytes) {
    m_line.setQueueSizes(inputBytes, outputBytes);
}

void TracingLine::setTimeouts(const SerialTimeouts& timeouts) {
    m_line.setTimeouts(timeouts);
}

void TracingLine::setLineSettings(const LineSettings& settings) {
    m_line.setLineSettings(settings);
}

ReadResult TracingLine::read(std::span<std::uint8_t> buffer) {
    const std::int64_t began = m_clock.nowMs();
    const ReadResult result = m_line.read(buffer);
    // The bytes came at some moment of the wait; its start is the time the trace can vouch for.
    m_trace.add(TraceDirection::FromRadio, buffer.first(std::min(result.count, buffer.size())),
                began);
    return result;
}

bool TracingLine::write(std::span<const std::uint8_t> bytes) {
    const std::int64_t began = m_clock.nowMs();
    const bool written = m_line.write(bytes);
    if (written)
        m_trace.add(TraceDirection::ToRadio, bytes, began);
    return written;
}

void TracingLine::purgeAll() {
    m_line.purgeAll();
}

std::size_t TracingLine::purge() {
    return m_line.purge();
}

void TracingLine::close() {
    m_line.close();
}

bool TracingLine::isOpen() const {
    return m_line.isOpen();
}

bool TracingLine::isLost() const {
    return m_line.isLost();
}

OpenFailure TracingLine::openFailure() const {
    return m_line.openFailure();
}

} // namespace tarn
