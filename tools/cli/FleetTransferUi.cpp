#include "tools/cli/FleetTransferUi.h"

#include "link/RadioTransfer.h"
#include "tools/cli/ConsoleTransferUi.h"
#include "tools/cli/FleetConsole.h"

#include <algorithm>

namespace tarn::cli {

FleetTransferUi::FleetTransferUi(FleetConsole& console, std::size_t port, int retries,
                                 bool forceType)
    : m_console(console)
    , m_port(port)
    , m_answers(m_promptText, retries, forceType) {}

void FleetTransferUi::setStatusText(const std::string& text) {
    if (RadioTransfer::isBlockCount(text) || text == m_lastStatus)
        return;
    m_lastStatus = text;
    if (text == RadioTransfer::VerifyingText) {
        m_verifying = true;
        m_console.setPhase(m_port, "Verifying");
    } else
        m_console.message(m_port, text);
}

void FleetTransferUi::setProgressRange(int minimum, int maximum) {
    m_minimum = minimum;
    m_maximum = std::max(maximum, minimum + 1);
    m_console.setPhase(m_port, m_verifying ? "Verifying" : "Writing");
}

void FleetTransferUi::setProgressPosition(int position) {
    m_position = std::clamp(position, m_minimum, m_maximum);
    m_console.setPercent(m_port, (m_position - m_minimum) * 100 / (m_maximum - m_minimum));
}

bool FleetTransferUi::cancelRequested() const {
    return ConsoleTransferUi::cancelPending();
}

PromptAnswer FleetTransferUi::ask(const Prompt& prompt) {
    m_promptText.str({});
    const PromptAnswer answer = m_answers.ask(prompt);
    m_console.message(m_port, m_promptText.str());
    return answer;
}

} // namespace tarn::cli
