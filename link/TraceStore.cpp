#include "link/TraceStore.h"

#include "data/XdgFolder.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <utility>

namespace tarn {

namespace {

namespace fs = std::filesystem;

constexpr int MaxSequence = 999;
constexpr std::string_view BackupExtension = ".sin";

struct TraceEntry {
    fs::path file;
    BackupName name;
};

std::string traceFileName(const BackupName& name) {
    std::string file = name.fileName();
    file.resize(file.size() - BackupExtension.size());
    return file + TraceStore::Extension;
}

std::optional<BackupName> parseTraceName(std::string_view file) {
    const std::string_view extension = TraceStore::Extension;
    if (!file.ends_with(extension))
        return std::nullopt;
    std::string asBackup(file.substr(0, file.size() - extension.size()));
    asBackup += BackupExtension;
    return BackupName::parse(asBackup);
}

// Newest first: by time, then by the order one second's names were taken.
bool newerThan(const TraceEntry& a, const TraceEntry& b) {
    return std::pair(b.name.order(), b.file.filename()) <
           std::pair(a.name.order(), a.file.filename());
}

std::vector<TraceEntry> entries(const fs::path& folder) {
    std::vector<TraceEntry> found;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        if (!it->is_regular_file(error))
            continue;
        if (auto name = parseTraceName(it->path().filename().string()))
            found.push_back({it->path(), std::move(*name)});
    }
    std::sort(found.begin(), found.end(), newerThan);
    return found;
}

} // namespace

fs::path TraceStore::defaultFolder() {
    const fs::path base = XdgFolder::base("XDG_STATE_HOME", ".local/state");
    return base.empty() ? base : base / "tarn" / "traces";
}

TraceStore::TraceStore(fs::path folder, const WallClock& clock, std::size_t keep)
    : m_folder(std::move(folder))
    , m_clock(clock)
    , m_keep(std::max<std::size_t>(keep, 1)) {}

std::string TraceStore::timeText() const {
    return BackupName{m_clock.localNow(), BackupKind::Read, {}, 1}.timeText();
}

fs::path TraceStore::store(std::string_view text, BackupKind kind, std::string_view port) {
    if (m_folder.empty())
        throw TraceError("there is no folder for traces: neither XDG_STATE_HOME nor HOME is set");
    std::error_code error;
    fs::create_directories(m_folder, error);
    if (error)
        throw TraceError("cannot create the traces folder \"" + m_folder.string() +
                         "\": " + error.message());
    BackupName name{m_clock.localNow(), kind, port.empty() ? "" : BackupName::portLabel(port), 1};
    for (; name.sequence <= MaxSequence; ++name.sequence) {
        const fs::path path = m_folder / traceFileName(name);
        // Exclusive: a trace never replaces a file, nor follows a link planted in its place.
        std::FILE* file = std::fopen(path.string().c_str(), "wbx");
        if (!file && errno == EEXIST)
            continue;
        if (!file)
            throw TraceError("cannot create the trace \"" + path.string() +
                             "\": " + std::strerror(errno));
        const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
        const int writeErrno = errno;
        const bool closed = std::fclose(file) == 0;
        if (!written || !closed) {
            fs::remove(path, error);
            throw TraceError("cannot write the trace \"" + path.string() +
                             "\": " + std::strerror(written ? errno : writeErrno));
        }
        prune(path);
        return path;
    }
    throw TraceError("too many traces in one second in \"" + m_folder.string() + "\"");
}

std::vector<fs::path> TraceStore::list() const {
    std::vector<fs::path> files;
    for (TraceEntry& entry : entries(m_folder))
        files.push_back(std::move(entry.file));
    return files;
}

std::optional<fs::path> TraceStore::newest() const {
    std::vector<fs::path> files = list();
    if (files.empty())
        return std::nullopt;
    return files.front();
}

void TraceStore::prune(const fs::path& justStored) const {
    // The trace just stored counts as kept wherever a clock once ahead sorts it.
    std::size_t kept = 1;
    for (const fs::path& file : list()) {
        if (file == justStored)
            continue;
        if (kept < m_keep) {
            ++kept;
            continue;
        }
        std::error_code ignored;
        fs::remove(file, ignored);
    }
}

} // namespace tarn
