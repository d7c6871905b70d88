#pragma once

#include "data/ChannelCsvLine.h"

#include <optional>
#include <string>
#include <string_view>

namespace tarn {

class ToneTable;

// A channel's two tones and the seven tone columns of a channel list, both ways. Tones are
// the grid's texts: "OFF" or empty for none, "88.5", "D023N", "D023I".
class ChannelCsvTones {
public:
    struct Tones {
        std::string enc; // QT/DQT Enc, transmit
        std::string dec; // QT/DQT Dec, receive
    };
    struct Columns {
        std::string tone;
        std::string rToneFreq{ChannelCsvColumns::DefaultTone};
        std::string cToneFreq{ChannelCsvColumns::DefaultTone};
        std::string dtcsCode{ChannelCsvColumns::DefaultCode};
        std::string dtcsPolarity{ChannelCsvColumns::DefaultPolarity};
        std::string rxDtcsCode{ChannelCsvColumns::DefaultCode};
        std::string crossMode{ChannelCsvColumns::DefaultCrossMode};
    };

    // The columns that reproduce the tones.
    [[nodiscard]] static Columns toColumns(std::string_view enc, std::string_view dec);
    // The tones a line's columns name, in the tone table's spelling ("OFF" for none); nothing
    // when a cell is bad, each bad cell refused on the line.
    [[nodiscard]] static std::optional<Tones> fromColumns(ChannelCsvLine& line,
                                                          const ToneTable& table);
};

} // namespace tarn
