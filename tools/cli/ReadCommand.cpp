#include "tools/cli/ReadCommand.h"

#include "data/SinFile.h"
#include "tools/cli/CliBackup.h"
#include "tools/cli/CliTransferTarget.h"

#include "common/Translate.h"
#include "tools/cli/CliText.h"
#include "tools/cli/ExitStatusHelp.h"
#include "tools/cli/ImageFile.h"

#include <ostream>
#include <random>

namespace tarn::cli {

namespace {

// Where a read goes when its own file cannot take it, so fourteen seconds of radio time and
// the memory read are not thrown away.
std::filesystem::path fallbackPath() {
    std::error_code error;
    std::filesystem::path folder = std::filesystem::temp_directory_path(error);
    if (error)
        folder = "/tmp";
    std::random_device random;
    return folder / ("tarn-read-" + std::to_string(random() % 100000000) + ".sin");
}

} // namespace

std::string ReadCommand::usage() const {
    return CliText::help(TARN_TRANSLATE_NOOP(
               "tarn::cli::Help",
               "Usage: tarn-cli read --port P [--retry N] [--force-type] OUT.sin\n\n"
               "Reads the channels and settings from the radio into a new memory image and stores\n"
               "it as OUT.sin (replaced as a whole, and only after a complete read). OUT.sin is\n"
               "checked before the radio is touched; should storing still fail, the image is kept\n"
               "in a file in the temporary folder and the message names it.\n\n")) +
           optionsUsage() +
           ExitStatusHelp::describe({Success, Failure, UsageError, NoRadio, CancelledClean});
}

std::optional<CliTransferTarget> ReadCommand::prepare(const TransferOptions& options,
                                                      CliContext& context) {
    try {
        SinFile::checkStorable(options.file);
    } catch (const SinFileError& e) {
        context.err << "tarn-cli: " << e.what() << "\n";
        return std::nullopt;
    }
    return CliTransferTarget(TransferDirection::Read, RadioImage::newDocument(),
                             RadioImage::MaxChannels);
}

int ReadCommand::conclude(const TransferOptions& options, const TransferReport& report,
                          CliTransferTarget& target, CliContext& context) {
    if (report.outcome != TransferOutcome::Completed)
        return report.exitStatus();
    // The backup first: it keeps the radio's memory even when OUT cannot be written.
    (void)CliBackup::keep(target.image(), BackupKind::Read, {},
                          {BackupOutcome::Complete, options.port(), {}}, context);
    if (!ImageFile::store(options.file, target.image(), context.err)) {
        const std::filesystem::path fallback = fallbackPath();
        if (ImageFile::store(fallback, target.image(), context.err))
            context.err << "tarn-cli: the image read from the radio is kept in " << fallback
                        << "\n";
        return Failure;
    }
    context.err << "tarn-cli: read " << options.file << " (" << target.channelCount()
                << " channels)\n";
    return Success;
}

} // namespace tarn::cli
