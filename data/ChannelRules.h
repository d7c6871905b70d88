#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tarn {

// What a channel cell may hold, shared by the grid's cell editor and the command line.
class ChannelRules {
public:
    static constexpr std::uint32_t LowestUnits = 10000000;  // 100 MHz in 10 Hz units
    static constexpr std::uint32_t HighestUnits = 60000000; // 600 MHz
    static constexpr const char* RangeMessage = "Error Data Format，Please input again";
    static constexpr const char* StepMessage =
        "Error data Value，Please input according the step value(6.25K/5k)";

    enum class Frequency { Valid, OutOfRange, OffStep };

    // Judges the count of 10 Hz units that would be stored for the text, so what passes is
    // exactly what is kept.
    [[nodiscard]] static Frequency checkFrequency(std::string_view text);
    // The "%3.5f" text that is stored for a frequency text.
    [[nodiscard]] static std::string storedFrequency(std::string_view text);
};

} // namespace tarn
