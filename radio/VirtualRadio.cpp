#include "radio/VirtualRadio.h"

#include <algorithm>

namespace tarn {

namespace {

constexpr std::array<std::uint8_t, 7> WakeUp = {0x02, 'P', 'R', 'O', 'G', 'R', 'A'};
constexpr std::uint8_t Ack = 0x06;
constexpr std::uint8_t Nak = 0x15;
constexpr std::uint8_t Stray = 0x00;
constexpr std::uint8_t ModeRequest = 'M';
constexpr std::uint8_t ModeArgument = 0x02;
constexpr std::uint8_t WriteCommand = 'W';
constexpr std::uint8_t ReadCommand = 'R';

} // namespace

VirtualRadio::VirtualRadio(FaultPlan faults)
    : m_faults(faults) {
    m_memory.fill(0xFF);
    m_identity = {'V', 'R', '0', '1', 0xFF, 0x00, 0x00, 0x00};
}

void VirtualRadio::receive(std::span<const std::uint8_t> bytes, std::int64_t nowNs) {
    for (const std::uint8_t byte : bytes) {
        if (m_hungUp)
            return;
        // With pacing a byte is complete one byte time after the previous one.
        m_receiveFreeNs = std::max(m_receiveFreeNs, nowNs) + m_byteTimeNs;
        const std::int64_t timeNs = m_byteTimeNs > 0 ? m_receiveFreeNs : nowNs;
        m_log.append(WireDirection::ToRadio, byte, timeNs);
        if (!m_faults.neverAnswer)
            consume(byte, timeNs);
    }
}

std::vector<std::uint8_t> VirtualRadio::takeOutput(std::int64_t nowNs) {
    std::vector<std::uint8_t> ready;
    while (!m_output.empty() && m_output.front().readyNs <= nowNs) {
        ready.push_back(m_output.front().value);
        m_output.pop_front();
    }
    return ready;
}

std::optional<std::uint8_t> VirtualRadio::takeByte(std::int64_t nowNs) {
    if (m_output.empty() || m_output.front().readyNs > nowNs)
        return std::nullopt;
    const std::uint8_t value = m_output.front().value;
    m_output.pop_front();
    return value;
}

void VirtualRadio::consume(std::uint8_t byte, std::int64_t timeNs) {
    switch (m_state) {
    case State::Command:
        commandByte(byte, timeNs);
        return;
    case State::Data:
        dataByte(byte, timeNs);
        return;
    case State::AwaitReadAck:
        if (byte == Ack) {
            const bool wrong = m_faults.wrongReadAckBlock == m_block - 1;
            const std::uint8_t reply = wrong ? Nak : Ack;
            send({&reply, 1}, timeNs);
            m_state = State::Ready;
            return;
        }
        m_state = State::Ready;
        break;
    default:
        break;
    }
    handshakeByte(byte, timeNs);
}

void VirtualRadio::handshakeByte(std::uint8_t byte, std::int64_t timeNs) {
    if (m_state == State::AwaitMode) {
        if (m_modeSeen && byte == ModeArgument) {
            m_modeSeen = false;
            m_wakeMatched = 0;
            if (!m_faults.dropIdentity)
                send(m_identity, timeNs);
            m_state = State::AwaitFinalAck;
            return;
        }
        m_modeSeen = byte == ModeRequest;
        if (m_modeSeen)
            return;
    } else if (m_state == State::AwaitFinalAck && byte == Ack) {
        const std::uint8_t reply = m_faults.wrongFinalAck ? Nak : Ack;
        send({&reply, 1}, timeNs);
        m_state = State::Ready;
        return;
    } else if (m_state == State::Ready && m_wakeMatched == 0 &&
               (byte == WriteCommand || byte == ReadCommand)) {
        m_command[0] = byte;
        m_commandBytes = 1;
        m_wakeMatched = 0;
        m_state = State::Command;
        return;
    }
    feedWakeUp(byte, timeNs);
}

void VirtualRadio::feedWakeUp(std::uint8_t byte, std::int64_t timeNs) {
    if (byte == WakeUp[m_wakeMatched]) {
        if (++m_wakeMatched == WakeUp.size()) {
            m_wakeMatched = 0;
            onWakeUp(timeNs);
        }
        return;
    }
    m_wakeMatched = byte == WakeUp[0] ? 1 : 0;
}

void VirtualRadio::onWakeUp(std::int64_t timeNs) {
    ++m_wakeUps;
    m_block = 0;
    if (m_faults.hangUpOnWakeUp) {
        m_hungUp = true;
        m_output.clear();
        return;
    }
    m_modeSeen = false;
    if (m_wakeUps <= m_faults.ignoredWakeUps) {
        m_state = State::Idle;
        return;
    }
    if (m_faults.ackAsSecondByte) {
        const std::array<std::uint8_t, 2> reply = {Stray, Ack};
        send(reply, timeNs);
    } else {
        send({&Ack, 1}, timeNs);
    }
    m_state = State::AwaitMode;
}

void VirtualRadio::commandByte(std::uint8_t byte, std::int64_t timeNs) {
    m_command[m_commandBytes++] = byte;
    if (m_commandBytes == m_command.size())
        onCommand(timeNs);
}

std::uint16_t VirtualRadio::commandAddress() const {
    return static_cast<std::uint16_t>((m_command[1] << 8) | m_command[2]);
}

void VirtualRadio::startBlock() {
    if (m_faults.hangUpBlock == m_block) {
        m_hungUp = true;
        m_output.clear();
    }
}

void VirtualRadio::onCommand(std::int64_t timeNs) {
    startBlock();
    if (m_hungUp)
        return;
    const std::size_t length = m_command[3];
    if (m_command[0] == WriteCommand) {
        m_data.clear();
        m_dataExpected = length;
        m_state = length == 0 ? State::Ready : State::Data;
        if (length == 0)
            ++m_block;
        return;
    }
    std::size_t address = commandAddress();
    if (m_faults.shiftReadBlock == m_block)
        address += length; // the next block of the same size
    std::vector<std::uint8_t> reply = {WriteCommand, static_cast<std::uint8_t>(address >> 8),
                                       static_cast<std::uint8_t>(address & 0xFF), m_command[3]};
    if (m_faults.noEcho)
        std::fill(reply.begin() + 1, reply.end(), std::uint8_t{0});
    for (std::size_t i = 0; i < length; ++i)
        reply.push_back(address + i < MemorySize ? m_memory[address + i] : 0xFF);
    if (m_faults.shortReadBlock == m_block)
        reply.resize(std::min(reply.size(), static_cast<std::size_t>(m_faults.shortReadLength)));
    if (m_faults.strayBeforeReadBlock == m_block)
        reply.insert(reply.begin(), Ack);
    if (m_faults.trailingByte)
        reply.push_back(Stray);
    send(reply, timeNs);
    ++m_block;
    ++m_blocksRead;
    m_state = State::AwaitReadAck;
}

void VirtualRadio::dataByte(std::uint8_t byte, std::int64_t timeNs) {
    m_data.push_back(byte);
    if (m_data.size() < m_dataExpected)
        return;
    const bool refuse = m_faults.refuseWriteBlock == m_block;
    if (!refuse) {
        const std::size_t address = commandAddress();
        const std::uint8_t garble = m_faults.badStoreBlock == m_block ? 0xFF : 0x00;
        for (std::size_t i = 0; i < m_data.size() && address + i < MemorySize; ++i)
            m_memory[address + i] = m_data[i] ^ garble;
        ++m_blocksWritten;
    }
    const std::uint8_t reply = refuse ? Nak : Ack;
    send({&reply, 1}, timeNs);
    ++m_block;
    m_state = State::Ready;
}

void VirtualRadio::send(std::span<const std::uint8_t> bytes, std::int64_t timeNs) {
    m_sendFreeNs = std::max(m_sendFreeNs, timeNs);
    std::size_t inPiece = 0;
    for (const std::uint8_t byte : bytes) {
        if (m_faults.splitPieceBytes > 0 &&
            inPiece == static_cast<std::size_t>(m_faults.splitPieceBytes)) {
            m_sendFreeNs += static_cast<std::int64_t>(m_faults.splitGapMs) * 1'000'000;
            inPiece = 0;
        }
        m_sendFreeNs += m_byteTimeNs;
        m_output.push_back({byte, m_sendFreeNs});
        m_log.append(WireDirection::FromRadio, byte, m_sendFreeNs);
        ++inPiece;
    }
}

} // namespace tarn
