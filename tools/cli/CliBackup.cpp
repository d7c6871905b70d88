#include "tools/cli/CliBackup.h"

#include <ostream>

namespace tarn::cli {

std::optional<std::filesystem::path> CliBackup::keep(const RadioImage& image, BackupKind kind,
                                                     std::string_view nameLabel,
                                                     const BackupRecord& record,
                                                     CliContext& context) {
    const SystemWallClock clock;
    BackupStore store(
        context.backupFolder.empty() ? BackupStore::defaultFolder() : context.backupFolder, clock);
    try {
        const std::filesystem::path path = store.store(image, kind, nameLabel);
        context.err << "tarn-cli: backup " << path.string() << "\n";
        if (const auto failed = BackupStore::storeRecord(path, record))
            context.err << "tarn-cli: warning: " << *failed << "\n";
        return path;
    } catch (const BackupError& e) {
        context.err << "tarn-cli: warning: no backup kept: " << e.what() << "\n";
        return std::nullopt;
    }
}

} // namespace tarn::cli
