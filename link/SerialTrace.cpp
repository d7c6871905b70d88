#include "link/SerialTrace.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace tarn {

namespace {

constexpr char Hex[] = "0123456789ABCDEF";

std::string millis(double ms) {
    // Thousandths in integers: the web build's library has no floating-point to_chars.
    const long long micro = std::llround(std::max(0.0, ms) * 1000.0);
    char text[32];
    std::snprintf(text, sizeof text, "%lld.%03lld", micro / 1000, micro % 1000);
    return text;
}

std::vector<std::string_view> fields(std::string_view line) {
    std::vector<std::string_view> parts;
    for (std::size_t start = 0;;) {
        const std::size_t tab = line.find('\t', start);
        parts.push_back(line.substr(start, tab - start));
        if (tab == std::string_view::npos)
            return parts;
        start = tab + 1;
    }
}

bool parseMillis(std::string_view text, double& ms) {
    const std::size_t dot = text.find('.');
    const std::string_view whole = text.substr(0, dot);
    long long integer = 0;
    auto [end, error] = std::from_chars(whole.data(), whole.data() + whole.size(), integer);
    if (error != std::errc() || end != whole.data() + whole.size() || integer < 0)
        return false;
    double fraction = 0;
    if (dot != std::string_view::npos) {
        double scale = 0.1;
        for (const char c : text.substr(dot + 1)) {
            if (c < '0' || c > '9')
                return false;
            fraction += (c - '0') * scale;
            scale /= 10;
        }
    }
    ms = static_cast<double>(integer) + fraction;
    return true;
}

bool parseBytes(std::string_view text, std::vector<std::uint8_t>& bytes) {
    for (std::size_t at = 0; at < text.size();) {
        if (text[at] == ' ') {
            ++at;
            continue;
        }
        unsigned value = 0;
        const auto [end, error] = std::from_chars(
            text.data() + at, text.data() + std::min(text.size(), at + 2), value, 16);
        if (error != std::errc() || end != text.data() + at + 2)
            return false;
        bytes.push_back(static_cast<std::uint8_t>(value));
        at += 2;
    }
    return !bytes.empty();
}

} // namespace

const char* SerialTrace::directionName(TraceDirection direction) {
    return direction == TraceDirection::ToRadio ? "to-radio" : "from-radio";
}

std::string SerialTrace::formatRun(const WireRun& run) {
    std::string line = millis(run.ms);
    line += '\t';
    line += directionName(run.direction);
    line += '\t';
    for (std::size_t i = 0; i < run.bytes.size(); ++i) {
        if (i > 0)
            line += ' ';
        line += Hex[run.bytes[i] >> 4];
        line += Hex[run.bytes[i] & 0x0F];
    }
    line += '\t';
    line += run.step;
    line += '\n';
    return line;
}

std::string SerialTrace::format(const std::vector<std::string>& header,
                                const std::vector<WireRun>& runs) {
    std::string text = std::string(FormatLine) + "\n";
    for (const std::string& line : header)
        text += "# " + line + "\n";
    text += std::string(ColumnsLine) + "\n";
    for (const WireRun& run : runs)
        text += formatRun(run);
    return text;
}

std::vector<WireRun> SerialTrace::parse(std::string_view text) {
    std::vector<WireRun> runs;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.empty() || line.front() == '#')
            continue;
        const std::vector<std::string_view> parts = fields(line);
        if (parts.size() != 4)
            continue;
        WireRun run;
        if (parts[1] == "to-radio")
            run.direction = TraceDirection::ToRadio;
        else if (parts[1] == "from-radio")
            run.direction = TraceDirection::FromRadio;
        else
            continue;
        if (!parseMillis(parts[0], run.ms) || !parseBytes(parts[2], run.bytes))
            continue;
        run.step = std::string(parts[3]);
        runs.push_back(std::move(run));
    }
    return runs;
}

std::vector<std::uint8_t> SerialTrace::stream(const std::vector<WireRun>& runs,
                                              TraceDirection direction) {
    std::vector<std::uint8_t> bytes;
    for (const WireRun& run : runs)
        if (run.direction == direction)
            bytes.insert(bytes.end(), run.bytes.begin(), run.bytes.end());
    return bytes;
}

} // namespace tarn
