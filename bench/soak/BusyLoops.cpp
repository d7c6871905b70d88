#include "bench/soak/BusyLoops.h"

#include <csignal>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace tarn::bench {

BusyLoops::BusyLoops(int count) {
    for (int i = 0; i < count; ++i) {
        const pid_t child = ::fork();
        if (child < 0)
            throw std::runtime_error("cannot start a busy loop");
        if (child == 0) {
            volatile unsigned long spin = 0;
            for (;;)
                spin = spin + 1;
        }
        m_children.push_back(child);
    }
}

BusyLoops::~BusyLoops() {
    for (const pid_t child : m_children)
        ::kill(child, SIGKILL);
    for (const pid_t child : m_children)
        ::waitpid(child, nullptr, 0);
}

} // namespace tarn::bench
