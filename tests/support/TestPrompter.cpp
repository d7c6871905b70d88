#include "tests/support/TestPrompter.h"

#include <gtest/gtest.h>

namespace tarn::test {

PromptAnswer TestPrompter::ask(const Prompt& prompt) {
    m_prompts.push_back(prompt);
    if (m_answers.empty()) {
        ADD_FAILURE() << "unexpected prompt: \"" << prompt.text << "\" (caption \""
                      << prompt.caption << "\")";
        return prompt.buttons == PromptButtons::Ok ? PromptAnswer::Ok : PromptAnswer::Cancel;
    }
    const PromptAnswer next = m_answers.front();
    m_answers.pop_front();
    return next;
}

void TestPrompter::answer(std::initializer_list<PromptAnswer> answers) {
    m_answers.insert(m_answers.end(), answers.begin(), answers.end());
}

std::vector<std::string> TestPrompter::texts() const {
    std::vector<std::string> result;
    result.reserve(m_prompts.size());
    for (const Prompt& p : m_prompts)
        result.push_back(p.text);
    return result;
}

void TestPrompter::clear() {
    m_answers.clear();
    m_prompts.clear();
}

} // namespace tarn::test
