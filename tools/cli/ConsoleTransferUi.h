#pragma once

#include "link/TransferUi.h"

#include <atomic>
#include <iosfwd>
#include <string>

namespace tarn::cli {

// Transfer progress on stderr: one line redrawn in place on a terminal, otherwise a plain
// line every tenth of the way. Ctrl-C (see requestCancel) cancels at the transfer's next step.
class ConsoleTransferUi final : public TransferUi {
public:
    ConsoleTransferUi(std::ostream& err, bool terminal, std::string label, Prompter& prompter);

    void setStatusText(const std::string& text) override;
    void setProgressRange(int minimum, int maximum) override;
    void setProgressPosition(int position) override;
    [[nodiscard]] int progressPosition() const override { return m_position; }
    void stepProgress() override { setProgressPosition(m_position + 1); }
    [[nodiscard]] bool cancelRequested() const override;
    [[nodiscard]] Prompter& prompter() override;
    void closeWindow() override;

    // Async-signal-safe.
    static void requestCancel();
    static void resetCancel();
    [[nodiscard]] static bool cancelPending();

private:
    void showProgress();
    void endProgressLine();
    [[nodiscard]] int percent() const;

    std::ostream& m_err;
    bool m_terminal;
    std::string m_label;
    Prompter& m_prompter;
    std::string m_lastStatus;
    int m_minimum = 0;
    int m_maximum = 100;
    int m_position = 0;
    int m_shownPercent = -1;
    bool m_lineOpen = false;
    static std::atomic<bool> s_cancel;
};

} // namespace tarn::cli
