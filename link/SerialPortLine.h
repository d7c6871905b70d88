#pragma once

#include "link/SerialLine.h"

#include <QSerialPort>

#include <chrono>

namespace tarn {

// The real serial port. Reads follow the radio's timeout rule; an error other than a
// time-out marks the port dead, and every later read or write fails at once.
class SerialPortLine final : public SerialLine {
public:
    SerialPortLine();
    ~SerialPortLine() override;
    SerialPortLine(const SerialPortLine&) = delete;
    SerialPortLine& operator=(const SerialPortLine&) = delete;

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
    [[nodiscard]] bool isLost() const override { return m_dead; }

    // Why the last open failed or the port died; empty when nothing went wrong.
    [[nodiscard]] std::string errorText() const { return m_errorText; }
    // The device path the last open used.
    [[nodiscard]] std::string devicePath() const { return m_devicePath; }

private:
    using Deadline = std::chrono::steady_clock::time_point;

    [[nodiscard]] bool usable() const;
    [[nodiscard]] bool waitForBytes(Deadline until);
    void markDead();
    void requestLowLatency();
    void drainOutput();

    QSerialPort m_port;
    SerialTimeouts m_timeouts;
    bool m_dead = false;
    std::string m_errorText;
    std::string m_devicePath;
};

} // namespace tarn
