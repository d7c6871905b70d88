#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tarn {

enum class TraceDirection { ToRadio, FromRadio };

// Bytes that went one way with none the other way between them.
struct TraceRun {
    std::int64_t timeMs = 0; // of the run's first byte, from the start of the trace
    TraceDirection direction = TraceDirection::ToRadio;
    std::vector<std::uint8_t> bytes;
    std::string step; // the protocol step the bytes belong to; empty when unknown

    friend bool operator==(const TraceRun&, const TraceRun&) = default;
};

// The bytes of a serial conversation with a radio, as the program and the virtual radio both
// write it: a "#" line per header entry, then one line per run,
//   "   1234 > 52 00 10 08  ; read request 0x0010"
// with the milliseconds since the trace began, ">" towards the radio or "<" from it, the
// bytes in hex, and the protocol step after " ; ".
class SerialTrace {
public:
    // A trace stops growing beyond this many runs and says so.
    static constexpr std::size_t MaxRuns = 100000;

    void add(TraceDirection direction, std::span<const std::uint8_t> bytes, std::int64_t timeMs);
    void addHeader(std::string line);
    [[nodiscard]] const std::vector<TraceRun>& runs() const { return m_runs; }
    [[nodiscard]] bool empty() const { return m_runs.empty(); }
    [[nodiscard]] bool truncated() const { return m_truncated; }
    // The runs with their protocol steps named.
    [[nodiscard]] std::vector<TraceRun> namedRuns() const;
    [[nodiscard]] std::string text() const;

    // The runs of a trace's text; lines of any other form are passed over.
    [[nodiscard]] static std::vector<TraceRun> parse(std::string_view text);

private:
    std::vector<std::string> m_header;
    std::vector<TraceRun> m_runs;
    std::int64_t m_startMs = 0;
    bool m_truncated = false;
};

} // namespace tarn
