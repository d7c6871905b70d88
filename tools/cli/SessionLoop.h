#pragma once

#include "link/PortTrouble.h"
#include "link/TransferSession.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace tarn {
class SerialPortLine;
class TransferObserver;
class TransferUi;
} // namespace tarn

namespace tarn::cli {

// Drives the transfer sessions of one or more ports from one thread: a single poll() over
// every open port, with the earliest deadline as its timeout. Questions are answered by the
// UI's prompter at once (the command line answers them from its flags). Ctrl-C, through the
// UI's cancel flag, cancels every session at its next step.
class SessionLoop {
public:
    SessionLoop();
    ~SessionLoop();
    SessionLoop(const SessionLoop&) = delete;
    SessionLoop& operator=(const SessionLoop&) = delete;

    // line and ui must outlive run(). Returns the session's index.
    std::size_t add(std::string port, SerialPortLine& line, TransferUi& ui,
                    TransferDirection direction, const RadioImage& image, SessionOptions options);
    // Sees every byte of every session; may be null.
    void setObserver(TransferObserver* observer) { m_observer = observer; }
    // Answers why a port would not open; null: this machine.
    void setPortSystem(const PortTrouble::System* system) { m_portSystem = system; }
    // Sees every byte of one session (its trace), besides the observer of all; may be null.
    void setSessionObserver(std::size_t index, TransferObserver* observer);
    // Returns once every session has ended.
    void run();
    [[nodiscard]] const TransferSession& session(std::size_t index) const;

private:
    struct Entry;

    void perform(Entry& entry);
    void performOne(Entry& entry, const SessionAction& action);
    void waitForEvents();
    void takeInput(Entry& entry);
    void checkDrained(Entry& entry);
    void observeOut(Entry& entry, std::span<const std::uint8_t> bytes);
    void observeIn(Entry& entry, std::span<const std::uint8_t> bytes);
    [[nodiscard]] bool allEnded() const;
    [[nodiscard]] static double nowMs();

    std::vector<std::unique_ptr<Entry>> m_entries;
    TransferObserver* m_observer = nullptr;
    const PortTrouble::System* m_portSystem = nullptr;
};

} // namespace tarn::cli
