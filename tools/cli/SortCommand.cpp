#include "tools/cli/SortCommand.h"

#include "common/Translate.h"
#include "data/ChannelCodec.h"
#include "data/TextGrid.h"
#include "tools/cli/CliText.h"
#include "tools/cli/ExitStatusHelp.h"
#include "tools/cli/ImageFile.h"

#include <ostream>

namespace tarn::cli {

std::string SortCommand::usage() const {
    return CliText::help(TARN_TRANSLATE_NOOP(
               "tarn::cli::Help",
               "Usage: tarn-cli sort FILE.sin --by rx|tx|dec|enc|power [--desc] [-o OUT.sin]\n\n"
               "Reorders the channels of FILE.sin (or of a copy written to OUT.sin) by RX Freq,\n"
               "TX Freq, QT/DQT Dec, QT/DQT Enc or TX Power, ascending or with --desc descending.\n"
               "The sort is stable; tones go in the order of the tone list, power High, Middle,\n"
               "Low, then the unnamed fourth value; channels without the value go last. Whole\n"
               "16-byte channel rows move, so bits no column shows go with their channels. The\n"
               "image and the row dump 1.txt in the current folder are written as 'tarn-cli\n"
               "apply' writes them (-o - writes the image to standard output, refused when that\n"
               "is a terminal).\n")) +
           ImageFile::anySizeUsage() + ExitStatusHelp::describe({Success, Failure, UsageError});
}

std::optional<SortCommand::Arguments>
SortCommand::parseArguments(const std::vector<std::string>& args) {
    Arguments parsed;
    bool keyed = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const bool hasValue = i + 1 < args.size();
        if ((args[i] == "-o" || args[i] == "--output") && hasValue && parsed.output.empty()) {
            parsed.output = args[++i];
        } else if (args[i] == "--by" && hasValue && !keyed) {
            const auto key = ChannelOrder::keyNamed(args[++i]);
            if (!key)
                return std::nullopt;
            parsed.sort.key = *key;
            keyed = true;
        } else if (args[i] == "--desc") {
            parsed.sort.descending = true;
        } else if (args[i].starts_with("-") || args[i].empty() || !parsed.image.empty()) {
            return std::nullopt;
        } else {
            parsed.image = args[i];
        }
    }
    if (parsed.image.empty() || !keyed)
        return std::nullopt;
    if (parsed.output.empty())
        parsed.output = parsed.image;
    return parsed;
}

int SortCommand::run(const std::vector<std::string>& args, CliContext& context) {
    const auto arguments = parseArguments(args);
    if (!arguments) {
        context.err << usage();
        return UsageError;
    }
    auto edit = ImageFile::loadToEdit(arguments->image, arguments->output, context);
    if (!edit.loaded)
        return edit.status;
    auto& loaded = edit.loaded;
    TextGrid grid;
    ChannelCodec::render(loaded->image, grid, loaded->channelCount);
    const ChannelOrder::Order order =
        ChannelOrder::sorted(grid, loaded->image, loaded->channelCount, arguments->sort, {});
    const bool moved = ChannelOrder::apply(order, grid, loaded->image);
    context.err << (moved ? "Channels sorted by " : "Channels already in order by ")
                << ChannelOrder::keyTitle(arguments->sort.key)
                << (arguments->sort.descending ? ", descending.\n" : ".\n");
    return ImageFile::storeEdited(arguments->output, loaded->image, context) ? Success : Failure;
}

} // namespace tarn::cli
