#pragma once

#include "common/Translate.h"
#include "data/BackupStore.h"
#include "data/RadioImage.h"
#include "link/PortTrouble.h"
#include "link/RadioTransfer.h"
#include "link/TraceRecorder.h"
#include "link/TransferObserverList.h"
#include "link/TransferProgressDialog.h"
#include "link/TransferTarget.h"
#include "qtsupport/CommandTarget.h"

#include <QObject>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace tarn {

class ChannelDocument;
class DocumentDialogs;
class Prompter;
class SerialLine;
class SessionDriver;
class SessionTimer;
class TransferObserver;

// A document window's side of the radio link: its port, its direction, its progress window,
// the Read, Write and port commands and the transfer they start, run by a SessionDriver from
// the event loop. A read fills the session's own image, which replaces the document's only
// once the read has completed.
class RadioLink : public QObject, public CommandTarget {
    Q_OBJECT
public:
    static constexpr const char* ReadCaption =
        TARN_TRANSLATE_NOOP("tarn::RadioLink", "Reading Data Progress");
    static constexpr const char* WriteCaption =
        TARN_TRANSLATE_NOOP("tarn::RadioLink", "Writing Data Progress");
    static constexpr const char* DefaultPort = "COM1";
    static constexpr const char* VerifySettingKey = "Transfer/VerifyAfterWrite";
    static constexpr const char* BackupFailedText = "The radio's memory was not kept as a backup: ";
    static constexpr const char* TraceFailedText = "The serial trace was not kept: ";

    // The progress window belongs to owner and opens centred over `over`.
    RadioLink(ChannelDocument& document, Prompter& prompter, DocumentDialogs& dialogs,
              QWidget& owner, const QWidget& over);
    ~RadioLink() override;
    RadioLink(const RadioLink&) = delete;
    RadioLink& operator=(const RadioLink&) = delete;

    [[nodiscard]] bool handlesCommand(int id) const override;
    void updateCommand(int id, CommandState& state) override;
    void runCommand(int id) override;

    // The line and time of later transfers; the real port and a precise timer unless given.
    void useDevices(SerialLine& line, SessionTimer& timer);
    // Sees every byte of later transfers; may be null.
    void setObserver(TransferObserver* observer) { m_observer = observer; }
    // Tests: answers why a port would not open instead of this machine.
    void usePortSystem(const PortTrouble::System& system) { m_portSystem = &system; }

    [[nodiscard]] const std::string& portName() const { return m_portName; }
    [[nodiscard]] TransferDirection direction() const { return m_direction; }
    [[nodiscard]] TransferProgressDialog& progressDialog() { return m_dialog; }
    [[nodiscard]] bool isTransferring() const { return m_running; }
    // Whether a transfer of any window holds the device this link's port names.
    [[nodiscard]] bool portInUseElsewhere() const;

    // Runs action once no transfer runs any more. A running one is never cancelled for it: a
    // write stopped part-way leaves the radio half programmed. The progress window shows note
    // meanwhile.
    void whenIdle(std::function<void()> action, const QString& note);

    // A trace folder that cannot be written is told once per run of the program; tests start
    // over with this.
    static void resetTraceWarning();

    // Read back and compare after every complete write; kept in the settings, off at first.
    [[nodiscard]] static bool verifyAfterWrite();
    static void setVerifyAfterWrite(bool verify);

    // The queued request of the progress window's Start.
    void onTransfer();

signals:
    // Start was pressed: the document may not change until transferEnded.
    void transferStarted();
    // The transfer has ended and its port is closed.
    void transferEnded();

private:
    void startCommand(TransferDirection direction, const char* caption);
    [[nodiscard]] static const char* portOf(int id);
    void onEnded();
    void runDeferred();
    void keepBackup(const RadioImage& image, bool read, BackupOutcome outcome);
    void keepTrace(const TransferSession& session);
    [[nodiscard]] std::string device() const;

    ChannelDocument& m_document;
    Prompter& m_prompter;
    DocumentDialogs& m_dialogs;
    QWidget& m_owner;
    const QWidget& m_over;
    std::string m_portName = DefaultPort;
    TransferDirection m_direction = TransferDirection::Read;
    TransferProgressDialog m_dialog;
    std::unique_ptr<SerialLine> m_ownLine;
    std::unique_ptr<SessionTimer> m_ownTimer;
    SerialLine* m_line = nullptr;
    SessionTimer* m_timer = nullptr;
    TransferObserver* m_observer = nullptr;
    const PortTrouble::System* m_portSystem = nullptr;
    // The running transfer's trace, and what its driver reports to (the trace, m_observer).
    std::unique_ptr<TraceRecorder> m_trace;
    std::unique_ptr<TransferObserverList> m_observers;
    std::unique_ptr<SessionDriver> m_driver;
    bool m_running = false;
    // The device the running transfer holds.
    std::string m_device;
    // The port as chosen for the running transfer; the menu may choose another meanwhile.
    std::string m_transferPort;
    std::vector<std::function<void()>> m_deferred;
};

} // namespace tarn
