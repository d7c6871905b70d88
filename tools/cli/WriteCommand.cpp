#include "tools/cli/WriteCommand.h"

#include "tools/cli/CliBackup.h"
#include "tools/cli/CliTransferTarget.h"

#include "common/Translate.h"
#include "tools/cli/CliText.h"
#include "tools/cli/CliTrace.h"
#include "tools/cli/ExitStatusHelp.h"
#include "tools/cli/FleetConsole.h"
#include "tools/cli/FleetWrite.h"
#include "tools/cli/ImageFile.h"

#include "data/ChannelCodec.h"
#include "data/ModelBand.h"
#include "data/TextGrid.h"
#include "link/WriteReport.h"

#include <algorithm>
#include <ostream>

namespace tarn::cli {

namespace {

void printTable(const std::vector<TransferReport>& reports, std::ostream& out) {
    std::size_t portWidth = 4;
    std::size_t resultWidth = 6;
    for (const TransferReport& report : reports) {
        portWidth = std::max(portWidth, report.port.size());
        resultWidth = std::max(resultWidth, report.summary().size());
    }
    const auto pad = [](const std::string& text, std::size_t width) {
        return text + std::string(width - text.size() + 2, ' ');
    };
    out << pad("PORT", portWidth) << "EXIT  " << pad("RESULT", resultWidth) << "BACKUP\n";
    for (const TransferReport& report : reports)
        out << pad(report.port, portWidth) << pad(std::to_string(report.exitStatus()), 4)
            << pad(report.summary(), resultWidth)
            << (report.backup.empty() ? "-" : report.backup.string()) << "\n";
}

// A warning only: the file is written as it is, and scripts keep their exit status.
void warnOutsideBand(const LoadedImage& loaded, CliContext& context) {
    const auto band = ModelBand::of(loaded.image);
    if (!band)
        return;
    TextGrid cells;
    ChannelCodec::render(loaded.image, cells, loaded.channelCount);
    const auto outside = band->outside(cells, loaded.channelCount);
    if (!outside.empty())
        context.err << "tarn-cli: warning: channels outside the band " << band->name()
                    << " of the model, which the radio cannot use: "
                    << ModelBand::channelList(outside) << "\n";
}

BackupOutcome backupOutcome(const TransferReport& report) {
    return WriteReport::backupOutcome(report.direction, report.outcome, report.verify);
}

} // namespace

std::string WriteCommand::usage() const {
    return CliText::help(TARN_TRANSLATE_NOOP(
               "tarn::cli::Help",
               "Usage: tarn-cli write --port P [--port P2 ...] [--verify] [--retry N] "
               "[--force-type]\n"
               "                      IN.sin\n\n"
               "Writes the channels and settings of IN.sin, as the file holds them, into the\n"
               "radio.\n\n"
               "  --verify       read the radio back after the write and compare it with what was\n"
               "                 sent (the last 8 settings bytes are never read back)\n"
               "  --port P2 ...  up to 8 ports: every radio is written at the same time, each "
               "with\n"
               "                 a progress line and a backup of its own; a table of the outcomes\n"
               "                 goes to stdout and the exit status is the gravest one met, in "
               "the\n"
               "                 order 4, 6, 7, 3, 5, 1\n"
               "A channel outside the band of the file's model is written as it is, after a\n"
               "warning on stderr that lists such channels ('tarn-cli check' says more).\n")) +
           optionsUsage() + ImageFile::anySizeUsage() +
           ExitStatusHelp::describe({Success, Failure, UsageError, NoRadio, WriteStopped,
                                     CancelledClean, VerifyMismatch, VerifyUnreadable});
}

bool WriteCommand::accepts(const TransferOptions& options, std::string& error) const {
    return FleetWrite::resolveDistinct(options.ports, error).has_value();
}

std::optional<CliTransferTarget> WriteCommand::prepare(const TransferOptions& options,
                                                       CliContext& context) {
    const std::optional<LoadedImage> loaded =
        ImageFile::load(options.file, context.err, context.anySize);
    if (!loaded)
        return std::nullopt;
    warnOutsideBand(*loaded, context);
    return CliTransferTarget(TransferDirection::Write, loaded->image, loaded->channelCount);
}

int WriteCommand::conclude(const TransferOptions& options, const TransferReport& report,
                           CliTransferTarget& target, CliContext& context) {
    // Whatever reached the radio is kept, even from a write that stopped part-way.
    if (report.wroteToRadio)
        (void)CliBackup::keep(target.image(), BackupKind::Write, {},
                              {backupOutcome(report), options.port(), {}}, context);
    // After a failed verify the radio may not hold the file, so it is not called written.
    if (report.exitStatus() == Success)
        context.err << "tarn-cli: wrote " << options.file
                    << (report.verify && report.verify->passed() ? " (verified)" : "") << "\n";
    return report.exitStatus();
}

int WriteCommand::runFleet(const TransferOptions& options, CliTransferTarget& target,
                           CliContext& context) {
    std::string error;
    const auto devices = FleetWrite::resolveDistinct(options.ports, error);
    if (!devices)
        return UsageError;
    std::vector<std::string> labels;
    for (const std::string& device : *devices)
        labels.push_back(device);
    FleetConsole console(context.err, context.errIsTerminal, labels);
    CliTrace trace(context);
    std::vector<TransferReport> reports =
        FleetWrite::run(*devices, target.image(), target.channelCount(),
                        {options.retries, options.forceType, options.verify, &trace}, console);
    std::vector<int> statuses;
    for (TransferReport& report : reports) {
        if (report.wroteToRadio)
            report.backup = CliBackup::keep(target.image(), BackupKind::Write, report.port,
                                            {backupOutcome(report), report.port, {}}, context)
                                .value_or(std::filesystem::path());
        statuses.push_back(report.exitStatus());
    }
    printTable(reports, context.out);
    return TransferReport::gravest(statuses);
}

} // namespace tarn::cli
