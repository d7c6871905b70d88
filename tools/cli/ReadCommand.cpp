#include "tools/cli/ReadCommand.h"

#include "tools/cli/CliBackup.h"
#include "tools/cli/CliTransferTarget.h"
#include "tools/cli/ImageFile.h"

#include <ostream>

namespace tarn::cli {

std::string ReadCommand::usage() const {
    return "Usage: tarn-cli read --port P [--retry N] [--force-type] OUT.sin\n\n"
           "Reads the channels and settings from the radio into a new memory image and stores\n"
           "it as OUT.sin (replaced as a whole, and only after a complete read).\n\n" +
           optionsUsage();
}

std::optional<CliTransferTarget> ReadCommand::prepare(const TransferOptions& /*options*/,
                                                      CliContext& /*context*/) {
    return CliTransferTarget(TransferDirection::Read, RadioImage::newDocument(),
                             RadioImage::MaxChannels);
}

int ReadCommand::conclude(const TransferOptions& options, const TransferReport& report,
                          CliTransferTarget& target, CliContext& context) {
    if (report.outcome != TransferOutcome::Completed)
        return report.exitStatus();
    // The backup first: it keeps the radio's memory even when OUT cannot be written.
    (void)CliBackup::keep(target.image(), BackupKind::Read, {}, context);
    if (!ImageFile::store(options.file, target.image(), context.err))
        return Failure;
    context.err << "tarn-cli: read " << options.file << " (" << target.channelCount()
                << " channels)\n";
    return Success;
}

} // namespace tarn::cli
