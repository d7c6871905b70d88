#pragma once

#include <array>
#include <string_view>

namespace tarn {

// The columns of the channel lists that CHIRP reads and writes, in the order it writes them.
struct ChannelCsvColumns {
    enum Column {
        Location,
        Name,
        Frequency,
        Duplex,
        Offset,
        Tone,
        RToneFreq,
        CToneFreq,
        DtcsCode,
        DtcsPolarity,
        RxDtcsCode,
        CrossMode,
        Mode,
        TStep,
        Skip,
        Power,
        Comment,
        UrCall,
        Rpt1Call,
        Rpt2Call,
        DvCode,
        Count
    };
    static constexpr std::array<std::string_view, Count> Names = {
        "Location",  "Name",     "Frequency",    "Duplex",     "Offset",    "Tone",     "rToneFreq",
        "cToneFreq", "DtcsCode", "DtcsPolarity", "RxDtcsCode", "CrossMode", "Mode",     "TStep",
        "Skip",      "Power",    "Comment",      "URCALL",     "RPT1CALL",  "RPT2CALL", "DVCODE"};

    // What the tone columns hold when a channel does not use them.
    static constexpr std::string_view DefaultTone = "88.5";
    static constexpr std::string_view DefaultCode = "023";
    static constexpr std::string_view DefaultPolarity = "NN";
    static constexpr std::string_view DefaultCrossMode = "Tone->Tone";
};

} // namespace tarn
