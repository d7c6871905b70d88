#include "tools/cli/NewCommand.h"

#include "common/Translate.h"
#include "tools/cli/CliText.h"
#include "tools/cli/ExitStatusHelp.h"

#include "tools/cli/ImageFile.h"

#include <ostream>

namespace tarn::cli {

std::string NewCommand::usage() const {
    return CliText::help(TARN_TRANSLATE_NOOP(
               "tarn::cli::Help",
               "Usage: tarn-cli new FILE.sin\n\n"
               "Writes the memory image of a new document: no channels programmed, 199 channels,\n"
               "the default radio settings. An existing FILE is replaced.\n")) +
           ExitStatusHelp::describe({Success, Failure, UsageError});
}

int NewCommand::run(const std::vector<std::string>& args, CliContext& context) {
    if (args.size() != 1 || args[0].starts_with("-")) {
        context.err << usage();
        return UsageError;
    }
    return ImageFile::store(args[0], RadioImage::newDocument(), context.err) ? Success : Failure;
}

} // namespace tarn::cli
