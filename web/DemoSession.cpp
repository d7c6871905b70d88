#include "web/DemoSession.h"

#include <algorithm>
#include <cmath>

namespace tarn {

DemoSession::DemoSession() {
    m_radio.setPacing(true);
    const RadioImage blank = RadioImage::newDocument();
    std::copy(blank.bytes().begin(), blank.bytes().end(), m_radio.memory().begin());
}

std::string DemoSession::memory() const {
    const auto bytes = m_radio.memory();
    return {bytes.begin(), bytes.end()};
}

void DemoSession::setMemory(const std::string& bytes) {
    const std::size_t count = std::min(bytes.size(), VirtualRadio::MemorySize);
    std::transform(bytes.begin(), bytes.begin() + static_cast<long>(count),
                   m_radio.memory().begin(), [](char c) { return static_cast<std::uint8_t>(c); });
}

void DemoSession::start(TransferDirection direction, const RadioImage& image,
                        SessionOptions options) {
    m_asking = false;
    m_pending = Pending::None;
    m_session.start(direction, image, options, nowMs());
}

std::vector<SessionAction> DemoSession::run(int budget) {
    std::vector<SessionAction> taken;
    for (int step = 0; step < budget; ++step) {
        std::vector<SessionAction> actions = m_session.takeActions();
        for (const SessionAction& action : actions)
            perform(action);
        taken.insert(taken.end(), std::make_move_iterator(actions.begin()),
                     std::make_move_iterator(actions.end()));
        if (m_session.hasEnded() || !m_session.isRunning())
            break;
        if (m_session.step() == TransferSession::Step::Asking && m_asking) {
            // The page answers; nothing moves meanwhile.
            m_asking = false;
            break;
        }
        advance();
    }
    return taken;
}

void DemoSession::perform(const SessionAction& action) {
    using Kind = SessionAction::Kind;
    switch (action.kind) {
    case Kind::OpenPort:
        m_open = true;
        m_pending = Pending::Open;
        m_pendingOk = true;
        m_pendingAtNs = m_nowNs;
        return;
    case Kind::ClosePort:
        m_open = false;
        return;
    case Kind::Write:
        m_pending = Pending::Write;
        m_pendingOk = m_open && !m_radio.hungUp();
        if (m_pendingOk)
            m_radio.receive(action.bytes, m_nowNs);
        // Paced, a write has left the port once its last byte is on the wire.
        m_pendingAtNs = m_pendingOk ? lastByteToRadioNs() : m_nowNs;
        return;
    case Kind::Ask:
        m_asking = true;
        return;
    default:
        return;
    }
}

void DemoSession::advance() {
    if (m_pending != Pending::None) {
        const Pending pending = std::exchange(m_pending, Pending::None);
        m_nowNs = std::max(m_nowNs, m_pendingAtNs);
        if (pending == Pending::Open)
            m_session.portOpened(m_pendingOk, nowMs());
        else
            m_session.written(m_pendingOk, nowMs());
        return;
    }
    const std::optional<double> deadline = m_session.nextDeadline();
    const auto deadlineNs =
        deadline ? static_cast<std::int64_t>(std::ceil(*deadline * NsPerMs)) : std::int64_t{0};
    if (m_open && m_radio.hasOutput() && (!deadline || m_radio.nextOutputNs() <= deadlineNs)) {
        m_nowNs = std::max(m_nowNs, m_radio.nextOutputNs());
        deliverReadyBytes();
        return;
    }
    if (!deadline) {
        // Waiting for nothing can only be a fault of the engine: end rather than hang.
        m_session.cancel(nowMs());
        return;
    }
    m_nowNs = std::max(m_nowNs, deadlineNs);
    // What arrived by the deadline is no silence.
    deliverReadyBytes();
    m_session.timeElapsed(nowMs());
}

void DemoSession::deliverReadyBytes() {
    std::vector<std::uint8_t> bytes;
    while (m_open) {
        const std::optional<std::uint8_t> byte = m_radio.takeByte(m_nowNs);
        if (!byte)
            break;
        bytes.push_back(*byte);
    }
    if (!bytes.empty())
        m_session.bytesReceived(bytes, nowMs());
}

std::int64_t DemoSession::lastByteToRadioNs() const {
    const std::vector<WireByte>& entries = m_radio.wireLog().entries();
    const auto last = std::find_if(entries.rbegin(), entries.rend(), [](const WireByte& byte) {
        return byte.direction == WireDirection::ToRadio;
    });
    return last == entries.rend() ? m_nowNs : std::max(m_nowNs, last->timeNs);
}

} // namespace tarn
