#pragma once

#include "data/BackupStore.h"
#include "link/TraceRecorder.h"
#include "tools/cli/CliCommand.h"

#include <filesystem>
#include <optional>
#include <string>

namespace tarn::cli {

// Keeps the serial trace of each transfer of a command in the traces folder and, with
// --trace FILE, in that file too. A trace that cannot be kept is a warning on stderr, said
// once per command; the transfer's outcome stays as it was.
class CliTrace {
public:
    explicit CliTrace(CliContext& context);

    // The path in the traces folder, when kept there. A fleet's traces are named by port.
    std::optional<std::filesystem::path>
    keep(const TraceRecorder& recorder, const TransferSession& session, const std::string& port,
         const std::string& device, const std::string& file = {}, bool namedByPort = false);

private:
    void warn(const std::string& why);

    CliContext& m_context;
    bool m_warned = false;
};

} // namespace tarn::cli
