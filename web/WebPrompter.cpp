#include "web/WebPrompter.h"

#include <utility>

namespace tarn {

namespace {

PromptAnswer safeAnswer(PromptButtons buttons) {
    switch (buttons) {
    case PromptButtons::Ok:
        return PromptAnswer::Ok;
    case PromptButtons::YesNo:
        return PromptAnswer::No;
    case PromptButtons::OkCancel:
    case PromptButtons::YesNoCancel:
    case PromptButtons::RetryCancel:
        break;
    }
    return PromptAnswer::Cancel;
}

} // namespace

PromptAnswer WebPrompter::ask(const Prompt& prompt) {
    if (prompt.buttons == PromptButtons::Ok) {
        m_messages.push_back(prompt);
        return PromptAnswer::Ok;
    }
    if (m_answers.empty()) {
        if (!m_unanswered)
            m_unanswered = prompt;
        return safeAnswer(prompt.buttons);
    }
    const PromptAnswer answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}

std::vector<Prompt> WebPrompter::takeMessages() {
    return std::exchange(m_messages, {});
}

std::optional<Prompt> WebPrompter::takeUnanswered() {
    m_answers.clear();
    return std::exchange(m_unanswered, std::nullopt);
}

} // namespace tarn
