#pragma once

#include "link/TransferUi.h"

namespace tarn::bench {

// No window: the bar is tracked, prompts are answered by the prompter given.
class BenchTransferUi final : public TransferUi {
public:
    explicit BenchTransferUi(Prompter& prompter)
        : m_prompter(prompter) {}

    void setStatusText(const std::string&) override {}
    void setProgressRange(int, int) override {}
    void setProgressPosition(int position) override { m_position = position; }
    [[nodiscard]] int progressPosition() const override { return m_position; }
    void stepProgress() override { ++m_position; }
    [[nodiscard]] bool cancelRequested() const override { return false; }
    [[nodiscard]] Prompter& prompter() override { return m_prompter; }
    void closeWindow() override {}

private:
    Prompter& m_prompter;
    int m_position = 0;
};

} // namespace tarn::bench
