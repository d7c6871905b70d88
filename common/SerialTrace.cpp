#include "common/SerialTrace.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>

namespace tarn {

namespace {

constexpr std::array<std::uint8_t, 7> WakeUp = {0x02, 'P', 'R', 'O', 'G', 'R', 'A'};
constexpr std::uint8_t Ack = 0x06;
constexpr std::size_t CommandSize = 4;
constexpr std::size_t BlockSize = 8;
constexpr std::size_t IdentitySize = 8;
constexpr std::string_view StepSeparator = "  ; ";

std::string withAddress(const char* what, std::span<const std::uint8_t> bytes) {
    char text[48];
    std::snprintf(text, sizeof text, "%s 0x%02X%02X", what, unsigned{bytes[1]}, unsigned{bytes[2]});
    return text;
}

bool isCommand(std::span<const std::uint8_t> bytes, std::uint8_t letter) {
    return bytes.size() >= CommandSize && bytes[0] == letter && bytes[3] == BlockSize;
}

// What a run is, from its bytes and the request before it.
std::string stepOf(const TraceRun& run, const std::string& lastRequest) {
    const std::span<const std::uint8_t> bytes = run.bytes;
    if (run.direction == TraceDirection::ToRadio) {
        if (bytes.size() >= WakeUp.size() &&
            std::equal(WakeUp.begin(), WakeUp.end(), bytes.begin()))
            return "wake-up";
        if (bytes.size() == 2 && bytes[0] == 'M' && bytes[1] == 0x02)
            return "mode request";
        if (bytes.size() == 1 && bytes[0] == Ack)
            return "acknowledge";
        if (bytes.size() == CommandSize && isCommand(bytes, 'R'))
            return withAddress("read request", bytes);
        if (bytes.size() == CommandSize + BlockSize && isCommand(bytes, 'W'))
            return withAddress("write block", bytes);
        return {};
    }
    if (bytes.size() == 1 && bytes[0] == Ack)
        return "acknowledge";
    if (lastRequest == "mode request" && bytes.size() <= IdentitySize)
        return "identity";
    if (lastRequest.starts_with("read request") && isCommand(bytes, 'W'))
        return withAddress("block", bytes);
    return {};
}

std::string hexRun(const std::vector<std::uint8_t>& bytes) {
    std::string text;
    text.reserve(bytes.size() * 3);
    static constexpr char Digits[] = "0123456789ABCDEF";
    for (const std::uint8_t byte : bytes) {
        if (!text.empty())
            text += ' ';
        text += Digits[byte >> 4];
        text += Digits[byte & 0x0F];
    }
    return text;
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
        text.remove_suffix(1);
    return text;
}

bool parseHex(std::string_view text, std::vector<std::uint8_t>& bytes) {
    while (!(text = trimmed(text)).empty()) {
        unsigned value = 0;
        const auto [end, error] =
            std::from_chars(text.data(), text.data() + text.size(), value, 16);
        if (error != std::errc() || end - text.data() != 2 || value > 0xFF)
            return false;
        bytes.push_back(static_cast<std::uint8_t>(value));
        text.remove_prefix(2);
    }
    return !bytes.empty();
}

bool parseLine(std::string_view line, TraceRun& run) {
    line = trimmed(line);
    const std::size_t separator = line.find(StepSeparator);
    if (separator != std::string_view::npos) {
        run.step = std::string(trimmed(line.substr(separator + StepSeparator.size())));
        line = line.substr(0, separator);
    }
    const auto [end, error] = std::from_chars(line.data(), line.data() + line.size(), run.timeMs);
    if (error != std::errc())
        return false;
    line.remove_prefix(static_cast<std::size_t>(end - line.data()));
    line = trimmed(line);
    if (line.size() < 2 || (line[0] != '>' && line[0] != '<') || line[1] != ' ')
        return false;
    run.direction = line[0] == '>' ? TraceDirection::ToRadio : TraceDirection::FromRadio;
    return parseHex(line.substr(2), run.bytes);
}

} // namespace

void SerialTrace::add(TraceDirection direction, std::span<const std::uint8_t> bytes,
                      std::int64_t timeMs) {
    if (bytes.empty() || m_truncated)
        return;
    if (m_runs.empty())
        m_startMs = timeMs;
    if (!m_runs.empty() && m_runs.back().direction == direction) {
        m_runs.back().bytes.insert(m_runs.back().bytes.end(), bytes.begin(), bytes.end());
        return;
    }
    if (m_runs.size() >= MaxRuns) {
        m_truncated = true;
        return;
    }
    m_runs.push_back({timeMs - m_startMs, direction, {bytes.begin(), bytes.end()}, {}});
}

void SerialTrace::addHeader(std::string line) {
    std::replace(line.begin(), line.end(), '\n', ' ');
    m_header.push_back(std::move(line));
}

std::vector<TraceRun> SerialTrace::namedRuns() const {
    std::vector<TraceRun> runs = m_runs;
    std::string lastRequest;
    for (TraceRun& run : runs) {
        run.step = stepOf(run, lastRequest);
        if (run.direction == TraceDirection::ToRadio)
            lastRequest = run.step;
    }
    return runs;
}

std::string SerialTrace::text() const {
    std::string text;
    for (const std::string& line : m_header)
        text += "# " + line + "\n";
    char time[24];
    for (const TraceRun& run : namedRuns()) {
        std::snprintf(time, sizeof time, "%8lld ", static_cast<long long>(run.timeMs));
        text += time;
        text += run.direction == TraceDirection::ToRadio ? "> " : "< ";
        text += hexRun(run.bytes);
        if (!run.step.empty())
            text += std::string(StepSeparator) + run.step;
        text += '\n';
    }
    if (m_truncated)
        text += "# the trace stops here: it grew too long\n";
    return text;
}

std::vector<TraceRun> SerialTrace::parse(std::string_view text) {
    std::vector<TraceRun> runs;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        TraceRun run;
        if (!trimmed(line).starts_with('#') && parseLine(line, run))
            runs.push_back(std::move(run));
    }
    return runs;
}

} // namespace tarn
