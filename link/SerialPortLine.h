#pragma once

#include "link/SerialLine.h"

#include <QSerialPort>

#include <chrono>
#include <functional>

namespace tarn {

// The real serial port. Reads follow the radio's timeout rule; an error other than a
// time-out marks the port dead, and every later read or write fails at once. The port is
// held with an advisory lock while open, against other programs and root alike; the
// terminal's exclusive flag is never left set, since only its setter could clear it.
class SerialPortLine final : public SerialLine {
public:
    using TimeSource = std::function<std::chrono::steady_clock::time_point()>;
    using StopCheck = std::function<bool()>;
    // How long a read waits at most before it looks at the stop check again.
    static constexpr int StopCheckSliceMs = 100;

    // now: where the read deadlines take their time from (tests make it jump).
    explicit SerialPortLine(TimeSource now = &std::chrono::steady_clock::now);
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
    [[nodiscard]] OpenFailure openFailure() const override { return m_openFailure; }

    // Asked while a read waits: true ends the read with what it has, without failing.
    void setStopCheck(StopCheck stop) { m_stop = std::move(stop); }
    [[nodiscard]] ReadResult readArrived(std::span<std::uint8_t> buffer) override;
    [[nodiscard]] bool writeWithoutDrain(std::span<const std::uint8_t> bytes) override;
    [[nodiscard]] bool outputDrained() override;
    // Under Qt's event loop: called on the port's readyRead and on its errors.
    void setArrivalHandler(std::function<void()> handler) override;
    // For a loop that polls the port itself: the device's descriptor, -1 when closed.
    [[nodiscard]] int descriptor() const;

    // Why the last open failed or the port died; empty when nothing went wrong.
    [[nodiscard]] std::string errorText() const { return m_errorText; }
    // The device path the last open used.
    [[nodiscard]] std::string devicePath() const { return m_devicePath; }

private:
    using Deadline = std::chrono::steady_clock::time_point;

    [[nodiscard]] bool usable() const;
    // The device hung up or went away (checked without waiting).
    [[nodiscard]] bool hungUp() const;
    [[nodiscard]] bool waitForBytes(Deadline until);
    [[nodiscard]] bool takeWhatArrived();
    [[nodiscard]] bool holdExclusively();
    void clearExclusiveFlag();
    [[nodiscard]] bool stopRequested() const { return m_stop && m_stop(); }
    void rearmArrivals();
    void markDead();
    void requestLowLatency();
    void drainOutput();

    void onPortError(QSerialPort::SerialPortError error);
    void noteOpenFailure(QSerialPort::SerialPortError error);

    TimeSource m_now;
    StopCheck m_stop;
    QSerialPort m_port;
    std::function<void()> m_onArrival;
    SerialTimeouts m_timeouts;
    bool m_dead = false;
    std::string m_errorText;
    std::string m_devicePath;
    OpenFailure m_openFailure;
};

} // namespace tarn
