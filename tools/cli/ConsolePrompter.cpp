#include "tools/cli/ConsolePrompter.h"

#include <ostream>

namespace tarn::cli {

ConsolePrompter::ConsolePrompter(std::ostream& err, int retries, bool forceType)
    : m_err(err)
    , m_retriesLeft(retries)
    , m_forceType(forceType) {}

PromptAnswer ConsolePrompter::ask(const Prompt& prompt) {
    m_err << prompt.text << "\n";
    switch (prompt.buttons) {
    case PromptButtons::RetryCancel:
        if (m_retriesLeft > 0) {
            --m_retriesLeft;
            m_err << "  (retrying)\n";
            return PromptAnswer::Retry;
        }
        return PromptAnswer::Cancel;
    case PromptButtons::OkCancel:
        if (m_forceType) {
            m_err << "  (continuing: --force-type)\n";
            return PromptAnswer::Ok;
        }
        return PromptAnswer::Cancel;
    case PromptButtons::YesNo:
    case PromptButtons::YesNoCancel:
        return PromptAnswer::No;
    case PromptButtons::Ok:
        break;
    }
    return PromptAnswer::Ok;
}

} // namespace tarn::cli
