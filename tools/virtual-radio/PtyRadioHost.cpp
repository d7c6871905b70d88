#include "tools/virtual-radio/PtyRadioHost.h"

#include "radio/VirtualRadio.h"
#include "tools/virtual-radio/WireLogFile.h"

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <system_error>
#include <termios.h>
#include <unistd.h>

namespace tarn {

namespace {

[[noreturn]] void fail(const char* what) {
    throw std::system_error(errno, std::generic_category(), what);
}

std::int64_t steadyNs() {
    using namespace std::chrono;
    return duration_cast<nanoseconds>(steady_clock::now().time_since_epoch()).count();
}

void closeFd(int& fd) {
    if (fd >= 0)
        ::close(fd);
    fd = -1;
}

} // namespace

PtyRadioHost::PtyRadioHost(VirtualRadio& radio)
    : m_radio(radio)
    , m_startNs(steadyNs()) {
    m_master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (m_master < 0)
        fail("posix_openpt");
    if (::grantpt(m_master) != 0 || ::unlockpt(m_master) != 0)
        fail("unlockpt");
    const char* name = ::ptsname(m_master);
    if (name == nullptr)
        fail("ptsname");
    m_devicePath = name;
    m_slave = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (m_slave < 0)
        fail("open slave");
    termios raw{};
    if (::tcgetattr(m_slave, &raw) != 0)
        fail("tcgetattr");
    ::cfmakeraw(&raw);
    ::cfsetspeed(&raw, B9600);
    if (::tcsetattr(m_slave, TCSANOW, &raw) != 0)
        fail("tcsetattr");
    if (::pipe2(m_stopPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        fail("pipe");
    const int flags = ::fcntl(m_master, F_GETFL);
    ::fcntl(m_master, F_SETFL, flags | O_NONBLOCK);
}

PtyRadioHost::~PtyRadioHost() {
    closeFd(m_master);
    closeFd(m_slave);
    closeFd(m_stopPipe[0]);
    closeFd(m_stopPipe[1]);
}

void PtyRadioHost::requestStop() const {
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(m_stopPipe[1], &byte, 1);
}

std::int64_t PtyRadioHost::nowNs() const {
    return steadyNs() - m_startNs;
}

void PtyRadioHost::run() {
    while (!m_hungUp) {
        pollfd fds[2] = {{m_master, POLLIN, 0}, {m_stopPipe[0], POLLIN, 0}};
        timespec wait{};
        const timespec* timeout = nullptr;
        if (m_radio.hasOutput()) {
            const std::int64_t left = std::max<std::int64_t>(0, m_radio.nextOutputNs() - nowNs());
            wait.tv_sec = static_cast<time_t>(left / 1'000'000'000);
            wait.tv_nsec = static_cast<long>(left % 1'000'000'000);
            timeout = &wait;
        }
        if (::ppoll(fds, 2, timeout, nullptr) < 0) {
            if (errno == EINTR)
                continue;
            fail("ppoll");
        }
        if (fds[1].revents != 0)
            return;
        if ((fds[0].revents & POLLIN) != 0)
            serveInput();
        sendReady();
    }
}

void PtyRadioHost::serveInput() {
    std::uint8_t buffer[256];
    for (;;) {
        const ssize_t n = ::read(m_master, buffer, sizeof buffer);
        if (n <= 0)
            return;
        const std::span<const std::uint8_t> bytes{buffer, static_cast<std::size_t>(n)};
        if (m_wireLog)
            m_wireLog->add(TraceDirection::ToRadio, bytes, static_cast<double>(nowNs()) / 1e6);
        m_radio.receive(bytes, nowNs());
        if (m_radio.hungUp()) {
            hangUp();
            return;
        }
    }
}

void PtyRadioHost::sendReady() {
    if (m_hungUp)
        return;
    const std::vector<std::uint8_t> ready = m_radio.takeOutput(nowNs());
    if (m_wireLog)
        m_wireLog->add(TraceDirection::FromRadio, ready, static_cast<double>(nowNs()) / 1e6);
    std::size_t done = 0;
    while (done < ready.size()) {
        const ssize_t n = ::write(m_master, ready.data() + done, ready.size() - done);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EINTR)
            fail("write");
        pollfd out{m_master, POLLOUT, 0};
        (void)::poll(&out, 1, 10);
    }
}

void PtyRadioHost::hangUp() {
    // Closing every descriptor of the master side makes the device vanish for the PC.
    m_hungUp = true;
    closeFd(m_slave);
    closeFd(m_master);
}

} // namespace tarn
