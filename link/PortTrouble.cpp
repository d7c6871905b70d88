#include "link/PortTrouble.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

#if defined(__unix__) && !defined(__EMSCRIPTEN__)
#define TARN_PROBE_DEVICES 1
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#endif

namespace tarn {

namespace {

namespace fs = std::filesystem;

std::string permissionAdvice(const std::string& device, const DeviceFacts& facts) {
    const std::string user = facts.user.empty() ? "USER" : facts.user;
    // Joining root's group is no fix; such a device wants the administrator.
    if (facts.group.empty() || facts.group == "root" || !facts.groupMayReadWrite)
        return "Your account may not use " + device +
               ", and no group gives access to it: ask the administrator for access.";
    return "Your account may not use " + device +
           ". Add it to the group that owns the device (sudo usermod -aG " + facts.group + " " +
           user + "), then log out and in again.";
}

std::string missingAdvice(const std::string& device, const DeviceFacts& facts) {
    std::string text = device + ": No such device: is the cable plugged in?";
    if (!facts.anyUsbSerialPort && facts.brailleServiceInstalled)
        text += "\nNo USB serial port is present and the braille display service (brltty) is "
                "installed: it can claim USB serial adapters. Without a braille display, remove "
                "it (sudo apt remove brltty) and plug the cable in again.";
    return text;
}

std::string busyAdvice(const std::string& device, const DeviceFacts& facts) {
    const std::string who = facts.holder.empty() ? "another program" : facts.holder;
    return device + " is in use by " + who + ": close it and try again.";
}

#ifdef TARN_PROBE_DEVICES

std::string firstLine(const fs::path& path) {
    std::ifstream in(path);
    std::string line;
    std::getline(in, line);
    return line;
}

std::string processName(long pid) {
    if (pid <= 0 || pid == static_cast<long>(::getpid()))
        return {};
    const fs::path proc = fs::path("/proc") / std::to_string(pid);
    std::error_code error;
    if (!fs::exists(proc, error))
        return {};
    std::string name = firstLine(proc / "comm");
    return (name.empty() ? "a program" : name) + " (process " + std::to_string(pid) + ")";
}

std::optional<long> leadingNumber(const std::string& text) {
    std::istringstream in(text);
    long value = 0;
    if (in >> value && value > 0)
        return value;
    return std::nullopt;
}

// The UUCP-style lock files (LCK..ttyUSB0) that serial programs leave; the first line is the
// holder's process id.
std::string lockFileHolder(const std::string& device) {
    const std::string name = "LCK.." + fs::path(device).filename().string();
    for (const char* folder : {"/run/lock", "/var/lock", "/var/spool/locks", "/tmp"}) {
        const fs::path lock = fs::path(folder) / name;
        std::error_code error;
        if (!fs::is_regular_file(lock, error))
            continue;
        if (const auto pid = leadingNumber(firstLine(lock)))
            if (std::string holder = processName(*pid); !holder.empty())
                return holder;
    }
    return {};
}

// An flock on the device itself, as another window or copy of this program takes.
std::string flockHolder(const struct stat& info) {
    std::ifstream locks("/proc/locks");
    char wanted[64];
    std::snprintf(wanted, sizeof wanted, "%02x:%02x:%llu", major(info.st_dev), minor(info.st_dev),
                  static_cast<unsigned long long>(info.st_ino));
    for (std::string line; std::getline(locks, line);) {
        std::istringstream fields(line);
        std::string id, kind, advisory, mode, where;
        long pid = 0;
        if (!(fields >> id >> kind) || kind == "->" ||
            !(fields >> advisory >> mode >> pid >> where))
            continue;
        if (where == wanted)
            if (std::string holder = processName(pid); !holder.empty())
                return holder;
    }
    return {};
}

bool anyUsbSerialPort() {
    std::error_code error;
    if (fs::is_directory("/dev/serial/by-id", error) && !fs::is_empty("/dev/serial/by-id", error))
        return true;
    for (const auto& entry : fs::directory_iterator("/dev", error)) {
        const std::string name = entry.path().filename().string();
        if (name.starts_with("ttyUSB") || name.starts_with("ttyACM"))
            return true;
    }
    return false;
}

bool brailleServiceInstalled() {
    std::error_code error;
    for (const char* path : {"/usr/bin/brltty", "/bin/brltty", "/usr/sbin/brltty"})
        if (fs::exists(path, error))
            return true;
    return false;
}

std::string accountName() {
    if (const passwd* account = ::getpwuid(::geteuid()))
        return account->pw_name;
    return {};
}

#endif

} // namespace

std::string PortTrouble::explain(const OpenFailure& failure, const DeviceFacts& facts) {
    switch (failure.error) {
    case 0:
        return failure.detail.empty() ? std::string() : failure.device + ": " + failure.detail;
    case EACCES:
    case EPERM:
        return permissionAdvice(failure.device, facts);
    case ENOENT:
    case ENODEV:
    case ENXIO:
        return missingAdvice(failure.device, facts);
    case EBUSY:
        return busyAdvice(failure.device, facts);
    default:
        break;
    }
    const std::string reason =
        failure.detail.empty() ? std::strerror(failure.error) : failure.detail;
    return failure.device + ": " + reason;
}

DeviceFacts PortTrouble::probe(const std::string& device) {
    DeviceFacts facts;
#ifdef TARN_PROBE_DEVICES
    facts.user = accountName();
    facts.anyUsbSerialPort = anyUsbSerialPort();
    facts.brailleServiceInstalled = brailleServiceInstalled();
    struct stat info {};
    if (::stat(device.c_str(), &info) != 0)
        return facts;
    if (const group* owner = ::getgrgid(info.st_gid))
        facts.group = owner->gr_name;
    facts.groupMayReadWrite = (info.st_mode & (S_IRGRP | S_IWGRP)) == (S_IRGRP | S_IWGRP);
    facts.holder = lockFileHolder(device);
    if (facts.holder.empty())
        facts.holder = flockHolder(info);
#else
    (void)device;
#endif
    return facts;
}

} // namespace tarn
