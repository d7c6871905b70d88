#include "tools/cli/WriteCommand.h"

#include "tools/cli/CliTransferTarget.h"
#include "tools/cli/ExitStatusHelp.h"
#include "tools/cli/ImageFile.h"

#include <ostream>

namespace tarn::cli {

std::string WriteCommand::usage() const {
    return "Usage: tarn-cli write --port P [--retry N] [--force-type] IN.sin\n\n"
           "Writes the channels and settings of IN.sin, as the file holds them, into the\n"
           "radio.\n\n" +
           optionsUsage() +
           ExitStatusHelp::describe(
               {Success, Failure, UsageError, NoRadio, WriteStopped, CancelledClean});
}

std::optional<CliTransferTarget> WriteCommand::prepare(const TransferOptions& options,
                                                       CliContext& context) {
    const std::optional<LoadedImage> loaded = ImageFile::load(options.file, context.err);
    if (!loaded)
        return std::nullopt;
    return CliTransferTarget(TransferDirection::Write, loaded->image, loaded->channelCount);
}

bool WriteCommand::complete(const TransferOptions& options, CliTransferTarget& /*target*/,
                            CliContext& context) {
    context.err << "tarn-cli: wrote " << options.file << "\n";
    return true;
}

} // namespace tarn::cli
