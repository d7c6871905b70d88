#include "tools/cli/DiffCommand.h"

#include "data/ChannelCodec.h"
#include "data/ImageDiff.h"
#include "tools/cli/CliOutput.h"
#include "tools/cli/ImageFile.h"

#include <cstdio>
#include <ostream>

namespace tarn::cli {

namespace {

std::string field(const ChannelDifference& difference) {
    return ChannelCodec::Headers[difference.column];
}

std::string jsonString(const std::string& text) {
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
            quoted += escaped;
        } else {
            quoted += c;
        }
    }
    return quoted + "\"";
}

void printText(const ImageDifferences& diff, std::ostream& out) {
    for (const ChannelDifference& d : diff.channels)
        out << "CH " << d.channel << "  " << field(d) << "  " << d.from << " -> " << d.to << "\n";
    for (const SettingDifference& d : diff.settings)
        out << d.name << "  " << d.from << " -> " << d.to << "\n";
    if (diff.otherBytes > 0)
        out << diff.otherBytes
            << (diff.otherBytes == 1 ? " other byte differs" : " other bytes differ")
            << " in the transferred ranges\n";
    if (diff.untransferredBytes > 0)
        out << diff.untransferredBytes
            << (diff.untransferredBytes == 1 ? " byte differs" : " bytes differ")
            << " outside the transferred ranges (kept in files only)\n";
}

void printJson(const ImageDifferences& diff, std::ostream& out) {
    out << "{\n  \"equal\": " << (diff.equal() ? "true" : "false") << ",\n  \"channels\": [";
    const char* separator = "\n";
    for (const ChannelDifference& d : diff.channels) {
        out << separator << "    {\"channel\": " << d.channel
            << ", \"field\": " << jsonString(field(d)) << ", \"from\": " << jsonString(d.from)
            << ", \"to\": " << jsonString(d.to) << "}";
        separator = ",\n";
    }
    out << (diff.channels.empty() ? "" : "\n  ") << "],\n  \"settings\": [";
    separator = "\n";
    for (const SettingDifference& d : diff.settings) {
        out << separator << "    {\"name\": " << jsonString(d.name)
            << ", \"from\": " << jsonString(d.from) << ", \"to\": " << jsonString(d.to) << "}";
        separator = ",\n";
    }
    out << (diff.settings.empty() ? "" : "\n  ") << "],\n  \"otherBytes\": " << diff.otherBytes
        << ",\n  \"untransferredBytes\": " << diff.untransferredBytes << "\n}\n";
}

} // namespace

std::string DiffCommand::usage() const {
    return "Usage: tarn-cli diff A.sin B.sin [--json]\n\n"
           "Lists what differs from A to B as TARN shows it: channel by channel the cells of\n"
           "the grid (\"CH 12  RX Freq  146.52000 -> 146.52500\"), then the radio-wide settings\n"
           "by the names of the option dialogs (\"Squelch Level  4 -> 7\"), then how many other\n"
           "bytes a radio transfer moves differ. Bytes that only files keep (never sent to a\n"
           "radio) are counted on a line of their own and do not make the images differ.\n"
           "An empty cell shows as (empty), a setting with no list entry as (none).\n\n"
           "  --json   the same as one JSON object:\n"
           "           {\"equal\": BOOL,\n"
           "            \"channels\": [{\"channel\": N, \"field\": \"RX Freq\", \"from\": TEXT,\n"
           "                          \"to\": TEXT}, ...],\n"
           "            \"settings\": [{\"name\": \"Squelch Level\", \"from\": TEXT, \"to\": "
           "TEXT},\n"
           "                         ...],\n"
           "            \"otherBytes\": N, \"untransferredBytes\": N}\n\n"
           "Exit status, as diff(1): 0 equal, 1 different, 2 a usage or file error, or a\n"
           "report that could not be written.\n" +
           ImageFile::anySizeUsage();
}

int DiffCommand::run(const std::vector<std::string>& args, CliContext& context) {
    bool json = false;
    bool unknownOption = false;
    std::vector<std::string> files;
    for (const std::string& arg : args) {
        if (arg == "--json")
            json = true;
        else if (arg.starts_with("-"))
            unknownOption = true;
        else
            files.push_back(arg);
    }
    if (unknownOption || files.size() != 2) {
        context.err << usage();
        return UsageError;
    }
    const auto a = ImageFile::load(files[0], context.err, context.anySize);
    const auto b = a ? ImageFile::load(files[1], context.err, context.anySize) : std::nullopt;
    if (!a || !b)
        return UsageError;
    const ImageDifferences diff = ImageDiff::compare(a->image, b->image);
    if (json)
        printJson(diff, context.out);
    else
        printText(diff, context.out);
    // 1 would say "different" of a report nobody got.
    if (!CliOutput::flushed(context.out, context.err, "the report"))
        return UsageError;
    return diff.equal() ? Success : Failure;
}

} // namespace tarn::cli
