#pragma once

#include "link/SerialLine.h"

namespace tarn::bench {

// Passes everything to another line and counts the bytes that crossed the wire.
class CountingLine final : public SerialLine {
public:
    explicit CountingLine(SerialLine& line)
        : m_line(line) {}

    [[nodiscard]] bool open(const std::string& portName) override { return m_line.open(portName); }
    void setQueueSizes(std::size_t in, std::size_t out) override { m_line.setQueueSizes(in, out); }
    void setTimeouts(const SerialTimeouts& timeouts) override { m_line.setTimeouts(timeouts); }
    void setLineSettings(const LineSettings& settings) override {
        m_line.setLineSettings(settings);
    }
    [[nodiscard]] ReadResult read(std::span<std::uint8_t> buffer) override;
    [[nodiscard]] bool write(std::span<const std::uint8_t> bytes) override;
    void purgeAll() override { m_line.purgeAll(); }
    std::size_t purge() override { return m_line.purge(); }
    void close() override { m_line.close(); }
    [[nodiscard]] bool isOpen() const override { return m_line.isOpen(); }
    [[nodiscard]] bool isLost() const override { return m_line.isLost(); }

    [[nodiscard]] std::size_t wireBytes() const { return m_wireBytes; }

private:
    SerialLine& m_line;
    std::size_t m_wireBytes = 0;
};

} // namespace tarn::bench
