#pragma once

#include <sys/types.h>
#include <vector>

namespace tarn::bench {

// Child processes that spin on the CPU for as long as this object lives.
class BusyLoops {
public:
    explicit BusyLoops(int count);
    ~BusyLoops();
    BusyLoops(const BusyLoops&) = delete;
    BusyLoops& operator=(const BusyLoops&) = delete;

private:
    std::vector<pid_t> m_children;
};

} // namespace tarn::bench
