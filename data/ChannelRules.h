#pragma once

#include "common/Translate.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tarn {

// What a channel cell may hold, shared by the grid's cell editor and the command line.
class ChannelRules {
public:
    static constexpr std::uint32_t LowestUnits = 10000000;  // 100 MHz in 10 Hz units
    static constexpr std::uint32_t HighestUnits = 60000000; // 600 MHz
    static constexpr const char* RangeMessage =
        TARN_TRANSLATE_NOOP("tarn::Prompt", "Error Data Format，Please input again");
    static constexpr const char* StepMessage = TARN_TRANSLATE_NOOP(
        "tarn::Prompt", "Error data Value，Please input according the step value(6.25K/5k)");

    // The second line of a refusal names the rule that was broken.
    static constexpr const char* RangeRule =
        TARN_TRANSLATE_NOOP("tarn::Prompt", "The frequency must lie between 100 and 600 MHz.");
    static constexpr const char* NotANumber =
        TARN_TRANSLATE_NOOP("tarn::Prompt", "This is not a number.");
    static constexpr const char* ToneMessage =
        TARN_TRANSLATE_NOOP("tarn::Prompt", "Please choose a tone or code from the list");

    static constexpr std::array<std::string_view, 3> PowerNames = {"High", "Middle", "Low"};
    static constexpr std::array<std::string_view, 2> LockNames = {"Lock", "UnLock"};

    enum class Frequency { Valid, OutOfRange, OffStep };

    // Judges the count of 10 Hz units that would be stored for the text, so what passes is
    // exactly what is kept.
    [[nodiscard]] static Frequency checkFrequency(std::string_view text);
    // The "%3.5f" text that is stored for a frequency text.
    [[nodiscard]] static std::string storedFrequency(std::string_view text);
    // What the user is told about a refused frequency text.
    [[nodiscard]] static std::string refusal(Frequency verdict, std::string_view text);
    // The list's spelling of a power or lock name typed in any case; nothing for no name.
    [[nodiscard]] static std::optional<std::string> powerName(std::string_view typed);
    [[nodiscard]] static std::optional<std::string> lockName(std::string_view typed);
};

} // namespace tarn
