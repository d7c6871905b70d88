#pragma once

#include "link/PortTrouble.h"
#include "link/TransferSession.h"

#include <QObject>

#include <cstdint>
#include <span>
#include <string>

namespace tarn {

class Prompter;
class SerialLine;
class SessionTimer;
class TransferObserver;
class TransferProgressDialog;

// Runs one TransferSession from Qt's event loop: the line's arrivals, one timer for the
// session's deadline, the progress window's Cancel and questions answered when their box
// closes. Nothing here blocks or runs a nested event loop, so any window, modal ones included,
// may open while a transfer runs. Every call into the session comes from an event of the
// loop, never from inside another call into it.
class SessionDriver : public QObject {
    Q_OBJECT
public:
    SessionDriver(SerialLine& line, SessionTimer& timer, Prompter& prompter,
                  TransferProgressDialog& dialog);
    ~SessionDriver() override;
    SessionDriver(const SessionDriver&) = delete;
    SessionDriver& operator=(const SessionDriver&) = delete;

    void start(std::string port, TransferDirection direction, const RadioImage& image,
               SessionOptions options);
    [[nodiscard]] bool isRunning() const { return m_running; }
    [[nodiscard]] const TransferSession& session() const { return m_session; }
    // Sees every byte; may be null.
    void setObserver(TransferObserver* observer) { m_observer = observer; }
    // Answers why a port would not open; null: this machine.
    void setPortSystem(const PortTrouble::System* system) { m_portSystem = system; }

signals:
    // The session has ended, its port is closed and every message has been answered.
    void ended();

private:
    void drive();
    void perform(const SessionAction& action);
    void openPort();
    void write(const std::vector<std::uint8_t>& bytes);
    void ask(const Prompt& prompt);
    void showProgress(const SessionAction& action);
    void finish();
    void armTimer();
    void onArrival();
    void onWake();
    void onCancel();
    void onAnswer(PromptAnswer answer);
    void takeInput();
    void checkDrained();
    [[nodiscard]] double now() const;

    SerialLine& m_line;
    SessionTimer& m_timer;
    Prompter& m_prompter;
    TransferProgressDialog& m_dialog;
    TransferObserver* m_observer = nullptr;
    const PortTrouble::System* m_portSystem = nullptr;
    TransferSession m_session;
    std::string m_port;
    bool m_running = false;
    bool m_driving = false;
    bool m_arrivalQueued = false;
    bool m_lostReported = false;
    // A write handed to the line that has not been seen leaving it yet.
    bool m_draining = false;
    double m_drainLeavesAt = 0;
    double m_drainCheckAt = 0;
};

} // namespace tarn
