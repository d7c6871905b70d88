#include "link/PosixPortSystem.h"

#include "link/SystemPorts.h"

#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <system_error>

#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tarn {

namespace fs = std::filesystem;

namespace {

// Where serial programs keep their lock files, the ones Qt looks at among them.
constexpr std::array LockFolders{
    "/var/lock",  "/run/lock", "/var/lock/lockdev", "/var/spool/locks", "/var/spool/uucp",
    "/etc/locks", "/tmp",      "/var/tmp"};

// Files that a braille service claiming USB serial adapters leaves behind.
constexpr std::array BrailleFiles{"/usr/bin/brltty", "/bin/brltty", "/usr/sbin/brltty",
                                  "/usr/lib/udev/rules.d/85-brltty.rules",
                                  "/lib/udev/rules.d/85-brltty.rules"};

std::string firstLine(const fs::path& file) {
    std::ifstream in(file);
    std::string line;
    std::getline(in, line);
    return line;
}

// A lock file holds the process id as text ("   1234\n"), or as a 4-byte number in the oldest
// kind.
int lockPid(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (bytes.size() == 4 && bytes.find('\n') == std::string::npos) {
        int pid = 0;
        std::copy(bytes.begin(), bytes.end(), reinterpret_cast<char*>(&pid));
        return pid;
    }
    const std::size_t begin = bytes.find_first_not_of(" \t");
    if (begin == std::string::npos)
        return 0;
    char* end = nullptr;
    const long pid = std::strtol(bytes.c_str() + begin, &end, 10);
    return pid > 0 && pid < (1L << 30) ? static_cast<int>(pid) : 0;
}

} // namespace

PosixPortSystem::PosixPortSystem(PortLister ports, std::string root)
    : m_ports(std::move(ports))
    , m_root(std::move(root)) {}

const PosixPortSystem& PosixPortSystem::instance() {
    static const PosixPortSystem system(&SystemPorts::available);
    return system;
}

std::optional<PortTrouble::DeviceGroup>
PosixPortSystem::deviceGroup(const std::string& device) const {
    struct stat info {};
    if (::stat(device.c_str(), &info) != 0)
        return std::nullopt;
    PortTrouble::DeviceGroup owner;
    const struct group* entry = ::getgrgid(info.st_gid);
    owner.name = entry != nullptr ? entry->gr_name : std::to_string(info.st_gid);
    owner.mayReadWrite = (info.st_mode & S_IRGRP) != 0 && (info.st_mode & S_IWGRP) != 0;
    return owner;
}

std::string PosixPortSystem::userName() const {
    if (const passwd* entry = ::getpwuid(::geteuid()); entry != nullptr && entry->pw_name)
        return entry->pw_name;
    const char* user = std::getenv("USER");
    return user != nullptr ? user : "";
}

std::string PosixPortSystem::lockFileName(const std::string& device) {
    std::string name = device;
    if (name.rfind("/dev/", 0) == 0)
        name.erase(0, 5);
    for (char& c : name) {
        if (c == '/')
            c = '_';
    }
    return "LCK.." + name;
}

std::optional<PortTrouble::Holder> PosixPortSystem::holder(const std::string& device) const {
    if (auto found = lockFileHolder(device))
        return found;
    return openerOf(device);
}

std::optional<PortTrouble::Holder>
PosixPortSystem::lockFileHolder(const std::string& device) const {
    for (const char* folder : LockFolders) {
        const fs::path file = fs::path(m_root + folder) / lockFileName(device);
        std::error_code error;
        if (!fs::is_regular_file(file, error))
            continue;
        // A lock whose process is gone holds nothing.
        if (auto owner = process(lockPid(file)))
            return owner;
    }
    return std::nullopt;
}

std::optional<PortTrouble::Holder> PosixPortSystem::openerOf(const std::string& device) const {
    // Only the processes this account may look into tell what they have open.
    std::error_code error;
    const fs::path wanted = fs::weakly_canonical(device, error);
    if (error)
        return std::nullopt;
    for (const fs::directory_entry& entry : fs::directory_iterator(m_root + "/proc", error)) {
        const std::string name = entry.path().filename().string();
        if (name.empty() || name.find_first_not_of("0123456789") != std::string::npos)
            continue;
        std::error_code fdError;
        for (const fs::directory_entry& fd : fs::directory_iterator(entry.path() / "fd", fdError)) {
            std::error_code linkError;
            const fs::path target = fs::read_symlink(fd.path(), linkError);
            if (!linkError && target == wanted)
                return process(std::atoi(name.c_str()));
        }
    }
    return std::nullopt;
}

std::optional<PortTrouble::Holder> PosixPortSystem::process(int pid) const {
    if (pid <= 0)
        return std::nullopt;
    const fs::path folder = fs::path(m_root + "/proc") / std::to_string(pid);
    std::error_code error;
    if (!fs::is_directory(folder, error))
        return std::nullopt;
    return PortTrouble::Holder{pid, firstLine(folder / "comm")};
}

bool PosixPortSystem::brailleServiceInstalled() const {
    for (const char* file : BrailleFiles) {
        std::error_code error;
        if (fs::exists(m_root + file, error))
            return true;
    }
    return false;
}

std::vector<PortIdentity> PosixPortSystem::ports() const {
    return m_ports ? m_ports() : std::vector<PortIdentity>{};
}

} // namespace tarn
