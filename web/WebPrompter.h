#pragma once

#include "common/Prompter.h"

#include <deque>
#include <string>
#include <vector>

namespace tarn {

// The page's prompter: a bound call cannot wait for a click, so the page gives the answers
// it means beforehand and shows every message the call left when it returns. A question with
// no answer given takes its safe way out (Cancel, No), never a risky one.
class WebPrompter final : public Prompter {
public:
    [[nodiscard]] PromptAnswer ask(const Prompt& prompt) override;

    void giveAnswer(PromptAnswer answer) { m_answers.push_back(answer); }
    // The messages shown since the last call, oldest first; clears them.
    [[nodiscard]] std::vector<Prompt> takeMessages();

private:
    std::deque<PromptAnswer> m_answers;
    std::vector<Prompt> m_messages;
};

} // namespace tarn
