#include "tools/cli/SessionLoop.h"

#include "link/PosixPortSystem.h"
#include "link/SerialPortLine.h"
#include "link/TransferObserver.h"
#include "link/TransferUi.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <limits>

#include <poll.h>
#include <time.h>

namespace tarn::cli {

namespace {

constexpr std::size_t InputQueueBytes = 1024;
constexpr std::size_t OutputQueueBytes = 512;
// How often a write still leaving the port is looked at.
constexpr double DrainCheckMs = 0.5;

} // namespace

struct SessionLoop::Entry {
    std::string port;
    SerialPortLine& line;
    TransferUi& ui;
    TransferDirection direction;
    RadioImage image;
    SessionOptions options;
    TransferSession session;
    bool draining = false;
    bool cancelled = false;
    int rangeMaximum = 0;
    TransferObserver* observer = nullptr;
};

SessionLoop::SessionLoop() = default;
SessionLoop::~SessionLoop() = default;

std::size_t SessionLoop::add(std::string port, SerialPortLine& line, TransferUi& ui,
                             TransferDirection direction, const RadioImage& image,
                             SessionOptions options) {
    m_entries.push_back(std::make_unique<Entry>(
        Entry{std::move(port), line, ui, direction, image, options, {}, false, false, 0, nullptr}));
    return m_entries.size() - 1;
}

void SessionLoop::setSessionObserver(std::size_t index, TransferObserver* observer) {
    m_entries.at(index)->observer = observer;
}

void SessionLoop::observeOut(Entry& entry, std::span<const std::uint8_t> bytes) {
    for (TransferObserver* observer : {m_observer, entry.observer})
        if (observer)
            observer->bytesOut(bytes, nowMs(), entry.session.step());
}

void SessionLoop::observeIn(Entry& entry, std::span<const std::uint8_t> bytes) {
    for (TransferObserver* observer : {m_observer, entry.observer})
        if (observer)
            observer->bytesIn(bytes, nowMs(), entry.session.step());
}

const TransferSession& SessionLoop::session(std::size_t index) const {
    return m_entries.at(index)->session;
}

double SessionLoop::nowMs() {
    using Ms = std::chrono::duration<double, std::milli>;
    return Ms(std::chrono::steady_clock::now().time_since_epoch()).count();
}

void SessionLoop::run() {
    for (const auto& entry : m_entries) {
        for (TransferObserver* observer : {m_observer, entry->observer})
            if (observer)
                observer->started(nowMs());
        entry->session.start(entry->direction, entry->image, entry->options, nowMs());
    }
    for (;;) {
        for (const auto& entry : m_entries)
            perform(*entry);
        if (allEnded())
            return;
        waitForEvents();
        for (const auto& entry : m_entries) {
            if (entry->session.hasEnded())
                continue;
            if (!entry->cancelled && entry->ui.cancelRequested()) {
                entry->cancelled = true;
                entry->session.cancel(nowMs());
            }
            // Bytes that came before a deadline count before it is acted on.
            takeInput(*entry);
            checkDrained(*entry);
            entry->session.timeElapsed(nowMs());
        }
    }
}

bool SessionLoop::allEnded() const {
    return std::all_of(m_entries.begin(), m_entries.end(),
                       [](const auto& entry) { return entry->session.hasEnded(); });
}

void SessionLoop::perform(Entry& entry) {
    // An action may answer at once (an open, a question, a failed write), which brings more.
    for (std::vector<SessionAction> actions = entry.session.takeActions(); !actions.empty();
         actions = entry.session.takeActions())
        for (const SessionAction& action : actions)
            performOne(entry, action);
}

void SessionLoop::performOne(Entry& entry, const SessionAction& action) {
    using Kind = SessionAction::Kind;
    switch (action.kind) {
    case Kind::OpenPort: {
        if (!entry.line.open(entry.port)) {
            const PortTrouble::System& system =
                m_portSystem != nullptr ? *m_portSystem : PosixPortSystem::instance();
            entry.session.portNotOpened(PortTrouble::explain(entry.line.openFailure(), system),
                                        nowMs());
            return;
        }
        entry.line.setQueueSizes(InputQueueBytes, OutputQueueBytes);
        entry.line.setTimeouts(SerialTimeouts{});
        entry.line.setLineSettings(LineSettings{});
        entry.session.portOpened(true, nowMs());
        return;
    }
    case Kind::ClosePort:
        entry.draining = false;
        entry.line.close();
        return;
    case Kind::Write:
        observeOut(entry, action.bytes);
        if (entry.line.writeWithoutDrain(action.bytes)) {
            entry.draining = true;
            checkDrained(entry);
            return;
        }
        entry.session.written(false, nowMs());
        if (entry.line.isLost())
            entry.session.lineLost(nowMs());
        return;
    case Kind::Status:
        entry.ui.setStatusText(action.text);
        return;
    case Kind::Progress:
        if (action.maximum > 0 && action.maximum != entry.rangeMaximum) {
            entry.rangeMaximum = action.maximum;
            entry.ui.setProgressRange(action.minimum, action.maximum);
        }
        entry.ui.setProgressPosition(action.position);
        return;
    case Kind::Ask:
        entry.session.answer(entry.ui.prompter().ask(action.prompt), nowMs());
        return;
    case Kind::CloseWindow:
        entry.ui.closeWindow();
        return;
    case Kind::Purge:
    case Kind::Finished:
        return;
    }
}

void SessionLoop::checkDrained(Entry& entry) {
    if (!entry.draining || !entry.line.outputDrained())
        return;
    entry.draining = false;
    entry.session.written(true, nowMs());
}

void SessionLoop::takeInput(Entry& entry) {
    if (entry.line.descriptor() < 0 || entry.line.isLost())
        return;
    std::array<std::uint8_t, 256> buffer{};
    for (;;) {
        const ReadResult got = entry.line.readArrived(buffer);
        if (got.count > 0) {
            const std::span<const std::uint8_t> bytes{buffer.data(), got.count};
            observeIn(entry, bytes);
            entry.session.bytesReceived(bytes, nowMs());
        }
        if (got.failed) {
            entry.session.lineLost(nowMs());
            return;
        }
        if (got.count < buffer.size())
            return;
    }
}

void SessionLoop::waitForEvents() {
    std::vector<pollfd> fds;
    double wakeAt = std::numeric_limits<double>::infinity();
    const double now = nowMs();
    for (const auto& entry : m_entries) {
        if (entry->session.hasEnded())
            continue;
        if (const std::optional<double> deadline = entry->session.nextDeadline())
            wakeAt = std::min(wakeAt, *deadline);
        if (entry->draining)
            wakeAt = std::min(wakeAt, now + DrainCheckMs);
        if (entry->line.descriptor() >= 0 && !entry->line.isLost())
            fds.push_back({entry->line.descriptor(), POLLIN, 0});
    }
    if (fds.empty() && !std::isfinite(wakeAt))
        return;
    timespec timeout{};
    timespec* wait = nullptr;
    if (std::isfinite(wakeAt)) {
        const double ms = std::max(0.0, wakeAt - now);
        timeout.tv_sec = static_cast<time_t>(ms / 1000.0);
        timeout.tv_nsec = static_cast<long>(std::fmod(ms, 1000.0) * 1e6);
        wait = &timeout;
    }
    // Ctrl-C interrupts the wait; the loop then sees the cancel flag.
    (void)::ppoll(fds.data(), fds.size(), wait, nullptr);
}

} // namespace tarn::cli
