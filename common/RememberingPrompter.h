#pragma once

#include "common/Prompter.h"

#include <string>

namespace tarn {

// Passes every message on and keeps the text of the last one, for a report of a problem.
class RememberingPrompter final : public Prompter {
public:
    explicit RememberingPrompter(Prompter& shown)
        : m_shown(shown) {}

    [[nodiscard]] PromptAnswer ask(const Prompt& prompt) override {
        m_lastText = prompt.text;
        return m_shown.ask(prompt);
    }
    [[nodiscard]] const std::string& lastText() const { return m_lastText; }

private:
    Prompter& m_shown;
    std::string m_lastText;
};

} // namespace tarn
