#include "data/BackupStore.h"

#include "data/AtomicFile.h"
#include "data/ChannelCodec.h"
#include "data/XdgFolder.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <system_error>
#include <utility>

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
    return std::pair(a.name.order(), a.file.filename()) <
           std::pair(b.name.order(), b.file.filename());
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

constexpr std::array<std::pair<BackupOutcome, std::string_view>, 5> OutcomeWords{{
    {BackupOutcome::Complete, "complete"},
    {BackupOutcome::Verified, "verified"},
    {BackupOutcome::PartlyWritten, "partly-written"},
    {BackupOutcome::VerifyFailed, "verify-failed"},
    {BackupOutcome::NotVerified, "not-verified"},
}};
constexpr std::size_t MaxValue = 256;

// A value as a record may hold it: one line of printable text, not too long.
bool soundValue(std::string_view value) {
    return value.size() <= MaxValue && std::none_of(value.begin(), value.end(), [](char c) {
               return static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
           });
}

std::optional<BackupRecord> readRecord(const fs::path& backup) {
    const fs::path sidecar = BackupRecord::sidecarOf(backup);
    std::error_code error;
    if (!fs::is_regular_file(sidecar, error) ||
        fs::file_size(sidecar, error) > BackupRecord::MaxSize || error)
        return std::nullopt;
    std::FILE* file = std::fopen(sidecar.string().c_str(), "rb");
    if (!file)
        return std::nullopt;
    std::string text(BackupRecord::MaxSize + 1, '\0');
    const std::size_t got = std::fread(text.data(), 1, text.size(), file);
    std::fclose(file);
    if (got > BackupRecord::MaxSize)
        return std::nullopt;
    text.resize(got);
    return BackupRecord::parse(text);
}

} // namespace

std::string_view BackupRecord::outcomeWord(BackupOutcome outcome) {
    for (const auto& [known, word] : OutcomeWords)
        if (known == outcome)
            return word;
    return {};
}

std::string BackupRecord::text() const {
    std::string text =
        std::string(Header) + "\noutcome=" + std::string(outcomeWord(outcome)) + "\n";
    // A value that cannot stand on one line is left out rather than break the record.
    if (!port.empty() && soundValue(port))
        text += "port=" + port + "\n";
    if (!device.empty() && soundValue(device))
        text += "device=" + device + "\n";
    return text;
}

std::optional<BackupRecord> BackupRecord::parse(std::string_view text) {
    if (text.size() > MaxSize || !text.ends_with('\n'))
        return std::nullopt;
    BackupRecord record;
    bool header = false;
    bool outcome = false;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end + 1);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        if (!header) {
            if (line != Header)
                return std::nullopt;
            header = true;
            continue;
        }
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos || !soundValue(line))
            return std::nullopt;
        const std::string_view key = line.substr(0, equals);
        const std::string_view value = line.substr(equals + 1);
        if (key == "outcome") {
            const auto known =
                std::find_if(OutcomeWords.begin(), OutcomeWords.end(),
                             [&](const auto& entry) { return entry.second == value; });
            if (known == OutcomeWords.end())
                return std::nullopt;
            record.outcome = known->first;
            outcome = true;
        } else if (key == "port") {
            record.port = value;
        } else if (key == "device") {
            record.device = value;
        }
        // Other keys belong to later versions and are passed over.
    }
    if (!outcome)
        return std::nullopt;
    return record;
}

fs::path BackupRecord::sidecarOf(const fs::path& backup) {
    fs::path sidecar = backup;
    sidecar.replace_extension(".txt");
    return sidecar;
}

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
    const fs::path base = XdgFolder::base("XDG_DATA_HOME", ".local/share");
    return base.empty() ? base : base / "tarn" / "backups";
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
        // A record left by a backup of the same name removed by hand is not this one's.
        fs::remove(BackupRecord::sidecarOf(path), error);
        prune(path);
        return path;
    }
    throw BackupError("too many backups in one second in \"" + m_folder.string() + "\"");
}

std::optional<std::string> BackupStore::storeRecord(const fs::path& backup,
                                                    const BackupRecord& record) {
    const std::string text = record.text();
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
    if (auto failed = AtomicFile::replace(BackupRecord::sidecarOf(backup), {bytes, text.size()}))
        return "cannot write \"" + BackupRecord::sidecarOf(backup).string() + "\": " + *failed;
    return std::nullopt;
}

std::vector<BackupEntry> BackupStore::list() const {
    std::vector<BackupEntry> entries;
    std::error_code error;
    for (fs::directory_iterator it(m_folder, error), end; !error && it != end;
         it.increment(error)) {
        if (!it->is_regular_file(error))
            continue;
        if (auto name = BackupName::parse(it->path().filename().string()))
            entries.push_back({it->path(), std::move(*name), readRecord(it->path())});
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
        fs::remove(BackupRecord::sidecarOf(entry.file), ignored);
    }
}

} // namespace tarn
