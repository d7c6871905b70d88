#pragma once

#include "radio/FaultPlan.h"
#include "radio/WireLog.h"

#include <array>
#include <cstdint>
#include <deque>
#include <optional>
#include <span>
#include <vector>

namespace tarn {

// The radio side of the programming protocol, with a memory of its own. Time is given by
// the caller in nanoseconds; each reply byte carries the time it is fully on the wire, so a
// host can hand it over then.
class VirtualRadio {
public:
    static constexpr std::size_t MemorySize = 8192;
    static constexpr std::size_t IdentitySize = 8;
    static constexpr std::int64_t ByteTimeNs9600 = 1'041'667; // 10 bit times at 9600 baud

    struct Output {
        std::uint8_t value;
        std::int64_t readyNs;
    };

    explicit VirtualRadio(FaultPlan faults = {});

    void setRadioType(std::uint8_t type) { m_identity[4] = type; }
    [[nodiscard]] const std::array<std::uint8_t, IdentitySize>& identity() const {
        return m_identity;
    }
    // 9600 baud, 10 bits a byte, in both directions; off: bytes take no time.
    void setPacing(bool paced) { m_byteTimeNs = paced ? ByteTimeNs9600 : 0; }
    [[nodiscard]] std::span<std::uint8_t, MemorySize> memory() { return m_memory; }
    [[nodiscard]] std::span<const std::uint8_t, MemorySize> memory() const { return m_memory; }

    // Bytes from the PC, arrived at nowNs.
    void receive(std::span<const std::uint8_t> bytes, std::int64_t nowNs);
    [[nodiscard]] bool hasOutput() const { return !m_output.empty(); }
    [[nodiscard]] std::int64_t nextOutputNs() const { return m_output.front().readyNs; }
    // Reply bytes ready by nowNs, in order.
    [[nodiscard]] std::vector<std::uint8_t> takeOutput(std::int64_t nowNs);
    // The next reply byte, if it is ready by nowNs.
    [[nodiscard]] std::optional<std::uint8_t> takeByte(std::int64_t nowNs);
    // The radio dropped the line (fault plan); it takes and sends nothing more.
    [[nodiscard]] bool hungUp() const { return m_hungUp; }

    [[nodiscard]] const WireLog& wireLog() const { return m_log; }
    [[nodiscard]] int wakeUps() const { return m_wakeUps; }
    [[nodiscard]] int blocksWritten() const { return m_blocksWritten; }
    [[nodiscard]] int blocksRead() const { return m_blocksRead; }

private:
    enum class State { Idle, AwaitMode, AwaitFinalAck, Ready, Command, Data, AwaitReadAck };

    void consume(std::uint8_t byte, std::int64_t timeNs);
    void handshakeByte(std::uint8_t byte, std::int64_t timeNs);
    void commandByte(std::uint8_t byte, std::int64_t timeNs);
    void dataByte(std::uint8_t byte, std::int64_t timeNs);
    void feedWakeUp(std::uint8_t byte, std::int64_t timeNs);
    void onWakeUp(std::int64_t timeNs);
    void onCommand(std::int64_t timeNs);
    void startBlock();
    [[nodiscard]] std::uint16_t commandAddress() const;
    void send(std::span<const std::uint8_t> bytes, std::int64_t timeNs);

    FaultPlan m_faults;
    std::array<std::uint8_t, MemorySize> m_memory{};
    std::array<std::uint8_t, IdentitySize> m_identity{};
    std::int64_t m_byteTimeNs = 0;
    std::int64_t m_receiveFreeNs = 0;
    std::int64_t m_sendFreeNs = 0;
    std::deque<Output> m_output;
    WireLog m_log;

    State m_state = State::Idle;
    std::size_t m_wakeMatched = 0;
    bool m_modeSeen = false;
    std::array<std::uint8_t, 4> m_command{};
    std::size_t m_commandBytes = 0;
    std::vector<std::uint8_t> m_data;
    std::size_t m_dataExpected = 0;
    int m_wakeUps = 0;
    int m_block = 0;
    int m_blocksWritten = 0;
    int m_blocksRead = 0;
    bool m_hungUp = false;
};

} // namespace tarn
