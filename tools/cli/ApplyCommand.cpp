#include "tools/cli/ApplyCommand.h"

#include "common/Translate.h"
#include "data/ChannelCodec.h"
#include "data/ChannelTable.h"
#include "data/RowDump.h"
#include "data/TextGrid.h"
#include "tools/cli/CliText.h"
#include "tools/cli/ExitStatusHelp.h"
#include "tools/cli/ImageFile.h"

#include <fstream>
#include <ostream>
#include <sstream>

namespace tarn::cli {

namespace {

constexpr std::size_t MaxTableBytes = 1 << 20;

constexpr const char* StandardStream = "-";

std::optional<std::string> readTable(std::istream& in, const std::string& path, std::ostream& err) {
    std::string text(MaxTableBytes + 1, '\0');
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    if (in.bad()) {
        err << "tarn-cli: \"" << path << "\": cannot read\n";
        return std::nullopt;
    }
    text.resize(static_cast<std::size_t>(in.gcount()));
    if (text.size() > MaxTableBytes) {
        err << "tarn-cli: \"" << path << "\": too large for a channel table\n";
        return std::nullopt;
    }
    return text;
}

std::optional<std::string> readTable(const std::string& path, CliContext& context) {
    if (path == StandardStream) {
        if (context.in == nullptr) {
            context.err << "tarn-cli: no standard input to read the table from\n";
            return std::nullopt;
        }
        return readTable(*context.in, "standard input", context.err);
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        context.err << "tarn-cli: \"" << path << "\": cannot open\n";
        return std::nullopt;
    }
    return readTable(in, path, context.err);
}

} // namespace

std::string ApplyCommand::usage() const {
    return CliText::help(TARN_TRANSLATE_NOOP(
               "tarn::cli::Help",
               "Usage: tarn-cli apply FILE.sin TABLE.tsv [-o OUT.sin]\n\n"
               "Stores a channel table in the layout 'tarn-cli show' prints into the memory image\n"
               "of FILE.sin (or of a copy written to OUT.sin), exactly as saving from the channel\n"
               "grid does, including the row dump 1.txt in the current folder. The table may list\n"
               "some channels only, in any order: each line goes to the channel its Channel NO.\n"
               "names, and channels not listed keep every byte they had. Every cell is checked as\n"
               "the grid's editor would check it; if anything is wrong, each bad cell is reported\n"
               "and nothing is written. A number cell must be a number as a whole: digits,\n"
               "optionally a point and more digits (no sign, exponent or comma).\n\n"
               "TABLE.tsv '-' reads the table from standard input; -o - writes the image to\n"
               "standard output (refused when that is a terminal). The row dump is written only\n"
               "once the image is stored.\n")) +
           ImageFile::anySizeUsage() + ExitStatusHelp::describe({Success, Failure, UsageError});
}

std::optional<ApplyCommand::Arguments>
ApplyCommand::parseArguments(const std::vector<std::string>& args) {
    Arguments parsed;
    std::vector<std::string> positional;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "-o" || args[i] == "--output") {
            if (i + 1 >= args.size() || !parsed.output.empty())
                return std::nullopt;
            parsed.output = args[++i];
        } else if (args[i].starts_with("-") && args[i] != StandardStream) {
            return std::nullopt;
        } else {
            positional.push_back(args[i]);
        }
    }
    if (positional.size() != 2)
        return std::nullopt;
    parsed.image = positional[0];
    parsed.table = positional[1];
    if (parsed.output.empty())
        parsed.output = parsed.image;
    return parsed;
}

int ApplyCommand::run(const std::vector<std::string>& args, CliContext& context) {
    const auto arguments = parseArguments(args);
    if (!arguments) {
        context.err << usage();
        return UsageError;
    }
    auto edit = ImageFile::loadToEdit(arguments->image, arguments->output, context);
    if (!edit.loaded)
        return edit.status;
    auto& loaded = edit.loaded;
    const auto text = readTable(arguments->table, context);
    if (!text)
        return Failure;
    // Channels the table leaves out keep what the file holds.
    TextGrid grid;
    ChannelCodec::render(loaded->image, grid, loaded->channelCount);
    const ChannelTable::Applied table = ChannelTable::apply(*text, grid, loaded->channelCount);
    if (!table.errors.empty()) {
        for (const std::string& error : table.errors)
            context.err << arguments->table << ": " << error << "\n";
        context.err << "tarn-cli: nothing written\n";
        return Failure;
    }
    for (const int channel : table.channels)
        ChannelCodec::parseRow(grid, channel, loaded->image);
    return ImageFile::storeEdited(arguments->output, loaded->image, context) ? Success : Failure;
}

} // namespace tarn::cli
