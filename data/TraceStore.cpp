#include "data/TraceStore.h"

#include "data/AtomicFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <span>
#include <system_error>

namespace tarn {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view Extension = ".trace";
constexpr int MaxSequence = 999;

std::string stamp(const LocalTime& t, int sequence) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d%02d%02d-%02d%02d%02d-%03d", t.year, t.month, t.day,
                  t.hour, t.minute, t.second, sequence);
    return text;
}

// "YYYYMMDD-HHMMSS-NNN-": the names sort by time as text.
bool isTraceName(const std::string& name) {
    if (name.size() < 21 || !name.ends_with(Extension) || name[8] != '-' || name[15] != '-' ||
        name[19] != '-')
        return false;
    for (const std::size_t i : {0, 1, 2, 3, 4, 5, 6, 7, 9, 10, 11, 12, 13, 14, 16, 17, 18})
        if (name[i] < '0' || name[i] > '9')
            return false;
    return true;
}

std::string lastError() {
    return std::strerror(errno);
}

} // namespace

fs::path TraceStore::defaultFolder() {
    if (const char* state = std::getenv("XDG_STATE_HOME"); state && *state == '/')
        return fs::path(state) / "tarn" / "traces";
    const char* home = std::getenv("HOME");
#ifdef _WIN32
    if (!home || !*home)
        home = std::getenv("LOCALAPPDATA");
#endif
    if (!home || !*home)
        return {};
    return fs::path(home) / ".local" / "state" / "tarn" / "traces";
}

TraceStore::TraceStore(fs::path folder, const WallClock& clock, std::size_t keep)
    : m_folder(std::move(folder))
    , m_clock(clock)
    , m_keep(keep) {}

fs::path TraceStore::store(std::string_view text, std::string_view kind) {
    if (m_folder.empty())
        throw TraceError("there is no folder for traces: neither XDG_STATE_HOME nor HOME is set");
    std::error_code error;
    fs::create_directories(m_folder, error);
    if (error)
        throw TraceError("cannot create the traces folder \"" + m_folder.string() +
                         "\": " + error.message());
    const LocalTime now = m_clock.localNow();
    // One sequence per second whatever the kind, so the names sort as the traces were kept.
    for (int sequence = nextSequence(now); sequence <= MaxSequence; ++sequence) {
        const fs::path path =
            m_folder / (stamp(now, sequence) + "-" + std::string(kind) + std::string(Extension));
        std::FILE* file = std::fopen(path.string().c_str(), "wbx");
        if (!file && errno == EEXIST)
            continue;
        if (!file)
            throw TraceError("cannot create the trace \"" + path.string() + "\": " + lastError());
        const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
        const std::string reason = lastError();
        if (std::fclose(file) != 0 || !written) {
            fs::remove(path, error);
            throw TraceError("cannot write the trace \"" + path.string() + "\": " + reason);
        }
        prune();
        return path;
    }
    throw TraceError("too many traces in one second in \"" + m_folder.string() + "\"");
}

int TraceStore::nextSequence(const LocalTime& now) const {
    const std::string second = stamp(now, 0).substr(0, 16);
    int last = 0;
    for (const fs::path& trace : list()) {
        const std::string name = trace.filename().string();
        if (name.starts_with(second))
            last = std::max(last, std::stoi(name.substr(16, 3)));
    }
    return last + 1;
}

std::vector<fs::path> TraceStore::list() const {
    std::vector<fs::path> traces;
    std::error_code error;
    for (fs::directory_iterator it(m_folder, error), end; !error && it != end;
         it.increment(error)) {
        if (it->is_regular_file(error) && isTraceName(it->path().filename().string()))
            traces.push_back(it->path());
    }
    std::sort(traces.begin(), traces.end(), [](const fs::path& a, const fs::path& b) {
        return a.filename().string() > b.filename().string();
    });
    return traces;
}

std::optional<fs::path> TraceStore::latest() const {
    std::vector<fs::path> traces = list();
    if (traces.empty())
        return std::nullopt;
    return traces.front();
}

void TraceStore::prune() const {
    const std::vector<fs::path> traces = list();
    for (std::size_t i = m_keep; i < traces.size(); ++i) {
        std::error_code ignored;
        fs::remove(traces[i], ignored);
    }
}

std::string TraceStore::read(const fs::path& file) {
    std::FILE* in = std::fopen(file.string().c_str(), "rb");
    if (!in)
        throw TraceError("cannot open \"" + file.string() + "\": " + lastError());
    std::string text(MaxViewedSize, '\0');
    text.resize(std::fread(text.data(), 1, text.size(), in));
    const bool failed = std::ferror(in) != 0;
    std::fclose(in);
    if (failed)
        throw TraceError("cannot read \"" + file.string() + "\"");
    return text;
}

void TraceStore::writeTo(const fs::path& file, std::string_view text) {
    const auto bytes = std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
    if (const auto failure = AtomicFile::replace(file, bytes))
        throw TraceError("cannot write \"" + file.string() + "\": " + *failure);
}

} // namespace tarn
