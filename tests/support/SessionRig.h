#pragma once

#include "link/TransferSession.h"

#include <cmath>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace tarn {
class VirtualRadio;
}

namespace tarn::test {

class TestPrompter;

// Drives a TransferSession against an in-process virtual radio on virtual time: every reply
// byte is handed in alone at the time it is on the wire, and deadlines cost nothing.
class SessionRig {
public:
    struct Sent {
        std::vector<std::uint8_t> bytes;
        double atMs;
    };

    SessionRig(VirtualRadio& radio, TestPrompter& prompter);

    TransferOutcome run(TransferDirection direction, const RadioImage& image,
                        SessionOptions options = {});

    void failOpen(bool fail) { m_failOpen = fail; }
    // The n-th write (1-based, over the whole run) cannot be written.
    void failWrite(int n) { m_failWrite = n; }
    // After the n-th write the device is gone; it can be opened again unless it stays
    // unplugged.
    void loseAfterWrite(int n, bool staysUnplugged = false);
    // Cancel is pressed once the condition holds; it is asked after every input.
    void cancelWhen(std::function<bool(const TransferSession&, double nowMs)> condition);
    // Questions stay open this long before they are answered.
    void answerAfter(std::int64_t ms) { m_answerDelayMs = ms; }

    [[nodiscard]] const TransferSession& session() const { return m_session; }
    [[nodiscard]] double nowMs() const { return static_cast<double>(m_nowNs) / NsPerMs; }
    [[nodiscard]] int opens() const { return m_opens; }
    [[nodiscard]] int closes() const { return m_closes; }
    [[nodiscard]] bool isOpen() const { return m_open; }
    [[nodiscard]] int windowCloses() const { return m_windowCloses; }
    [[nodiscard]] const std::vector<Sent>& sent() const { return m_sent; }
    [[nodiscard]] const std::vector<std::string>& statusTexts() const { return m_statusTexts; }
    [[nodiscard]] int rangeMaximum() const { return m_maximum; }
    [[nodiscard]] int progressPosition() const { return m_position; }
    // Actions that came after Finished, or a session that waited for nothing.
    [[nodiscard]] const std::vector<std::string>& faults() const { return m_faults; }

private:
    static constexpr std::int64_t NsPerMs = 1'000'000;

    void perform(const SessionAction& action);
    [[nodiscard]] static std::int64_t toNs(double ms) {
        return static_cast<std::int64_t>(std::ceil(ms * NsPerMs));
    }
    void replyToLastAction();
    [[nodiscard]] std::int64_t lastByteToRadioNs() const;
    void advance();
    void deliverReadyBytes();
    void checkCancel();

    VirtualRadio& m_radio;
    TestPrompter& m_prompter;
    TransferSession m_session;
    std::int64_t m_nowNs = 0;
    bool m_open = false;
    bool m_lost = false;
    bool m_unplugged = false;
    bool m_failOpen = false;
    int m_failWrite = 0;
    int m_loseAfterWrite = 0;
    bool m_staysUnplugged = false;
    int m_writes = 0;
    int m_opens = 0;
    int m_closes = 0;
    int m_windowCloses = 0;
    int m_maximum = 0;
    int m_position = 0;
    std::int64_t m_answerDelayMs = 0;
    bool m_cancelled = false;
    std::function<bool(const TransferSession&, double)> m_cancelWhen;
    std::function<void()> m_reply;
    std::vector<Sent> m_sent;
    std::vector<std::string> m_statusTexts;
    std::vector<std::string> m_faults;
};

} // namespace tarn::test
