#include "link/SerialPortLine.h"

#include "link/PortNames.h"
#include "link/PortSettings.h"

#include <algorithm>
#include <cerrno>

#ifdef __unix__
#include <poll.h>
#include <unistd.h>
#endif

#ifdef __linux__
#include <linux/serial.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#endif

namespace tarn {

namespace {

using SteadyClock = std::chrono::steady_clock;
using std::chrono::milliseconds;

QSerialPort::Parity toQt(Parity parity) {
    switch (parity) {
    case Parity::Odd:
        return QSerialPort::OddParity;
    case Parity::Even:
        return QSerialPort::EvenParity;
    case Parity::None:
        break;
    }
    return QSerialPort::NoParity;
}

const char* errorName(QSerialPort::SerialPortError error) {
    switch (error) {
    case QSerialPort::ReadError:
        return "read error";
    case QSerialPort::WriteError:
        return "write error";
    case QSerialPort::ResourceError:
        return "device gone";
    case QSerialPort::PermissionError:
        return "permission denied";
    default:
        break;
    }
    return "i/o error";
}

constexpr const char* InUseText = "in use by another program";

int remainingMs(SteadyClock::time_point until, SteadyClock::time_point now) {
    const auto left = std::chrono::ceil<milliseconds>(until - now).count();
    return static_cast<int>(std::max<std::int64_t>(left, 0));
}

} // namespace

SerialPortLine::SerialPortLine(TimeSource now)
    : m_now(std::move(now)) {
    QObject::connect(&m_port, &QSerialPort::readyRead, &m_port, [this] {
        if (m_onArrival)
            m_onArrival();
    });
    QObject::connect(&m_port, &QSerialPort::errorOccurred, &m_port,
                     [this](QSerialPort::SerialPortError error) { onPortError(error); });
}

void SerialPortLine::setArrivalHandler(std::function<void()> handler) {
    m_onArrival = std::move(handler);
}

void SerialPortLine::onPortError(QSerialPort::SerialPortError error) {
    // Only an event-driven user hears of errors this way; blocking reads find them themselves.
    if (!m_onArrival || error == QSerialPort::NoError || error == QSerialPort::TimeoutError ||
        !m_port.isOpen() || m_dead)
        return;
    // Qt's notifier may find the queue already emptied by readArrived: its read then fails
    // with EAGAIN, which Qt reports as a read or resource error and, for the latter, turns the
    // notifier off. A port that went away says so by hanging up.
    if ((error == QSerialPort::ReadError || error == QSerialPort::ResourceError) && !hungUp()) {
        m_port.clearError();
        rearmArrivals();
        return;
    }
    markDead();
    m_onArrival();
}

void SerialPortLine::noteOpenFailure(QSerialPort::SerialPortError error) {
    m_errorText = m_port.errorString().toStdString();
    int code = EIO;
#ifdef __unix__
    // Qt reports a denied open, a device another program made exclusive and a lock file held
    // by another program all as a permission error; asking the node itself tells them apart.
    if (::access(m_devicePath.c_str(), R_OK | W_OK) != 0 && (errno == EACCES || errno == ENOENT))
        code = errno;
    else if (error == QSerialPort::PermissionError)
        code = EBUSY;
    else if (error == QSerialPort::DeviceNotFoundError)
        code = ENODEV;
#else
    if (error == QSerialPort::PermissionError)
        code = EACCES;
    else if (error == QSerialPort::DeviceNotFoundError)
        code = ENOENT;
#endif
    if (code == EBUSY)
        m_errorText = InUseText; // rather than Qt's words about its lock file
    m_openFailure = OpenFailure{m_devicePath, code, m_errorText};
}

SerialPortLine::~SerialPortLine() {
    close();
}

bool SerialPortLine::open(const std::string& portName) {
    close();
    m_dead = false;
    m_errorText.clear();
    m_openFailure = {};
    m_devicePath = PortNames::resolve(portName, &PortSettings::lookup);
    m_port.setPortName(QString::fromStdString(m_devicePath));
    if (!m_port.open(QIODevice::ReadWrite)) {
        noteOpenFailure(m_port.error());
        m_port.clearError();
        return false;
    }
    // Qt sets the exclusive flag on every open; a process killed while holding it would
    // lock every ordinary user out until the device is created anew.
    clearExclusiveFlag();
    if (!holdExclusively()) {
        m_port.close();
        m_port.clearError();
        return false;
    }
    requestLowLatency();
    m_port.clear();
    return true;
}

void SerialPortLine::setQueueSizes(std::size_t inputBytes, std::size_t /*outputBytes*/) {
    // The input queue bounds what is buffered; the output side has no equivalent.
    m_port.setReadBufferSize(static_cast<qint64>(inputBytes));
}

void SerialPortLine::setTimeouts(const SerialTimeouts& timeouts) {
    m_timeouts = timeouts;
}

void SerialPortLine::setLineSettings(const LineSettings& settings) {
    if (!m_port.isOpen())
        return;
    m_port.setBaudRate(settings.baudRate);
    m_port.setDataBits(static_cast<QSerialPort::DataBits>(settings.dataBits));
    m_port.setParity(toQt(settings.parity));
    m_port.setStopBits(settings.stopBits == 2 ? QSerialPort::TwoStop : QSerialPort::OneStop);
    m_port.clearError();
}

ReadResult SerialPortLine::read(std::span<std::uint8_t> buffer) {
    ReadResult result;
    if (!usable()) {
        result.failed = true;
        return result;
    }
    const auto n = static_cast<int>(buffer.size());
    const Deadline total = m_now() + milliseconds(m_timeouts.readTotalMultiplierMs * n +
                                                  m_timeouts.readTotalConstantMs);
    const milliseconds interval(m_timeouts.readIntervalMs);
    Deadline until = total;
    while (result.count < buffer.size()) {
        if (m_port.bytesAvailable() == 0 && !waitForBytes(until)) {
            result.failed = m_dead;
            return result;
        }
        const qint64 got = m_port.read(reinterpret_cast<char*>(buffer.data() + result.count),
                                       static_cast<qint64>(buffer.size() - result.count));
        if (got < 0) {
            markDead();
            result.failed = true;
            return result;
        }
        result.count += static_cast<std::size_t>(got);
        if (got > 0)
            until = std::min(total, m_now() + interval);
    }
    return result;
}

bool SerialPortLine::waitForBytes(Deadline until) {
    while (m_port.bytesAvailable() == 0) {
        const int wait = remainingMs(until, m_now());
        if (wait == 0)
            return takeWhatArrived();
        if (stopRequested())
            return false;
        if (m_port.waitForReadyRead(std::min(wait, StopCheckSliceMs)))
            continue;
        const QSerialPort::SerialPortError error = m_port.error();
        if (error != QSerialPort::NoError && error != QSerialPort::TimeoutError) {
            // Qt reports a vanished device as a read error, not always as a resource error.
            markDead();
            return false;
        }
        m_port.clearError();
    }
    return true;
}

bool SerialPortLine::takeWhatArrived() {
    // Finding the deadline passed may only mean this process woke late: bytes that came
    // meanwhile are no silence on the line.
    (void)m_port.waitForReadyRead(0);
    const QSerialPort::SerialPortError error = m_port.error();
    if (error != QSerialPort::NoError && error != QSerialPort::TimeoutError) {
        markDead();
        return false;
    }
    m_port.clearError();
    return m_port.bytesAvailable() > 0;
}

bool SerialPortLine::write(std::span<const std::uint8_t> bytes) {
    if (!usable())
        return false;
    const auto n = static_cast<qint64>(bytes.size());
    if (m_port.write(reinterpret_cast<const char*>(bytes.data()), n) != n) {
        markDead();
        return false;
    }
    const int timeout =
        m_timeouts.writeTotalMultiplierMs * static_cast<int>(n) + m_timeouts.writeTotalConstantMs;
    while (m_port.bytesToWrite() > 0) {
        if (m_port.waitForBytesWritten(timeout))
            continue;
        if (m_port.error() != QSerialPort::TimeoutError && m_port.error() != QSerialPort::NoError) {
            markDead();
            return false;
        }
        m_port.clearError();
        return false;
    }
    drainOutput();
    return true;
}

void SerialPortLine::drainOutput() {
#ifdef __linux__
    // A later purge flushes what the driver still holds; the radio must get it all first.
    (void)::tcdrain(static_cast<int>(m_port.handle()));
#endif
}

void SerialPortLine::purgeAll() {
    purge();
}

std::size_t SerialPortLine::purge() {
    // Writes return only once drained, so there is no output left to drop; flushing output
    // would also throw away bytes a pseudo-terminal has not handed over yet.
    if (!usable())
        return 0;
    auto dropped = static_cast<std::size_t>(m_port.bytesAvailable());
#ifdef __linux__
    int queued = 0;
    if (::ioctl(static_cast<int>(m_port.handle()), FIONREAD, &queued) == 0 && queued > 0)
        dropped += static_cast<std::size_t>(queued);
#endif
    m_port.clear(QSerialPort::Input);
    return dropped;
}

void SerialPortLine::close() {
    if (m_port.isOpen())
        m_port.close();
    m_port.clearError();
}

bool SerialPortLine::holdExclusively() {
#ifdef __linux__
    // The kernel drops the lock with the last descriptor, however the process ends, and root
    // honours it too, this program in another window included.
    const int fd = static_cast<int>(m_port.handle());
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        m_errorText = InUseText;
        m_openFailure = OpenFailure{m_devicePath, EBUSY, m_errorText};
        return false;
    }
#endif
    return true;
}

void SerialPortLine::clearExclusiveFlag() {
#ifdef __linux__
    (void)::ioctl(static_cast<int>(m_port.handle()), TIOCNXCL);
#endif
}

int SerialPortLine::descriptor() const {
    return m_port.isOpen() ? static_cast<int>(m_port.handle()) : -1;
}

ReadResult SerialPortLine::readArrived(std::span<std::uint8_t> buffer) {
    ReadResult result;
    if (!usable()) {
        result.failed = true;
        return result;
    }
    // What Qt buffered at the open comes first.
    const qint64 buffered =
        m_port.read(reinterpret_cast<char*>(buffer.data()), static_cast<qint64>(buffer.size()));
    if (buffered > 0)
        result.count = static_cast<std::size_t>(buffered);
#ifdef __unix__
    const int fd = descriptor();
    while (result.count < buffer.size()) {
        const ssize_t got = ::read(fd, buffer.data() + result.count, buffer.size() - result.count);
        if (got > 0) {
            result.count += static_cast<std::size_t>(got);
            continue;
        }
        if (got < 0 && errno == EINTR)
            continue;
        // The line is set to return at once: 0 or EAGAIN is an empty queue; EIO and the rest
        // mean the device went away.
        if (got < 0 && errno != EAGAIN && errno != EWOULDBLOCK) {
            markDead();
            result.failed = true;
        }
        break;
    }
#endif
    return result;
}

bool SerialPortLine::writeWithoutDrain(std::span<const std::uint8_t> bytes) {
    if (!usable())
        return false;
#ifdef __unix__
    const int fd = descriptor();
    const int timeout = m_timeouts.writeTotalMultiplierMs * static_cast<int>(bytes.size()) +
                        m_timeouts.writeTotalConstantMs;
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t put = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (put > 0) {
            done += static_cast<std::size_t>(put);
            continue;
        }
        if (put < 0 && errno == EINTR)
            continue;
        if (put < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            // A full output queue is rare at these sizes; give it the write timeout once.
            pollfd room{fd, POLLOUT, 0};
            if (::poll(&room, 1, timeout) > 0 && (room.revents & POLLOUT) != 0)
                continue;
            return false;
        }
        markDead();
        return false;
    }
    return true;
#else
    return write(bytes);
#endif
}

bool SerialPortLine::outputDrained() {
#ifdef __linux__
    int queued = 0;
    if (usable() && ::ioctl(descriptor(), TIOCOUTQ, &queued) == 0)
        return queued == 0;
#endif
    return true;
}

bool SerialPortLine::isOpen() const {
    return m_port.isOpen();
}

bool SerialPortLine::hungUp() const {
#ifdef __unix__
    pollfd state{descriptor(), POLLIN, 0};
    return ::poll(&state, 1, 0) < 0 || (state.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0;
#else
    return true;
#endif
}

bool SerialPortLine::usable() const {
    return m_port.isOpen() && !m_dead;
}

void SerialPortLine::rearmArrivals() {
    // Setting the read buffer's size turns Qt's read notifier back on; reading an empty
    // buffer does the same, so at worst the next readArrived rearms it.
    m_port.setReadBufferSize(m_port.readBufferSize());
}

void SerialPortLine::markDead() {
    m_dead = true;
    // Qt's error string may be left over from an earlier call; the error code is current.
    m_errorText = std::string("the port stopped working (") + errorName(m_port.error()) + ")";
    m_port.clearError();
}

void SerialPortLine::requestLowLatency() {
#ifdef __linux__
    // USB adapters otherwise hold each reply back for their latency timer.
    const int fd = static_cast<int>(m_port.handle());
    serial_struct info{};
    if (::ioctl(fd, TIOCGSERIAL, &info) == 0) {
        info.flags |= ASYNC_LOW_LATENCY;
        (void)::ioctl(fd, TIOCSSERIAL, &info);
    }
#endif
}

} // namespace tarn
