#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tarn {

enum class TraceDirection { ToRadio, FromRadio };

// One run of bytes as a driver moved it: a write to the port or what one arrival brought.
struct WireRun {
    double ms = 0; // since the transfer (or the radio) started
    TraceDirection direction = TraceDirection::ToRadio;
    std::vector<std::uint8_t> bytes;
    std::string step;

    friend bool operator==(const WireRun&, const WireRun&) = default;
};

// The text form of a serial trace, shared by TARN, tarn-cli and the virtual radio's wire log:
// header lines starting with '#', then one line per run with four tab-separated fields:
//   12.345<TAB>to-radio<TAB>50 52 4F 47<TAB>wake-up
// milliseconds with three decimals, the direction ("to-radio" or "from-radio"), the bytes in
// upper-case hex separated by spaces, and the protocol step (the radio's log says "radio").
class SerialTrace {
public:
    static constexpr const char* FormatLine = "# TARN serial trace, format 1";
    static constexpr const char* ColumnsLine = "# ms\tdirection\tbytes\tstep";

    [[nodiscard]] static std::string formatRun(const WireRun& run);
    // The format line, the given header lines (each gets "# " before it), the columns line
    // and every run.
    [[nodiscard]] static std::string format(const std::vector<std::string>& header,
                                            const std::vector<WireRun>& runs);
    // The runs of a trace; comment, blank and malformed lines are skipped.
    [[nodiscard]] static std::vector<WireRun> parse(std::string_view text);
    // The bytes of every run in one direction, in order: two traces of the same transfer
    // agree on them however the bytes were split into runs.
    [[nodiscard]] static std::vector<std::uint8_t> stream(const std::vector<WireRun>& runs,
                                                          TraceDirection direction);
    [[nodiscard]] static const char* directionName(TraceDirection direction);
};

} // namespace tarn
