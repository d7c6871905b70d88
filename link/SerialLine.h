#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>

namespace tarn {

// Read timeouts in the radio's terms: a read of n bytes waits at most
// totalMultiplierMs * n + totalConstantMs and ends early after intervalMs of silence
// between two bytes.
struct SerialTimeouts {
    int readIntervalMs = 30;
    int readTotalMultiplierMs = 500;
    int readTotalConstantMs = 90;
    int writeTotalMultiplierMs = 50;
    int writeTotalConstantMs = 50;
};

enum class Parity { None, Odd, Even };

// 8N1 at 9600 baud unless told otherwise; flow control stays as the port has it.
struct LineSettings {
    int baudRate = 9600;
    int dataBits = 8;
    Parity parity = Parity::None;
    int stopBits = 1;
};

// A read that times out still succeeds with the bytes it got; failed means the port is
// no longer usable.
struct ReadResult {
    std::size_t count = 0;
    bool failed = false;
};

// Why the last open failed: the device it tried and an errno value (ENOENT: no such device,
// EACCES: not allowed, EBUSY: held by another program, others as they come); error 0 when
// nothing is known.
struct OpenFailure {
    std::string device;
    int error = 0;
    std::string text; // the system's own words
};

// The serial port the transfer talks through.
class SerialLine {
public:
    virtual ~SerialLine() = default;

    [[nodiscard]] virtual bool open(const std::string& portName) = 0;
    virtual void setQueueSizes(std::size_t inputBytes, std::size_t outputBytes) = 0;
    virtual void setTimeouts(const SerialTimeouts& timeouts) = 0;
    virtual void setLineSettings(const LineSettings& settings) = 0;
    // Reads up to buffer.size() bytes under the timeouts.
    [[nodiscard]] virtual ReadResult read(std::span<std::uint8_t> buffer) = 0;
    [[nodiscard]] virtual bool write(std::span<const std::uint8_t> bytes) = 0;
    // Discards pending bytes and aborts pending operations in both directions.
    virtual void purgeAll() = 0;
    // Discards pending bytes in both directions; returns how many received bytes it dropped.
    virtual std::size_t purge() = 0;
    virtual void close() = 0;
    [[nodiscard]] virtual bool isOpen() const = 0;
    // The device went away (unplugged, hung up); only a new open can bring it back.
    [[nodiscard]] virtual bool isLost() const { return false; }
    // After a failed open: why.
    [[nodiscard]] virtual OpenFailure openFailure() const { return {}; }

    // For a driver that never blocks: what arrived by now, without waiting; a write handed to
    // the device without waiting for it to leave; and whether it has left.
    [[nodiscard]] virtual ReadResult readArrived(std::span<std::uint8_t> buffer) {
        (void)buffer;
        return ReadResult{0, !isOpen() || isLost()};
    }
    [[nodiscard]] virtual bool writeWithoutDrain(std::span<const std::uint8_t> bytes) {
        return write(bytes);
    }
    [[nodiscard]] virtual bool outputDrained() { return true; }
    // Called from the event loop whenever bytes arrive or the device fails; a line that has
    // no event loop behind it never calls it.
    virtual void setArrivalHandler(std::function<void()> handler) { (void)handler; }
};

} // namespace tarn
