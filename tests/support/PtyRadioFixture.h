#pragma once

#include "radio/VirtualRadio.h"
#include "tools/virtual-radio/PtyRadioHost.h"

#include <memory>
#include <string>
#include <thread>

namespace tarn::test {

// A virtual radio served on a pseudo-terminal from a thread of the test process. Look at
// the radio only after stop().
class PtyRadioFixture {
public:
    explicit PtyRadioFixture(FaultPlan faults = {}, bool paced = false);
    ~PtyRadioFixture();
    PtyRadioFixture(const PtyRadioFixture&) = delete;
    PtyRadioFixture& operator=(const PtyRadioFixture&) = delete;

    [[nodiscard]] const std::string& devicePath() const { return m_host->devicePath(); }
    // Set up the radio before start().
    [[nodiscard]] VirtualRadio& radio() { return m_radio; }
    void start();
    void stop();

private:
    VirtualRadio m_radio;
    std::unique_ptr<PtyRadioHost> m_host;
    std::thread m_thread;
};

} // namespace tarn::test
