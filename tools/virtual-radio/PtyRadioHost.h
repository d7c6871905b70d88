#pragma once

#include <cstdint>
#include <string>

namespace tarn {

class VirtualRadio;
class WireLogFile;

// Serves a virtual radio on a pseudo-terminal. The host keeps its own slave descriptor
// open, so the PC side may close and reopen the device between transfers.
class PtyRadioHost {
public:
    // Opens the pseudo-terminal; throws std::system_error.
    explicit PtyRadioHost(VirtualRadio& radio);
    ~PtyRadioHost();
    PtyRadioHost(const PtyRadioHost&) = delete;
    PtyRadioHost& operator=(const PtyRadioHost&) = delete;

    [[nodiscard]] const std::string& devicePath() const { return m_devicePath; }
    // Serves until requestStop() or until the radio hangs up (then the device goes away).
    void run();
    // Safe from a signal handler or another thread.
    void requestStop() const;
    [[nodiscard]] bool hungUp() const { return m_hungUp; }
    // Logs every byte both ways; may be null. Set before run().
    void setWireLog(WireLogFile* log) { m_wireLog = log; }

private:
    void serveInput();
    void sendReady();
    [[nodiscard]] std::int64_t nowNs() const;
    void hangUp();

    VirtualRadio& m_radio;
    int m_master = -1;
    int m_slave = -1;
    int m_stopPipe[2] = {-1, -1};
    std::string m_devicePath;
    std::int64_t m_startNs = 0;
    bool m_hungUp = false;
    WireLogFile* m_wireLog = nullptr;
};

} // namespace tarn
