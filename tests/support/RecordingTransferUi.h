#pragma once

#include "link/TransferUi.h"

#include <functional>
#include <string>
#include <vector>

namespace tarn::test {

class TestPrompter;

// Records what a transfer shows; can press Cancel at a chosen pass (each look at the cancel
// flag is one).
class RecordingTransferUi final : public TransferUi {
public:
    explicit RecordingTransferUi(TestPrompter& prompter);

    void setStatusText(const std::string& text) override { m_statusTexts.push_back(text); }
    void setProgressRange(int minimum, int maximum) override;
    void setProgressPosition(int position) override { m_position = position; }
    [[nodiscard]] int progressPosition() const override { return m_position; }
    void stepProgress() override { ++m_position; }
    [[nodiscard]] bool cancelRequested() const override;
    [[nodiscard]] Prompter& prompter() override;
    void closeWindow() override { ++m_windowCloses; }

    // Cancel is pressed during pass number `pass` (1-based).
    void cancelAtPass(int pass) { m_cancelAt = pass; }
    // Runs during every pass with its number.
    void onPass(std::function<void(int)> hook) { m_hook = std::move(hook); }
    // Cancel pressed while the transfer waits on the line, between passes.
    void requestCancel() { m_cancelled = true; }

    [[nodiscard]] const std::vector<std::string>& statusTexts() const { return m_statusTexts; }
    [[nodiscard]] int rangeMinimum() const { return m_minimum; }
    [[nodiscard]] int rangeMaximum() const { return m_maximum; }
    [[nodiscard]] int rangeSets() const { return m_rangeSets; }
    [[nodiscard]] int passes() const { return m_passes; }
    [[nodiscard]] int windowCloses() const { return m_windowCloses; }

private:
    TestPrompter& m_prompter;
    std::vector<std::string> m_statusTexts;
    int m_minimum = 0;
    int m_maximum = 100;
    int m_rangeSets = 0;
    int m_position = 0;
    mutable int m_passes = 0;
    int m_cancelAt = 0;
    mutable bool m_cancelled = false;
    int m_windowCloses = 0;
    std::function<void(int)> m_hook;
};

} // namespace tarn::test
