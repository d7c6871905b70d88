#include "tests/support/SessionRig.h"

#include "radio/VirtualRadio.h"
#include "tests/support/TestPrompter.h"

#include <algorithm>
#include <utility>

namespace tarn::test {

namespace {
// Far more inputs than any transfer needs: a session that never ends fails instead of hanging.
constexpr int MaxSteps = 200'000;
} // namespace

SessionRig::SessionRig(VirtualRadio& radio, TestPrompter& prompter)
    : m_radio(radio)
    , m_prompter(prompter) {}

void SessionRig::loseAfterWrite(int n, bool staysUnplugged) {
    m_loseAfterWrite = n;
    m_staysUnplugged = staysUnplugged;
}

void SessionRig::cancelWhen(std::function<bool(const TransferSession&, double nowMs)> condition) {
    m_cancelWhen = std::move(condition);
}

TransferOutcome SessionRig::run(TransferDirection direction, const RadioImage& image,
                                SessionOptions options) {
    m_session.start(direction, image, options, nowMs());
    for (int steps = 0; steps < MaxSteps; ++steps) {
        bool finished = false;
        for (const SessionAction& action : m_session.takeActions()) {
            if (finished)
                m_faults.emplace_back("an action after Finished");
            finished = finished || action.kind == SessionAction::Kind::Finished;
            perform(action);
        }
        if (finished || m_session.hasEnded())
            return m_session.outcome();
        if (m_reply)
            replyToLastAction();
        else
            advance();
        checkCancel();
    }
    m_faults.emplace_back("the session never ended");
    return m_session.outcome();
}

void SessionRig::perform(const SessionAction& action) {
    using Kind = SessionAction::Kind;
    switch (action.kind) {
    case Kind::OpenPort: {
        const bool ok = !m_failOpen && !m_unplugged;
        if (ok) {
            m_open = true;
            m_lost = false;
            ++m_opens;
        }
        m_reply = [this, ok] { m_session.portOpened(ok, nowMs()); };
        return;
    }
    case Kind::ClosePort:
        if (m_open)
            ++m_closes;
        m_open = false;
        return;
    case Kind::Write: {
        ++m_writes;
        bool ok = m_open && !m_lost && !m_radio.hungUp() && m_writes != m_failWrite;
        std::int64_t leftAtNs = m_nowNs;
        if (ok) {
            m_radio.receive(action.bytes, m_nowNs);
            m_sent.push_back({action.bytes, nowMs()});
            leftAtNs = lastByteToRadioNs();
        }
        const bool lost = m_radio.hungUp() || m_writes == m_loseAfterWrite;
        if (lost) {
            m_lost = true;
            m_unplugged = m_staysUnplugged;
        }
        m_reply = [this, ok, lost, leftAtNs] {
            // Paced, a write has left the port once its last byte is on the wire.
            m_nowNs = std::max(m_nowNs, leftAtNs);
            m_session.written(ok, nowMs());
            if (lost)
                m_session.lineLost(nowMs());
        };
        return;
    }
    case Kind::Status:
        m_statusTexts.push_back(action.text);
        return;
    case Kind::Progress:
        if (action.maximum > 0)
            m_maximum = action.maximum;
        m_position = action.position;
        return;
    case Kind::Ask:
        m_reply = [this, prompt = action.prompt] {
            const std::int64_t until = m_nowNs + m_answerDelayMs * NsPerMs;
            while (m_open && !m_lost && m_radio.hasOutput() && m_radio.nextOutputNs() <= until) {
                m_nowNs = std::max(m_nowNs, m_radio.nextOutputNs());
                deliverReadyBytes();
            }
            m_nowNs = std::max(m_nowNs, until);
            m_session.answer(m_prompter.ask(prompt), nowMs());
        };
        return;
    case Kind::CloseWindow:
        ++m_windowCloses;
        return;
    case Kind::Purge:
    case Kind::Finished:
        return;
    }
}

std::int64_t SessionRig::lastByteToRadioNs() const {
    const std::vector<WireByte>& entries = m_radio.wireLog().entries();
    const auto last = std::find_if(entries.rbegin(), entries.rend(), [](const WireByte& byte) {
        return byte.direction == WireDirection::ToRadio;
    });
    return last == entries.rend() ? m_nowNs : last->timeNs;
}

void SessionRig::replyToLastAction() {
    const std::function<void()> reply = std::exchange(m_reply, {});
    reply();
}

void SessionRig::advance() {
    const std::optional<double> deadline = m_session.nextDeadline();
    const bool byteComing = m_open && !m_lost && m_radio.hasOutput();
    if (byteComing && (!deadline || m_radio.nextOutputNs() <= toNs(*deadline))) {
        m_nowNs = std::max(m_nowNs, m_radio.nextOutputNs());
        deliverReadyBytes();
        return;
    }
    if (!deadline) {
        m_faults.emplace_back("the session waits for nothing");
        m_session.cancel(nowMs());
        return;
    }
    m_nowNs = std::max(m_nowNs, toNs(*deadline));
    // What arrived by the deadline is no silence.
    deliverReadyBytes();
    m_session.timeElapsed(nowMs());
}

void SessionRig::deliverReadyBytes() {
    while (m_open && !m_lost) {
        const std::optional<std::uint8_t> byte = m_radio.takeByte(m_nowNs);
        if (!byte)
            return;
        const std::uint8_t value = *byte;
        m_session.bytesReceived({&value, 1}, nowMs());
    }
}

void SessionRig::checkCancel() {
    if (m_cancelled || !m_cancelWhen || !m_cancelWhen(m_session, nowMs()))
        return;
    m_cancelled = true;
    m_session.cancel(nowMs());
}

} // namespace tarn::test
