#pragma once

#include "data/BackupStore.h"
#include "tools/cli/CliCommand.h"

#include <optional>

namespace tarn::cli {

// Keeps a backup of an image that went to or came from a radio. The path goes to stderr; a
// backup that cannot be kept is a warning there, never a failed transfer.
class CliBackup {
public:
    // port: a fleet write's port, which the backup's name carries; the note names the port
    // in any case.
    static std::optional<std::filesystem::path> keep(const RadioImage& image, BackupKind kind,
                                                     std::string_view port, const BackupNote& note,
                                                     CliContext& context);
};

} // namespace tarn::cli
