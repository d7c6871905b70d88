#include "tools/virtual-radio/WireLogTrace.h"

#include "radio/WireLog.h"

namespace tarn {

SerialTrace WireLogTrace::of(const WireLog& log) {
    SerialTrace trace;
    trace.addHeader("tarn-virtual-radio wire log");
    constexpr std::int64_t NsPerMs = 1'000'000;
    for (const WireByte& entry : log.entries()) {
        const auto direction = entry.direction == WireDirection::ToRadio
                                   ? TraceDirection::ToRadio
                                   : TraceDirection::FromRadio;
        trace.add(direction, std::span(&entry.value, 1), entry.timeNs / NsPerMs);
    }
    return trace;
}

} // namespace tarn
