#include "tools/virtual-radio/VirtualRadioOptions.h"

#include <charconv>

namespace tarn {

namespace {

std::uint8_t parseType(const std::string& text) {
    int value = -1;
    const int base = text.starts_with("0x") || text.starts_with("0X") ? 16 : 10;
    const char* begin = text.data() + (base == 16 ? 2 : 0);
    const char* end = text.data() + text.size();
    const auto [last, error] = std::from_chars(begin, end, value, base);
    if (error != std::errc() || last != end || begin == end || value < 0 || value > 255)
        throw VirtualRadioOptionsError("--type takes a number from 0 to 255, not \"" + text + "\"");
    return static_cast<std::uint8_t>(value);
}

bool parsePace(const std::string& text) {
    if (text == "9600")
        return true;
    if (text == "off")
        return false;
    throw VirtualRadioOptionsError("--pace takes 9600 or off, not \"" + text + "\"");
}

} // namespace

VirtualRadioOptions VirtualRadioOptions::parse(const std::vector<std::string>& args) {
    VirtualRadioOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            options.help = true;
            continue;
        }
        if (arg == "--any-size") {
            options.anySize = true;
            continue;
        }
        const bool takesValue = arg == "--image" || arg == "--save" || arg == "--type" ||
                                arg == "--pace" || arg == "--fault" || arg == "--wire-log";
        if (!takesValue)
            throw VirtualRadioOptionsError("unknown argument \"" + arg + "\"");
        if (i + 1 == args.size())
            throw VirtualRadioOptionsError(arg + " needs a value");
        const std::string& value = args[++i];
        if (arg == "--image")
            options.imageFile = value;
        else if (arg == "--save")
            options.saveFile = value;
        else if (arg == "--wire-log")
            options.wireLogFile = value;
        else if (arg == "--type")
            options.radioType = parseType(value);
        else if (arg == "--pace")
            options.paced = parsePace(value);
        else
            options.faults.add(value);
    }
    return options;
}

std::string VirtualRadioOptions::usage() {
    return "Usage: tarn-virtual-radio [--image FILE.sin [--any-size]] [--save FILE.sin]\n"
           "                          [--type N] [--pace 9600|off] [--fault FAULT]...\n"
           "                          [--wire-log FILE]\n"
           "\n"
           "A radio on a pseudo-terminal. The first line printed is its device path; point\n"
           "tarn-cli --port or TARN_COM1 at it. Runs until interrupted (Ctrl-C, SIGTERM).\n"
           "\n"
           "  --image FILE.sin  start with this memory (default: all 0xFF); a file of any\n"
           "                    size but 8192 bytes is refused\n"
           "  --any-size        take the first 8192 bytes of a larger --image file\n"
           "  --save FILE.sin   store the memory here on exit; checked at start\n"
           "  --type N          radio type in identity byte 4 (default 255: none stated)\n"
           "  --pace 9600|off   take 10 bit times at 9600 baud per byte (default off)\n"
           "  --wire-log FILE   log every byte both ways, as TARN's serial traces are\n"
           "                    written (milliseconds since the radio started)\n"
           "  --fault FAULT     misbehave; may be repeated:\n" +
           FaultPlan::usage();
}

} // namespace tarn
