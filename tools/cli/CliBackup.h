#pragma once

#include "data/BackupStore.h"
#include "tools/cli/CliCommand.h"

#include <optional>

namespace tarn::cli {

// Keeps a backup of an image that went to or came from a radio. The path goes to stderr; a
// backup that cannot be kept is a warning there, never a failed transfer.
class CliBackup {
public:
    static std::optional<std::filesystem::path> keep(const RadioImage& image, BackupKind kind,
                                                     std::string_view port, CliContext& context);
};

} // namespace tarn::cli
