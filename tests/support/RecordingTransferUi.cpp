#include "tests/support/RecordingTransferUi.h"

#include "tests/support/TestPrompter.h"

namespace tarn::test {

RecordingTransferUi::RecordingTransferUi(TestPrompter& prompter)
    : m_prompter(prompter) {}

void RecordingTransferUi::setProgressRange(int minimum, int maximum) {
    m_minimum = minimum;
    m_maximum = maximum;
    ++m_rangeSets;
}

void RecordingTransferUi::pump() {
    ++m_pumps;
    if (m_pumps == m_cancelAt)
        m_cancelled = true;
    if (m_hook)
        m_hook(m_pumps);
}

Prompter& RecordingTransferUi::prompter() {
    return m_prompter;
}

} // namespace tarn::test
