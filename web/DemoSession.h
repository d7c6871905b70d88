#pragma once

#include "link/TransferSession.h"
#include "radio/VirtualRadio.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tarn {

// A transfer with the demo radio: the page's own virtual radio, on the same session as a real
// port. Time is simulated (paced as at 9600 baud, costing nothing), so the session runs in
// slices the page can show, stopping at each question until it is answered.
class DemoSession {
public:
    DemoSession();

    [[nodiscard]] std::string memory() const;
    void setMemory(const std::string& bytes);

    void start(TransferDirection direction, const RadioImage& image, SessionOptions options);
    // Feeds the session at most `budget` inputs and returns the actions it took; stops early
    // at a question or the end.
    [[nodiscard]] std::vector<SessionAction> run(int budget);
    void answer(PromptAnswer answer) { m_session.answer(answer, nowMs()); }
    void cancel() { m_session.cancel(nowMs()); }

    [[nodiscard]] const TransferSession& session() const { return m_session; }
    [[nodiscard]] double nowMs() const { return static_cast<double>(m_nowNs) / NsPerMs; }

private:
    static constexpr std::int64_t NsPerMs = 1'000'000;

    void perform(const SessionAction& action);
    void advance();
    void deliverReadyBytes();
    [[nodiscard]] std::int64_t lastByteToRadioNs() const;

    VirtualRadio m_radio;
    TransferSession m_session;
    std::int64_t m_nowNs = 0;
    bool m_open = false;
    bool m_asking = false;
    // An open or a write the session waits to hear about, and when it is done.
    enum class Pending { None, Open, Write } m_pending = Pending::None;
    bool m_pendingOk = false;
    std::int64_t m_pendingAtNs = 0;
};

} // namespace tarn
