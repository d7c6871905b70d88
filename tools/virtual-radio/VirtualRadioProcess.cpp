#include "tools/virtual-radio/VirtualRadioProcess.h"

#include <csignal>
#include <spawn.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace tarn {

namespace {

std::string readLine(int fd) {
    std::string line;
    char c = 0;
    while (::read(fd, &c, 1) == 1 && c != '\n')
        line += c;
    return line;
}

} // namespace

VirtualRadioProcess::VirtualRadioProcess(const std::string& program,
                                         const std::vector<std::string>& args) {
    int out[2];
    if (::pipe(out) != 0)
        throw std::runtime_error("pipe failed");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    std::vector<std::string> all = {program};
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& arg : all)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    const int spawned =
        ::posix_spawn(&m_pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(out[1]);
    if (spawned != 0) {
        ::close(out[0]);
        throw std::runtime_error("cannot start " + program);
    }
    // The read end stays open, so later output does not kill the radio with SIGPIPE.
    m_output = out[0];
    m_devicePath = readLine(m_output);
    if (m_devicePath.empty()) {
        (void)stop();
        throw std::runtime_error(program + " named no device");
    }
}

VirtualRadioProcess::~VirtualRadioProcess() {
    (void)stop();
}

int VirtualRadioProcess::stop() {
    if (m_pid <= 0)
        return -1;
    ::kill(m_pid, SIGTERM);
    int status = 0;
    const pid_t waited = ::waitpid(m_pid, &status, 0);
    m_pid = -1;
    ::close(m_output);
    m_output = -1;
    return waited > 0 && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace tarn
