#include "tools/cli/CheckCommand.h"

#include "tools/cli/ExitStatusHelp.h"
#include "tools/cli/ImageFile.h"

#include "data/ImageCheck.h"

#include <ostream>

namespace tarn::cli {

std::string CheckCommand::usage() const {
    return "Usage: tarn-cli check FILE.sin\n\n"
           "Lists, one line per channel and column, what the radio cannot use or the program\n"
           "would not keep as it is:\n"
           "  - a frequency outside the band of Model Information's Frequency entry (an\n"
           "    image whose band names no entry is not checked for band)\n"
           "  - bytes the channel grid cannot show as they are, so that opening and saving\n"
           "    the file would change them: the power code 11, a tone or code that is no\n"
           "    list entry, digits that are no decimal digits\n"
           "Nothing is changed.\n" +
           ImageFile::anySizeUsage() +
           ExitStatusHelp::describe({Success, Failure, UsageError, Findings});
}

int CheckCommand::run(const std::vector<std::string>& args, CliContext& context) {
    if (args.size() != 1 || args[0].starts_with("-")) {
        context.err << usage();
        return UsageError;
    }
    const auto loaded = ImageFile::load(args[0], context.err, context.anySize);
    if (!loaded)
        return Failure;
    const std::vector<ImageCheck::Finding> found =
        ImageCheck::check(loaded->image, loaded->channelCount);
    for (const ImageCheck::Finding& finding : found)
        context.out << ImageCheck::describe(finding) << "\n";
    return found.empty() ? Success : Findings;
}

} // namespace tarn::cli
