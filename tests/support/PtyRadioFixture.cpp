#include "tests/support/PtyRadioFixture.h"

namespace tarn::test {

PtyRadioFixture::PtyRadioFixture(FaultPlan faults, bool paced)
    : m_radio(faults)
    , m_host(std::make_unique<PtyRadioHost>(m_radio)) {
    m_radio.setPacing(paced);
}

PtyRadioFixture::~PtyRadioFixture() {
    stop();
}

void PtyRadioFixture::start() {
    if (!m_thread.joinable())
        m_thread = std::thread([this] { m_host->run(); });
}

void PtyRadioFixture::stop() {
    if (!m_thread.joinable())
        return;
    m_host->requestStop();
    m_thread.join();
}

} // namespace tarn::test
