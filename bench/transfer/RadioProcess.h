#pragma once

#include <string>
#include <sys/types.h>
#include <vector>

namespace tarn::bench {

// tarn-virtual-radio as a child process; stopped with SIGTERM when this goes away.
class RadioProcess {
public:
    // Throws std::runtime_error when the program cannot be started or names no device.
    RadioProcess(const std::string& program, const std::vector<std::string>& args);
    ~RadioProcess();
    RadioProcess(const RadioProcess&) = delete;
    RadioProcess& operator=(const RadioProcess&) = delete;

    [[nodiscard]] const std::string& devicePath() const { return m_devicePath; }

private:
    pid_t m_pid = -1;
    std::string m_devicePath;
};

} // namespace tarn::bench
