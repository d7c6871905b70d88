#pragma once

#include <string>
#include <sys/types.h>
#include <vector>

namespace tarn {

// tarn-virtual-radio as a child process; stopped with SIGTERM at the latest when this goes
// away.
class VirtualRadioProcess {
public:
    // Throws std::runtime_error when the program cannot be started or names no device.
    VirtualRadioProcess(const std::string& program, const std::vector<std::string>& args);
    ~VirtualRadioProcess();
    VirtualRadioProcess(const VirtualRadioProcess&) = delete;
    VirtualRadioProcess& operator=(const VirtualRadioProcess&) = delete;

    [[nodiscard]] const std::string& devicePath() const { return m_devicePath; }
    [[nodiscard]] pid_t pid() const { return m_pid; }
    // Sends SIGTERM and waits; the exit status, or -1 when it did not exit normally.
    int stop();

private:
    pid_t m_pid = -1;
    int m_output = -1;
    std::string m_devicePath;
};

} // namespace tarn
