#pragma once

#include "common/SerialTrace.h"
#include "link/SerialLine.h"

namespace tarn {

class Clock;

// Passes everything on to the real line and records each byte that went through it, with
// the time, into a trace: the transfer's own view of the wire.
class TracingLine final : public SerialLine {
public:
    TracingLine(SerialLine& line, const Clock& clock, SerialTrace& trace);

    [[nodiscard]] bool open(const std::string& portName) override;
    void setQueueSizes(std::size_t inputBytes, std::size_t outputBytes) override;
    void setTimeouts(const SerialTimeouts& timeouts) override;
    void setLineSettings(const LineSettings& settings) override;
    [[nodiscard]] ReadResult read(std::span<std::uint8_t> buffer) override;
    [[nodiscard]] bool write(std::span<const std::uint8_t> bytes) override;
    void purgeAll() override;
    std::size_t purge() override;
    void close() override;
    [[nodiscard]] bool isOpen() const override;
    [[nodiscard]] bool isLost() const override;
    [[nodiscard]] OpenFailure openFailure() const override;

private:
    SerialLine& m_line;
    const Clock& m_clock;
    SerialTrace& m_trace;
};

} // namespace tarn
