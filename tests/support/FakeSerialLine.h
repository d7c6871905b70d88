#pragma once

#include "link/SerialLine.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tarn {
class VirtualRadio;
}

namespace tarn::test {

class VirtualClock;

// A serial line wired to an in-process virtual radio. Reads follow the timeout rule on the
// virtual clock: waiting for a byte advances the clock, so time-outs cost nothing.
class FakeSerialLine final : public SerialLine {
public:
    FakeSerialLine(VirtualRadio& radio, VirtualClock& clock);

    [[nodiscard]] bool open(const std::string& portName) override;
    void setQueueSizes(std::size_t inputBytes, std::size_t outputBytes) override;
    void setTimeouts(const SerialTimeouts& timeouts) override;
    void setLineSettings(const LineSettings& settings) override;
    [[nodiscard]] ReadResult read(std::span<std::uint8_t> buffer) override;
    [[nodiscard]] bool write(std::span<const std::uint8_t> bytes) override;
    void purgeAll() override;
    std::size_t purge() override;
    void close() override;
    [[nodiscard]] bool isOpen() const override { return m_open; }
    [[nodiscard]] bool isLost() const override { return m_lost; }
    [[nodiscard]] ReadResult readArrived(std::span<std::uint8_t> buffer) override;
    [[nodiscard]] bool writeWithoutDrain(std::span<const std::uint8_t> bytes) override {
        return write(bytes);
    }
    void setArrivalHandler(std::function<void()> handler) override {
        m_onArrival = std::move(handler);
    }

    // For an event-driven driver on virtual time: the time, a jump forward, the radio's next
    // byte, and the arrival call the port would make.
    [[nodiscard]] std::int64_t nowNs() const;
    void waitUntilNs(std::int64_t timeNs);
    // When the radio's next byte reaches this end; empty while none comes or the line is shut.
    [[nodiscard]] std::optional<std::int64_t> nextArrivalNs() const;
    void notifyArrival() {
        if (m_onArrival)
            m_onArrival();
    }

    void failOpen(bool fail) { m_failOpen = fail; }
    // Opens fail as the system failed them: with an errno value for the device.
    void failOpen(OpenFailure failure) {
        m_failOpen = true;
        m_openFailure = std::move(failure);
    }
    [[nodiscard]] OpenFailure openFailure() const override {
        return m_failOpen ? m_openFailure : OpenFailure{};
    }
    // The n-th read or write (1-based, counted from the first open) fails.
    void failRead(int n) { m_failRead = n; }
    void failWrite(int n) { m_failWrite = n; }
    // From the n-th read on the device is gone: everything fails until it is opened again;
    // a device that stays unplugged cannot be opened at all.
    void loseAtRead(int n, bool staysUnplugged = false) {
        m_loseAtRead = n;
        m_staysUnplugged = staysUnplugged;
    }

    // The n-th read is cut short as a cancel cuts the real port's wait: interrupt runs, and
    // the read ends with nothing, without failing.
    void interruptRead(int n, std::function<void()> interrupt) {
        m_interruptRead = n;
        m_interrupt = std::move(interrupt);
    }

    [[nodiscard]] const std::string& openedName() const { return m_openedName; }
    [[nodiscard]] int openCount() const { return m_openCount; }
    [[nodiscard]] int closeCount() const { return m_closeCount; }
    [[nodiscard]] std::size_t inputQueue() const { return m_inputQueue; }
    [[nodiscard]] std::size_t outputQueue() const { return m_outputQueue; }
    [[nodiscard]] const SerialTimeouts& timeouts() const { return m_timeouts; }
    [[nodiscard]] const LineSettings& lineSettings() const { return m_settings; }
    // Sizes of the reads asked for, in order.
    [[nodiscard]] const std::vector<std::size_t>& readSizes() const { return m_readSizes; }

private:
    std::size_t discardArrived();

    VirtualRadio& m_radio;
    VirtualClock& m_clock;
    bool m_open = false;
    bool m_failOpen = false;
    OpenFailure m_openFailure;
    int m_failRead = 0;
    int m_failWrite = 0;
    int m_loseAtRead = 0;
    int m_interruptRead = 0;
    std::function<void()> m_interrupt;
    bool m_lost = false;
    bool m_staysUnplugged = false;
    bool m_unplugged = false;
    int m_reads = 0;
    int m_writes = 0;
    std::string m_openedName;
    int m_openCount = 0;
    int m_closeCount = 0;
    std::size_t m_inputQueue = 0;
    std::size_t m_outputQueue = 0;
    SerialTimeouts m_timeouts;
    LineSettings m_settings;
    std::vector<std::size_t> m_readSizes;
    std::int64_t m_subMsNs = 0;
    std::function<void()> m_onArrival; // time within the current virtual millisecond
};

} // namespace tarn::test
