#pragma once

#include "data/BackupStore.h"
#include "tools/cli/CliCommand.h"

#include <optional>

namespace tarn::cli {

// Keeps a backup of an image that went to or came from a radio, with the record of how the
// transfer ended beside it. The path goes to stderr; a backup or record that cannot be kept is
// a warning there, never a failed transfer. nameLabel is the port a fleet write names its
// backups by, empty otherwise.
class CliBackup {
public:
    static std::optional<std::filesystem::path> keep(const RadioImage& image, BackupKind kind,
                                                     std::string_view nameLabel,
                                                     const BackupRecord& record,
                                                     CliContext& context);
};

} // namespace tarn::cli
