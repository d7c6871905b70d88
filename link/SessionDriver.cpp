#include "link/SessionDriver.h"

#include "common/Prompter.h"
#include "link/PosixPortSystem.h"
#include "link/SerialLine.h"
#include "link/SessionTimer.h"
#include "link/TransferObserver.h"
#include "link/TransferProgressDialog.h"

#include <QPointer>

#include <algorithm>
#include <array>

namespace tarn {

namespace {

constexpr std::size_t InputQueueBytes = 1024;
constexpr std::size_t OutputQueueBytes = 512;
// A byte on the line at 9600 baud, 8N1: ten bits.
constexpr double ByteOnWireMs = 10.0 * 1000.0 / 9600.0;
// Past its time on the wire a write is looked at this often; until then at every pass.
constexpr double LateDrainCheckMs = 1.0;
constexpr double DrainGraceMs = 2.0;

} // namespace

SessionDriver::SessionDriver(SerialLine& line, SessionTimer& timer, Prompter& prompter,
                             TransferProgressDialog& dialog)
    : m_line(line)
    , m_timer(timer)
    , m_prompter(prompter)
    , m_dialog(dialog) {
    connect(&m_dialog, &TransferProgressDialog::cancelPressed, this, &SessionDriver::onCancel);
}

SessionDriver::~SessionDriver() {
    m_timer.setHandler({});
    m_line.setArrivalHandler({});
}

double SessionDriver::now() const {
    return m_timer.nowMs();
}

void SessionDriver::start(std::string port, TransferDirection direction, const RadioImage& image,
                          SessionOptions options) {
    if (m_running)
        return;
    m_port = std::move(port);
    m_running = true;
    m_draining = false;
    m_timer.setHandler([this] { onWake(); });
    if (m_observer)
        m_observer->started(now());
    m_session.start(direction, image, options, now());
    drive();
}

void SessionDriver::drive() {
    // An action may answer at once (an open, a write that leaves at once), which brings more.
    if (m_driving)
        return;
    m_driving = true;
    for (std::vector<SessionAction> actions = m_session.takeActions(); !actions.empty();
         actions = m_session.takeActions())
        for (const SessionAction& action : actions)
            perform(action);
    m_driving = false;
    if (m_running)
        armTimer();
}

void SessionDriver::perform(const SessionAction& action) {
    using Kind = SessionAction::Kind;
    switch (action.kind) {
    case Kind::OpenPort:
        openPort();
        return;
    case Kind::ClosePort:
        m_draining = false;
        m_line.setArrivalHandler({});
        m_line.close();
        return;
    case Kind::Write:
        write(action.bytes);
        return;
    case Kind::Status:
        m_dialog.setStatusText(QString::fromStdString(action.text));
        return;
    case Kind::Progress:
        showProgress(action);
        return;
    case Kind::Ask:
        ask(action.prompt);
        return;
    case Kind::CloseWindow:
        // A good write says so and waits for the user; anything else is told by a message.
        if (m_session.writeConfirmed())
            m_dialog.showFinished();
        else
            m_dialog.destroyWindow();
        return;
    case Kind::Finished:
        finish();
        return;
    case Kind::Purge:
        // The session dropped what it held; everything that arrives goes to it anyway.
        return;
    }
}

void SessionDriver::openPort() {
    const bool ok = m_line.open(m_port);
    m_lostReported = false;
    if (ok) {
        m_line.setQueueSizes(InputQueueBytes, OutputQueueBytes);
        m_line.setTimeouts(SerialTimeouts{});
        m_line.setLineSettings(LineSettings{});
        m_line.setArrivalHandler([this] { onArrival(); });
        m_session.portOpened(true, now());
        return;
    }
    const PortTrouble::System& system =
        m_portSystem != nullptr ? *m_portSystem : PosixPortSystem::instance();
    m_session.portNotOpened(PortTrouble::explain(m_line.openFailure(), system), now());
}

void SessionDriver::write(const std::vector<std::uint8_t>& bytes) {
    if (m_observer)
        m_observer->bytesOut(bytes, now(), m_session.step());
    if (!m_line.writeWithoutDrain(bytes)) {
        m_session.written(false, now());
        if (m_line.isLost()) {
            m_lostReported = true;
            m_session.lineLost(now());
        }
        return;
    }
    m_draining = true;
    m_drainLeavesAt = now() + ByteOnWireMs * static_cast<double>(bytes.size());
    m_drainCheckAt = m_drainLeavesAt;
    checkDrained();
}

void SessionDriver::checkDrained() {
    if (!m_draining || now() < m_drainCheckAt)
        return;
    if (!m_line.outputDrained()) {
        // Looked at again at the next pass while the write may still be on the wire, then
        // every millisecond; the session's own write deadline ends a write that never leaves.
        const bool late = now() > m_drainLeavesAt + DrainGraceMs;
        m_drainCheckAt = late ? now() + LateDrainCheckMs : now();
        return;
    }
    m_draining = false;
    m_session.written(true, now());
}

void SessionDriver::ask(const Prompt& prompt) {
    // The box shows without a nested event loop; its answer comes back as an event of its own.
    QPointer<SessionDriver> self(this);
    m_prompter.askLater(prompt, [self](PromptAnswer answer) {
        if (!self)
            return;
        QMetaObject::invokeMethod(
            self.data(),
            [self, answer] {
                if (self)
                    self->onAnswer(answer);
            },
            Qt::QueuedConnection);
    });
}

void SessionDriver::showProgress(const SessionAction& action) {
    QProgressBar& bar = m_dialog.progressBar();
    if (action.maximum > 0 && (bar.minimum() != action.minimum || bar.maximum() != action.maximum))
        bar.setRange(action.minimum, action.maximum);
    bar.setValue(std::clamp(action.position, bar.minimum(), bar.maximum()));
}

void SessionDriver::finish() {
    m_running = false;
    m_draining = false;
    m_timer.wakeAt(std::nullopt);
    m_timer.setHandler({});
    m_line.setArrivalHandler({});
    // Whoever hears of the end may start the next transfer or close the window: never from
    // inside this one's handling.
    QMetaObject::invokeMethod(this, &SessionDriver::ended, Qt::QueuedConnection);
}

void SessionDriver::armTimer() {
    std::optional<double> due = m_session.nextDeadline();
    if (m_draining)
        due = due ? std::min(*due, m_drainCheckAt) : m_drainCheckAt;
    m_timer.wakeAt(due);
}

void SessionDriver::onArrival() {
    // The port calls from inside its own handling, errors too: the bytes are taken as an event
    // of their own.
    if (m_arrivalQueued)
        return;
    m_arrivalQueued = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_arrivalQueued = false;
            if (!m_running)
                return;
            takeInput();
            drive();
        },
        Qt::QueuedConnection);
}

void SessionDriver::onWake() {
    if (!m_running)
        return;
    // Bytes that came before a deadline count before it is acted on.
    takeInput();
    checkDrained();
    m_session.timeElapsed(now());
    drive();
}

void SessionDriver::onCancel() {
    if (!m_running)
        return;
    m_session.cancel(now());
    drive();
}

void SessionDriver::onAnswer(PromptAnswer answer) {
    if (!m_running)
        return;
    m_session.answer(answer, now());
    drive();
}

void SessionDriver::takeInput() {
    if (!m_line.isOpen() || m_lostReported)
        return;
    std::array<std::uint8_t, 256> buffer{};
    for (;;) {
        const ReadResult got = m_line.readArrived(buffer);
        if (got.count > 0) {
            const std::span<const std::uint8_t> bytes{buffer.data(), got.count};
            if (m_observer)
                m_observer->bytesIn(bytes, now(), m_session.step());
            m_session.bytesReceived(bytes, now());
        }
        if (got.failed) {
            m_lostReported = true;
            m_draining = false;
            m_session.lineLost(now());
            return;
        }
        if (got.count < buffer.size())
            return;
    }
}

} // namespace tarn
