#pragma once

#include <array>
#include <string_view>

namespace tarn {

// The ready-made channel lists shipped as CHIRP CSV files in the program's data folder.
struct StockChannelList {
    std::string_view file;
    std::string_view title;
};

// One place names them: the File menu, the installed files and the tests follow this order.
inline constexpr std::array<StockChannelList, 7> StockChannelLists{{
    {"pmr446.csv", "PMR446 (16 channels)"},
    {"lpd433.csv", "LPD433 (69 channels)"},
    {"frs.csv", "FRS (22 channels)"},
    {"gmrs-repeaters.csv", "GMRS Repeaters (8 channels)"},
    {"murs.csv", "MURS (5 channels)"},
    {"calling-iaru-region1.csv", "Calling Frequencies, IARU Region 1"},
    {"calling-us.csv", "Calling Frequencies, US"},
}};

} // namespace tarn
