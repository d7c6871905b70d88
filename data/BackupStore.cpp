#include "data/BackupStore.h"

#include "data/ChannelCodec.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <system_error>
#include <tuple>

#if defined(__unix__) || defined(__APPLE__)
#include <unistd.h>
#endif

namespace tarn {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view Extension = ".sin";
constexpr std::string_view ReadWord = "read";
constexpr std::string_view WriteWord = "write";
constexpr int MaxSequence = 1000;

std::string twoDigits(int value) {
    return {static_cast<char>('0' + value / 10 % 10), static_cast<char>('0' + value % 10)};
}

std::optional<int> digitsAt(std::string_view text, std::size_t at, std::size_t count) {
    int value = 0;
    const char* begin = text.data() + at;
    const auto [end, error] = std::from_chars(begin, begin + count, value);
    if (error != std::errc() || end != begin + count)
        return std::nullopt;
    return value;
}

bool allDigits(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::optional<LocalTime> parseStamp(std::string_view name) {
    // "YYYYMMDD-HHMMSS"
    if (name.size() < 15 || name[8] != '-')
        return std::nullopt;
    const auto year = digitsAt(name, 0, 4), month = digitsAt(name, 4, 2),
               day = digitsAt(name, 6, 2), hour = digitsAt(name, 9, 2),
               minute = digitsAt(name, 11, 2), second = digitsAt(name, 13, 2);
    if (!year || !month || !day || !hour || !minute || !second)
        return std::nullopt;
    return LocalTime{*year, *month, *day, *hour, *minute, *second};
}

std::string lastError() {
    return std::strerror(errno);
}

// Newest last: by time, then by the order one second's names were taken.
bool olderThan(const BackupEntry& a, const BackupEntry& b) {
    const auto key = [](const BackupEntry& e) {
        const LocalTime& t = e.name.time;
        return std::tuple(t.year, t.month, t.day, t.hour, t.minute, t.second, e.name.sequence,
                          e.file.filename().string());
    };
    return key(a) < key(b);
}

void writeWhole(std::FILE* file, const RadioImage& image, const fs::path& path) {
    const auto bytes = image.bytes();
    bool ok =
        std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size() && std::fflush(file) == 0;
#if defined(__unix__) || defined(__APPLE__)
    ok = ok && ::fsync(::fileno(file)) == 0;
#endif
    const std::string reason = ok ? std::string() : lastError();
    if (std::fclose(file) != 0 && ok)
        throw BackupError("cannot write the backup \"" + path.string() + "\": " + lastError());
    if (!ok)
        throw BackupError("cannot write the backup \"" + path.string() + "\": " + reason);
}

} // namespace

std::string BackupName::fileName() const {
    std::string name = std::to_string(time.year) + twoDigits(time.month) + twoDigits(time.day) +
                       "-" + twoDigits(time.hour) + twoDigits(time.minute) +
                       twoDigits(time.second) + "-" +
                       std::string(kind == BackupKind::Read ? ReadWord : WriteWord);
    if (!port.empty())
        name += "-" + port;
    if (sequence > 1)
        name += "-" + std::to_string(sequence);
    return name + std::string(Extension);
}

std::optional<BackupName> BackupName::parse(std::string_view fileName) {
    if (!fileName.ends_with(Extension))
        return std::nullopt;
    fileName.remove_suffix(Extension.size());
    const std::optional<LocalTime> time = parseStamp(fileName);
    if (!time || fileName.size() < 16 || fileName[15] != '-')
        return std::nullopt;
    BackupName name;
    name.time = *time;
    std::string_view rest = fileName.substr(16);
    if (rest.starts_with(ReadWord)) {
        rest.remove_prefix(ReadWord.size());
    } else if (rest.starts_with(WriteWord)) {
        name.kind = BackupKind::Write;
        rest.remove_prefix(WriteWord.size());
    } else {
        return std::nullopt;
    }
    // What is left: "", "-N", "-PORT" or "-PORT-N"; a port label is never all digits.
    while (!rest.empty()) {
        if (rest[0] != '-')
            return std::nullopt;
        rest.remove_prefix(1);
        const std::string_view part = rest.substr(0, rest.find('-'));
        rest.remove_prefix(part.size());
        if (allDigits(part) && rest.empty()) {
            name.sequence = *digitsAt(part, 0, part.size());
            if (name.sequence < 2)
                return std::nullopt;
        } else if (name.port.empty() && !part.empty() && !allDigits(part)) {
            name.port = part;
        } else {
            return std::nullopt;
        }
    }
    return name;
}

std::string BackupName::timeText() const {
    return std::to_string(time.year) + "-" + twoDigits(time.month) + "-" + twoDigits(time.day) +
           " " + twoDigits(time.hour) + ":" + twoDigits(time.minute) + ":" + twoDigits(time.second);
}

std::string BackupName::portLabel(std::string_view port) {
    if (port.starts_with("/dev/"))
        port.remove_prefix(5);
    std::string label;
    for (const char c : port) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                           (c >= '0' && c <= '9') || c == '_' || c == '.';
        label += plain ? c : '_';
    }
    if (label.empty() || allDigits(label))
        label = "port" + label;
    return label;
}

BackupContents BackupContents::of(const RadioImage& image) {
    BackupContents contents;
    contents.modelType = image.modelType();
    contents.channelCount = channelCountForModel(contents.modelType, RadioImage::MaxChannels);
    for (int row = 0; row < contents.channelCount; ++row)
        contents.programmedChannels += ChannelCodec::isProgrammed(image.row(row)) ? 1 : 0;
    return contents;
}

fs::path BackupStore::defaultFolder() {
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    // A relative XDG_DATA_HOME is invalid and ignored.
    if (dataHome && *dataHome && fs::path(dataHome).is_absolute())
        return fs::path(dataHome) / "tarn" / "backups";
    const char* home = std::getenv("HOME");
#ifdef _WIN32
    if (!home || !*home)
        home = std::getenv("LOCALAPPDATA");
#endif
    if (!home || !*home)
        return {};
    return fs::path(home) / ".local" / "share" / "tarn" / "backups";
}

BackupStore::BackupStore(fs::path folder, const WallClock& clock, std::size_t keep)
    : m_folder(std::move(folder))
    , m_clock(clock)
    , m_keep(keep) {}

fs::path BackupStore::store(const RadioImage& image, BackupKind kind, std::string_view port) {
    if (m_folder.empty())
        throw BackupError("there is no folder for backups: neither XDG_DATA_HOME nor HOME is set");
    std::error_code error;
    fs::create_directories(m_folder, error);
    if (error)
        throw BackupError("cannot create the backups folder \"" + m_folder.string() +
                          "\": " + error.message());
    BackupName name{m_clock.localNow(), kind, port.empty() ? "" : BackupName::portLabel(port)};
    for (; name.sequence <= MaxSequence; ++name.sequence) {
        const fs::path path = m_folder / name.fileName();
        std::FILE* file = std::fopen(path.string().c_str(), "wbx");
        if (!file && errno == EEXIST)
            continue;
        if (!file)
            throw BackupError("cannot create the backup \"" + path.string() + "\": " + lastError());
        try {
            writeWhole(file, image, path);
        } catch (const BackupError&) {
            fs::remove(path, error);
            throw;
        }
        prune(path);
        return path;
    }
    throw BackupError("too many backups in one second in \"" + m_folder.string() + "\"");
}

std::vector<BackupEntry> BackupStore::list() const {
    std::vector<BackupEntry> entries;
    std::error_code error;
    for (fs::directory_iterator it(m_folder, error), end; !error && it != end;
         it.increment(error)) {
        if (!it->is_regular_file(error))
            continue;
        if (auto name = BackupName::parse(it->path().filename().string()))
            entries.push_back({it->path(), std::move(*name)});
    }
    std::sort(entries.begin(), entries.end(),
              [](const BackupEntry& a, const BackupEntry& b) { return olderThan(b, a); });
    return entries;
}

void BackupStore::prune(const fs::path& justStored) const {
    // Names order the list, so a clock once ahead leaves newer-named files; the backup just
    // stored counts as kept wherever it sorts, and the oldest of the others go.
    std::size_t kept = 1;
    for (const BackupEntry& entry : list()) {
        if (entry.file == justStored)
            continue;
        if (kept < m_keep) {
            ++kept;
            continue;
        }
        // Another program pruning the same folder may have removed it already.
        std::error_code ignored;
        fs::remove(entry.file, ignored);
    }
}

} // namespace tarn
