#include "link/RadioLink.h"

#include "common/AppTitles.h"
#include "common/Version.h"
#include "common/WallClock.h"
#include "data/BackupStore.h"
#include "data/ChannelDocument.h"
#include "link/PortNames.h"
#include "link/PortSettings.h"
#include "link/PreciseSessionTimer.h"
#include "link/SerialPortLine.h"
#include "link/SessionDriver.h"
#include "link/TraceStore.h"
#include "link/WriteReport.h"
#include "qtsupport/CommandIds.h"
#include "qtsupport/DocumentDialogs.h"

#include <QSettings>

#include <set>

namespace tarn {

namespace {

// The devices that running transfers hold, over every window of the program.
std::multiset<std::string>& devicesInUse() {
    static std::multiset<std::string> devices;
    return devices;
}

bool& traceWarningShown() {
    static bool shown = false;
    return shown;
}

} // namespace

RadioLink::RadioLink(ChannelDocument& document, Prompter& prompter, DocumentDialogs& dialogs,
                     QWidget& owner, const QWidget& over)
    : m_document(document)
    , m_prompter(prompter)
    , m_dialogs(dialogs)
    , m_owner(owner)
    , m_over(over)
    , m_dialog(&owner, [this] { onTransfer(); }) {}

RadioLink::~RadioLink() {
    if (!m_running)
        return;
    devicesInUse().erase(devicesInUse().find(m_device));
}

bool RadioLink::handlesCommand(int id) const {
    return id == cmd::ReadFromRadio || id == cmd::WriteToRadio || portOf(id) != nullptr;
}

void RadioLink::updateCommand(int id, CommandState& state) {
    // A key pressed during a transfer must never start another or turn a read into a write;
    // the port of a transfer in another window is that window's until it ends.
    const bool transferCommand = id == cmd::ReadFromRadio || id == cmd::WriteToRadio;
    state.enabled =
        !transferCommand || (!m_running && !m_document.isTransferring() && !portInUseElsewhere());
    if (const char* port = portOf(id))
        state.checked = m_portName == port;
}

void RadioLink::runCommand(int id) {
    if (const char* port = portOf(id)) {
        // Only the next transfer's port; a running one keeps its open line.
        m_portName = port;
        return;
    }
    switch (id) {
    case cmd::ReadFromRadio:
        startCommand(TransferDirection::Read, ReadCaption);
        break;
    case cmd::WriteToRadio:
        startCommand(TransferDirection::Write, WriteCaption);
        break;
    default:
        break;
    }
}

const char* RadioLink::portOf(int id) {
    switch (id) {
    case cmd::Com1:
        return "COM1";
    case cmd::Com2:
        return "COM2";
    case cmd::Com3:
        return "COM3";
    case cmd::Com4:
        return "COM4";
    default:
        break;
    }
    return nullptr;
}

void RadioLink::useDevices(SerialLine& line, SessionTimer& timer) {
    m_line = &line;
    m_timer = &timer;
}

std::string RadioLink::device() const {
    return PortNames::resolve(m_portName, &PortSettings::lookup);
}

bool RadioLink::portInUseElsewhere() const {
    const std::multiset<std::string>& inUse = devicesInUse();
    const auto held = inUse.count(device());
    return held > (m_running && m_device == device() ? 1U : 0U);
}

void RadioLink::startCommand(TransferDirection direction, const char* caption) {
    // What is being typed in any window of the document belongs to what is written; a value
    // refused on the way stops the command.
    if (!m_document.storePendingEdits())
        return;
    m_dialog.setCaption(tr(caption));
    m_direction = direction;
    // An open window keeps its caption; its Start uses the new direction. One that shows how
    // the last transfer ended gives way to a fresh one.
    if (!m_dialog.hasWindow() || m_dialog.isFinished())
        m_dialog.openWindow(&m_over);
}

void RadioLink::onTransfer() {
    if (m_running || !m_dialog.hasWindow())
        return;
    if (portInUseElsewhere()) {
        // Chosen for this window while another window's transfer took the port.
        m_dialog.destroyWindow();
        const std::string why = formatText(PortTroubleText::InUseHereText, {device()});
        (void)m_prompter.ask(Prompt{PortTrouble::message(why), RadioTransfer::Caption,
                                    PromptButtons::Ok, PromptIcon::None});
        return;
    }
    if (!m_line) {
        m_ownLine = std::make_unique<SerialPortLine>();
        m_line = m_ownLine.get();
    }
    if (!m_timer) {
        m_ownTimer = std::make_unique<PreciseSessionTimer>();
        m_timer = m_ownTimer.get();
    }
    m_running = true;
    m_document.setTransferring(true);
    m_device = device();
    m_transferPort = m_portName;
    devicesInUse().insert(m_device);
    if (m_direction == TransferDirection::Write) {
        m_document.parseSheet();
        // The row dump is a by-product for inspection; what is sent comes from the image.
        (void)m_document.writeRowDump();
    }
    emit transferStarted();
    m_driver = std::make_unique<SessionDriver>(*m_line, *m_timer, m_prompter, m_dialog);
    m_driver->setObserver(m_observer);
    m_driver->setPortSystem(m_portSystem);
    m_trace = std::make_unique<TraceRecorder>();
    m_observers = std::make_unique<TransferObserverList>();
    m_observers->add(m_trace.get());
    m_observers->add(m_observer);
    m_driver->setObserver(m_observers.get());
    connect(m_driver.get(), &SessionDriver::ended, this, &RadioLink::onEnded);
    SessionOptions options;
    options.verifyAfterWrite = m_direction == TransferDirection::Write && verifyAfterWrite();
    m_driver->start(m_portName, m_direction, m_document.image(), options);
}

void RadioLink::onEnded() {
    const TransferSession& session = m_driver->session();
    const bool read = session.direction() == TransferDirection::Read && session.readCompleted();
    m_document.setTransferring(false);
    // Only now, with every block received, does the document take what was read.
    if (read)
        m_document.takeReceived(session.image());
    if (read || (session.direction() == TransferDirection::Write && session.wroteToRadio()))
        keepBackup(session.image(), read,
                   WriteReport::backupOutcome(session.direction(), session.outcome(),
                                              session.verifyResult()));
    keepTrace(session);
    devicesInUse().erase(devicesInUse().find(m_device));
    m_running = false;
    emit transferEnded();
    runDeferred();
}

void RadioLink::whenIdle(std::function<void()> action, const QString& note) {
    if (!m_running) {
        action();
        return;
    }
    m_deferred.push_back(std::move(action));
    m_dialog.setNote(note);
}

void RadioLink::keepBackup(const RadioImage& image, bool read, BackupOutcome outcome) {
    const SystemWallClock clock;
    BackupStore store(BackupStore::defaultFolder(), clock);
    std::filesystem::path backup;
    try {
        // What was read, or what was sent.
        backup = store.store(image, read ? BackupKind::Read : BackupKind::Write);
    } catch (const BackupError& error) {
        // The transfer itself went as it went; only the copy is missing.
        (void)m_prompter.ask(Prompt{std::string(BackupFailedText) + error.what(),
                                    AppTitles::AppName, PromptButtons::Ok, PromptIcon::Warning});
        return;
    }
    BackupRecord record{outcome, m_transferPort,
                        m_device == m_transferPort ? std::string() : m_device};
    if (const auto failed = BackupStore::storeRecord(backup, record))
        (void)m_prompter.ask(Prompt{formatText(FormattedMessage::RecordFailed, {*failed}),
                                    AppTitles::AppName, PromptButtons::Ok, PromptIcon::Warning});
}

void RadioLink::keepTrace(const TransferSession& session) {
    if (!m_trace)
        return;
    const SystemWallClock clock;
    TraceStore store(TraceStore::defaultFolder(), clock);
    const std::string text =
        m_trace->text({TraceRecorder::summary(session, m_portName, m_device),
                       "kept " + store.timeText() + " by TARN " + PackageVersion});
    try {
        (void)store.store(text, session.direction() == TransferDirection::Read ? BackupKind::Read
                                                                               : BackupKind::Write);
    } catch (const TraceError& error) {
        // Only the record is missing, and saying so after every transfer would only nag.
        if (std::exchange(traceWarningShown(), true))
            return;
        (void)m_prompter.ask(Prompt{std::string(TraceFailedText) + error.what(), AppTitles::AppName,
                                    PromptButtons::Ok, PromptIcon::Warning});
    }
}

void RadioLink::resetTraceWarning() {
    traceWarningShown() = false;
}

bool RadioLink::verifyAfterWrite() {
    const QSettings settings(QString::fromUtf8(AppTitles::SettingsRoot),
                             QString::fromUtf8(AppTitles::AppName));
    return settings.value(QLatin1String(VerifySettingKey), false).toBool();
}

void RadioLink::setVerifyAfterWrite(bool verify) {
    QSettings settings(QString::fromUtf8(AppTitles::SettingsRoot),
                       QString::fromUtf8(AppTitles::AppName));
    settings.setValue(QLatin1String(VerifySettingKey), verify);
}

void RadioLink::runDeferred() {
    // Queued, so an action that closes the window never runs inside this link's handler.
    for (std::function<void()>& action : std::exchange(m_deferred, {}))
        QMetaObject::invokeMethod(this, std::move(action), Qt::QueuedConnection);
}

} // namespace tarn
