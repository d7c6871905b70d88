#include "tools/cli/ShowCommand.h"

#include "tools/cli/ExitStatusHelp.h"

#include "data/ChannelCodec.h"
#include "data/ChannelTable.h"
#include "data/TextGrid.h"
#include "tools/cli/CliOutput.h"
#include "tools/cli/ImageFile.h"

#include <ostream>

namespace tarn::cli {

std::string ShowCommand::usage() const {
    return "Usage: tarn-cli show FILE.sin\n\n"
           "Prints the channel table as the channel grid shows it: a header line with the\n"
           "seven column names, then one tab-separated line per channel (199, or 160 for the\n"
           "models that have 160). Empty cells stay empty.\n" +
           ImageFile::anySizeUsage() + ExitStatusHelp::describe({Success, Failure, UsageError});
}

int ShowCommand::run(const std::vector<std::string>& args, CliContext& context) {
    if (args.size() != 1 || args[0].starts_with("-")) {
        context.err << usage();
        return UsageError;
    }
    const auto loaded = ImageFile::load(args[0], context.err, context.anySize);
    if (!loaded)
        return Failure;
    TextGrid grid;
    ChannelCodec::render(loaded->image, grid, loaded->channelCount);
    context.out << ChannelTable::format(grid, loaded->channelCount);
    return CliOutput::flushed(context.out, context.err, "the table to standard output") ? Success
                                                                                        : Failure;
}

} // namespace tarn::cli
