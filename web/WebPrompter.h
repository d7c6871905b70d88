#pragma once

#include "common/Prompter.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace tarn {

// The page's prompter: a bound call cannot wait for a click. A message (OK alone) is kept for
// the page to show when the call returns. A question takes the answer the page gave
// beforehand; without one, the call takes its safe way out (Cancel, No), never a risky one,
// and the question is kept: the page asks the user and, for a call that changed nothing before
// asking, calls again with the answer given.
class WebPrompter final : public Prompter {
public:
    [[nodiscard]] PromptAnswer ask(const Prompt& prompt) override;

    void giveAnswer(PromptAnswer answer) { m_answers.push_back(answer); }
    // The messages shown since the last call, oldest first; clears them.
    [[nodiscard]] std::vector<Prompt> takeMessages();
    // The first question asked with no answer given since the last call; clears it and any
    // answers the call left unused, so none carries over to another call.
    [[nodiscard]] std::optional<Prompt> takeUnanswered();

private:
    std::deque<PromptAnswer> m_answers;
    std::vector<Prompt> m_messages;
    std::optional<Prompt> m_unanswered;
};

} // namespace tarn
