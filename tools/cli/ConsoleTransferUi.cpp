#include "tools/cli/ConsoleTransferUi.h"

#include "link/RadioTransfer.h"

#include <algorithm>
#include <ostream>

namespace tarn::cli {

namespace {

constexpr int BarWidth = 40;

} // namespace

std::atomic<bool> ConsoleTransferUi::s_cancel{false};

ConsoleTransferUi::ConsoleTransferUi(std::ostream& err, bool terminal, std::string label,
                                     Prompter& prompter)
    : m_err(err)
    , m_terminal(terminal)
    , m_label(std::move(label))
    , m_prompter(prompter) {}

void ConsoleTransferUi::setStatusText(const std::string& text) {
    // Block numbers are shown by the progress line; other texts once each.
    if (RadioTransfer::isBlockCount(text) || text == m_lastStatus)
        return;
    endProgressLine();
    if (text == RadioTransfer::VerifyingText) {
        m_label = "Verifying";
        m_shownPercent = -1;
    }
    m_lastStatus = text;
    m_err << text << "\n";
}

void ConsoleTransferUi::setProgressRange(int minimum, int maximum) {
    m_minimum = minimum;
    m_maximum = std::max(maximum, minimum + 1);
}

void ConsoleTransferUi::setProgressPosition(int position) {
    m_position = std::clamp(position, m_minimum, m_maximum);
    showProgress();
}

int ConsoleTransferUi::percent() const {
    return (m_position - m_minimum) * 100 / (m_maximum - m_minimum);
}

void ConsoleTransferUi::showProgress() {
    const int now = percent();
    if (m_terminal) {
        const int filled = now * BarWidth / 100;
        m_err << "\r" << m_label << " [" << std::string(static_cast<std::size_t>(filled), '#')
              << std::string(static_cast<std::size_t>(BarWidth - filled), ' ') << "] " << m_position
              << "/" << m_maximum << " " << now << "%" << std::flush;
        m_lineOpen = true;
    } else if (now / 10 != m_shownPercent / 10) {
        m_err << m_label << " " << now << "%\n";
    }
    m_shownPercent = now;
}

void ConsoleTransferUi::endProgressLine() {
    if (m_lineOpen)
        m_err << "\n";
    m_lineOpen = false;
}

bool ConsoleTransferUi::cancelRequested() const {
    return cancelPending();
}

bool ConsoleTransferUi::cancelPending() {
    return s_cancel.load();
}

Prompter& ConsoleTransferUi::prompter() {
    endProgressLine();
    return m_prompter;
}

void ConsoleTransferUi::closeWindow() {
    endProgressLine();
}

void ConsoleTransferUi::requestCancel() {
    s_cancel.store(true);
}

void ConsoleTransferUi::resetCancel() {
    s_cancel.store(false);
}

} // namespace tarn::cli
