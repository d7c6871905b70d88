#include "tools/cli/ImportCommand.h"

#include "common/Translate.h"
#include "data/ChannelCodec.h"
#include "data/CsvText.h"
#include "data/StrictNumber.h"
#include "data/TextGrid.h"
#include "tools/cli/CliText.h"
#include "tools/cli/ExitStatusHelp.h"
#include "tools/cli/ImageFile.h"

#include <ostream>

namespace tarn::cli {

std::string ImportCommand::usage() const {
    return CliText::help(TARN_TRANSLATE_NOOP(
               "tarn::cli::Help",
               "Usage: tarn-cli import FILE.sin LIST.csv [-o OUT.sin] [--replace] [--first N]\n\n"
               "Places the channels of a channel list in CHIRP's CSV format into the memory image\n"
               "of FILE.sin (or of a copy written to OUT.sin). Location n goes to channel n; when\n"
               "the lowest Location is 0 every Location moves up by one; --first N puts the "
               "lowest\n"
               "Location on channel N. Locations beyond the image's channels are left out. The\n"
               "channels the list does not name keep what they had; --replace empties them.\n\n"
               "Every cell is checked as the channel grid checks a typed value. If anything is\n"
               "wrong, each bad cell is reported and nothing is written, not even 1.txt. "
               "Otherwise\n"
               "the report goes to standard error, and the image and the row dump 1.txt in the\n"
               "current folder are written as 'tarn-cli apply' writes them (-o - writes the image\n"
               "to standard output, refused when that is a terminal).\n")) +
           ImageFile::anySizeUsage() + ExitStatusHelp::describe({Success, Failure, UsageError});
}

std::optional<ImportCommand::Arguments>
ImportCommand::parseArguments(const std::vector<std::string>& args) {
    Arguments parsed;
    std::vector<std::string> positional;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const bool hasValue = i + 1 < args.size();
        if ((args[i] == "-o" || args[i] == "--output") && hasValue && parsed.output.empty()) {
            parsed.output = args[++i];
        } else if (args[i] == "--replace") {
            parsed.options.replace = true;
        } else if (args[i] == "--first" && hasValue && parsed.options.firstChannel == 0) {
            const auto first = StrictNumber::parseWhole(args[++i]);
            if (!first || *first < 1 || *first > RadioImage::MaxChannels) {
                parsed.error = "--first takes a channel from 1 to " +
                               std::to_string(RadioImage::MaxChannels) + ", not \"" + args[i] +
                               "\"";
                return parsed;
            }
            parsed.options.firstChannel = static_cast<int>(*first);
        } else if (args[i].starts_with("-") || args[i].empty()) {
            return std::nullopt;
        } else {
            positional.push_back(args[i]);
        }
    }
    if (positional.size() != 2)
        return std::nullopt;
    parsed.image = positional[0];
    parsed.list = positional[1];
    if (parsed.output.empty())
        parsed.output = parsed.image;
    return parsed;
}

int ImportCommand::run(const std::vector<std::string>& args, CliContext& context) {
    const auto arguments = parseArguments(args);
    if (!arguments || !arguments->error.empty()) {
        if (arguments)
            context.err << "tarn-cli import: " << arguments->error << "\n\n";
        context.err << usage();
        return UsageError;
    }
    auto edit = ImageFile::loadToEdit(arguments->image, arguments->output, context);
    if (!edit.loaded)
        return edit.status;
    auto& loaded = edit.loaded;
    std::string text;
    try {
        text = CsvText::readFile(arguments->list);
    } catch (const CsvFileError& e) {
        context.err << "tarn-cli: " << e.what() << "\n";
        return Failure;
    }
    const auto imported = ChannelCsvImport::read(text, loaded->channelCount, arguments->options);
    if (!imported.accepted()) {
        for (const std::string& problem : imported.problems())
            context.err << arguments->list << ": " << problem << "\n";
        context.err << "tarn-cli: nothing written\n";
        return Failure;
    }
    for (const std::string& line : imported.report().lines())
        context.err << line << "\n";

    TextGrid grid;
    ChannelCodec::render(loaded->image, grid, loaded->channelCount);
    imported.applyTo(grid);
    ChannelCodec::parse(grid, loaded->image, loaded->channelCount);
    return ImageFile::storeEdited(arguments->output, loaded->image, context) ? Success : Failure;
}

} // namespace tarn::cli
