#include "link/RadioLink.h"

#include "common/AppTitles.h"
#include "common/WallClock.h"
#include "data/BackupStore.h"
#include "data/ChannelDocument.h"
#include "link/QtTransferUi.h"
#include "link/RadioTransfer.h"
#include "link/SerialPortLine.h"
#include "qtsupport/CommandIds.h"
#include "qtsupport/DocumentDialogs.h"

#include <QSettings>

namespace tarn {

RadioLink::RadioLink(ChannelDocument& document, Prompter& prompter, DocumentDialogs& dialogs,
                     QWidget& owner, const QWidget& over)
    : m_document(document)
    , m_prompter(prompter)
    , m_dialogs(dialogs)
    , m_owner(owner)
    , m_over(over)
    , m_dialog(&owner, [this] { onTransfer(); }) {}

RadioLink::~RadioLink() = default;

bool RadioLink::handlesCommand(int id) const {
    return id == cmd::ReadFromRadio || id == cmd::WriteToRadio || portOf(id) != nullptr;
}

void RadioLink::updateCommand(int id, CommandState& state) {
    // A key pressed during a transfer must never start another or turn a read into a write.
    state.enabled = (id != cmd::ReadFromRadio && id != cmd::WriteToRadio) || !anyTransferring();
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

void RadioLink::useDevices(SerialLine& line, Clock& clock) {
    m_line = &line;
    m_clock = &clock;
}

void RadioLink::startCommand(TransferDirection direction, const char* caption) {
    // What is being typed in any window of the document belongs to what is written; a value
    // refused on the way stops the command.
    if (!m_document.storePendingEdits())
        return;
    m_dialog.setCaption(tr(caption));
    m_direction = direction;
    // An open window keeps its caption; its Start uses the new direction.
    if (!m_dialog.hasWindow())
        m_dialog.openWindow(&m_over);
}

void RadioLink::onTransfer() {
    if (m_running || !m_dialog.hasWindow())
        return;
    if (!m_line) {
        m_ownLine = std::make_unique<SerialPortLine>();
        m_line = m_ownLine.get();
    }
    m_running = true;
    ++s_running;
    emit transferStarted();
    m_scratch = m_document.image();
    {
        QtTransferUi ui(m_dialog, m_prompter);
        RadioTransfer transfer(*m_line, ui, *m_clock);
        const std::string port = m_portName;
        transfer.setVerifyAfterWrite(m_direction == TransferDirection::Write && verifyAfterWrite());
        // Every ending has told the user what happened, or was the user's own Cancel.
        const TransferOutcome outcome = transfer.run(port, *this);
        keepBackup(transfer, outcome);
    }
    m_running = false;
    --s_running;
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

void RadioLink::keepBackup(const RadioTransfer& transfer, TransferOutcome outcome) {
    const bool read =
        m_direction == TransferDirection::Read && outcome == TransferOutcome::Completed;
    const bool written = m_direction == TransferDirection::Write && transfer.wroteToRadio();
    if (!read && !written)
        return;
    const SystemWallClock clock;
    BackupStore store(BackupStore::defaultFolder(), clock);
    try {
        // The scratch image is what was read, or what was sent.
        (void)store.store(m_scratch, read ? BackupKind::Read : BackupKind::Write);
    } catch (const BackupError& error) {
        // The transfer itself went as it went; only the copy is missing.
        (void)m_prompter.ask(Prompt{std::string(BackupFailedText) + error.what(),
                                    AppTitles::AppName, PromptButtons::Ok, PromptIcon::Warning});
    }
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

int RadioLink::channelCount() const {
    return m_document.channelCount();
}

void RadioLink::setChannelCount(int /*count*/) {
    // The document takes its count from the model byte of what it receives.
}

void RadioLink::parseGrid() {
    m_document.parseSheet();
    // The row dump is a by-product for inspection; what is sent comes from the image.
    (void)m_document.writeRowDump();
    m_scratch = m_document.image();
}

void RadioLink::renderGrid() {
    // Only now, with every block received, does the document take what was read.
    m_document.takeReceived(m_scratch);
}

} // namespace tarn
