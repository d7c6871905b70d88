#include "tests/support/VirtualClock.h"

namespace tarn::test {

void VirtualClock::sleep(int milliseconds) {
    m_sleeps.push_back(milliseconds);
    if (milliseconds > 0)
        m_now += milliseconds;
    if (m_hook)
        m_hook(milliseconds);
}

} // namespace tarn::test
