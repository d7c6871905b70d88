#pragma once

#include "link/TransferUi.h"

#include <string>
#include <vector>

namespace tarn {

// The progress window of a transfer that runs within one call: it keeps the status texts for
// the page to show, and nobody can press Cancel meanwhile.
class WebTransferUi final : public TransferUi {
public:
    explicit WebTransferUi(Prompter& prompter)
        : m_prompter(prompter) {}

    void setStatusText(const std::string& text) override { m_texts.push_back(text); }
    void setProgressRange(int, int) override {}
    void setProgressPosition(int position) override { m_position = position; }
    [[nodiscard]] int progressPosition() const override { return m_position; }
    void stepProgress() override { ++m_position; }
    [[nodiscard]] bool cancelRequested() const override { return false; }
    [[nodiscard]] Prompter& prompter() override { return m_prompter; }
    void closeWindow() override {}

    [[nodiscard]] const std::vector<std::string>& statusTexts() const { return m_texts; }

private:
    Prompter& m_prompter;
    std::vector<std::string> m_texts;
    int m_position = 0;
};

} // namespace tarn
