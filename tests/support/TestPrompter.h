#pragma once

#include "common/Prompter.h"

#include <deque>
#include <string>
#include <vector>

namespace tarn::test {

// Answers prompts from a queue and records every one; a prompt with no queued answer
// fails the running test and is answered with the box's escape answer.
class TestPrompter final : public Prompter {
public:
    [[nodiscard]] PromptAnswer ask(const Prompt& prompt) override;

    void answer(PromptAnswer answer) { m_answers.push_back(answer); }
    void answer(std::initializer_list<PromptAnswer> answers);

    [[nodiscard]] const std::vector<Prompt>& prompts() const { return m_prompts; }
    [[nodiscard]] std::vector<std::string> texts() const;
    [[nodiscard]] std::size_t pendingAnswers() const { return m_answers.size(); }
    void clear();

private:
    std::deque<PromptAnswer> m_answers;
    std::vector<Prompt> m_prompts;
};

} // namespace tarn::test
