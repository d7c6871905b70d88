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

bool RecordingTransferUi::cancelRequested() const {
    ++m_passes;
    if (m_passes == m_cancelAt)
        m_cancelled = true;
    if (m_hook)
        m_hook(m_passes);
    return m_cancelled;
}

Prompter& RecordingTransferUi::prompter() {
    return m_prompter;
}

} // namespace tarn::test
