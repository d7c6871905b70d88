#include "tools/cli/CliTrace.h"

#include "common/Version.h"
#include "data/AtomicFile.h"
#include "link/TraceStore.h"

#include <ostream>

namespace tarn::cli {

CliTrace::CliTrace(CliContext& context)
    : m_context(context) {}

std::optional<std::filesystem::path> CliTrace::keep(const TraceRecorder& recorder,
                                                    const TransferSession& session,
                                                    const std::string& port,
                                                    const std::string& device,
                                                    const std::string& file, bool namedByPort) {
    const SystemWallClock clock;
    TraceStore store(
        m_context.traceFolder.empty() ? TraceStore::defaultFolder() : m_context.traceFolder, clock);
    const BackupKind kind =
        session.direction() == TransferDirection::Read ? BackupKind::Read : BackupKind::Write;
    const std::string text =
        recorder.text({TraceRecorder::summary(session, port, device),
                       "kept " + store.timeText() + " by tarn-cli " + PackageVersion});
    if (!file.empty()) {
        const std::span<const std::uint8_t> bytes{
            reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
        if (const auto error = AtomicFile::replace(file, bytes))
            m_context.err << "tarn-cli: warning: the trace was not written to " << file << ": "
                          << *error << "\n";
    }
    try {
        return store.store(text, kind, namedByPort ? device : std::string());
    } catch (const TraceError& e) {
        warn(e.what());
        return std::nullopt;
    }
}

void CliTrace::warn(const std::string& why) {
    if (m_warned)
        return;
    m_warned = true;
    m_context.err << "tarn-cli: warning: no serial trace kept: " << why << "\n";
}

} // namespace tarn::cli
