#include "tools/cli/ExportCommand.h"

#include "data/ChannelCsvExport.h"
#include "data/CsvText.h"
#include "tools/cli/CliOutput.h"
#include "tools/cli/ExitStatusHelp.h"
#include "tools/cli/ImageFile.h"

#include <ostream>

namespace tarn::cli {

std::string ExportCommand::usage() const {
    return "Usage: tarn-cli export FILE.sin [LIST.csv]\n\n"
           "Writes every channel of FILE.sin that has an RX frequency, in channel order, as a\n"
           "channel list in CHIRP's CSV format: to LIST.csv, or to standard output without it\n"
           "or with '-'. A channel with only a TX frequency cannot be written; it is left out\n"
           "and named on standard error.\n" +
           ImageFile::anySizeUsage() + ExitStatusHelp::describe({Success, Failure, UsageError});
}

int ExportCommand::run(const std::vector<std::string>& args, CliContext& context) {
    const bool valid = (args.size() == 1 || args.size() == 2) && !args[0].starts_with("-") &&
                       !args[0].empty() &&
                       (args.size() == 1 || args[1] == "-" || !args[1].starts_with("-"));
    if (!valid || (args.size() == 2 && args[1].empty())) {
        context.err << usage();
        return UsageError;
    }
    const auto loaded = ImageFile::load(args[0], context.err, context.anySize);
    if (!loaded)
        return Failure;
    const auto result = ChannelCsvExport::write(loaded->image, loaded->channelCount);
    if (args.size() == 1 || args[1] == "-") {
        context.out << result.text;
        if (!CliOutput::flushed(context.out, context.err, "the channel list to standard output"))
            return Failure;
    } else {
        try {
            CsvText::writeFile(args[1], result.text);
        } catch (const CsvFileError& e) {
            context.err << "tarn-cli: " << e.what() << "\n";
            return Failure;
        }
    }
    for (const std::string& line : result.reportLines())
        context.err << line << "\n";
    return Success;
}

} // namespace tarn::cli
