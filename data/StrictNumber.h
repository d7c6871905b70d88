#pragma once

#include "data/DecimalNumber.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tarn {

// Numbers in batch input (command-line tables, imported files, pasted cells): a cell counts as
// a number only when all of it is one, because nobody sees the value before it is stored.
// Accepted: digits, optionally a point and more digits, blanks around ignored. No sign,
// exponent, comma, leading point or trailing text. The grid's editor keeps its own lax rule.
class StrictNumber {
public:
    // What a refused cell is told, after its line and column.
    static constexpr const char* Rule = "is not a number (digits, optionally a point and digits)";

    // Frequencies and offsets are kept in 10 Hz steps: a finer digit would be rounded away
    // before anyone saw it.
    static constexpr std::size_t FrequencyDecimals = 5;
    static constexpr const char* PrecisionRule =
        "has a non-zero digit after the fifth decimal, finer than the radio's 10 Hz";

    [[nodiscard]] static bool isNumber(std::string_view text);
    // A number whose digits after the first `decimals` decimals are all zeros (any number of
    // them), so its value is exactly what those decimals say.
    [[nodiscard]] static bool fitsDecimals(std::string_view text, std::size_t decimals);
    // The exact value of a cell that is a number; nothing otherwise.
    [[nodiscard]] static std::optional<DecimalNumber> parse(std::string_view text);
    // The value of a cell of digits only; nothing for a fraction, any other text or a value
    // beyond 64 bits.
    [[nodiscard]] static std::optional<std::uint64_t> parseWhole(std::string_view text);
    // "\"text\" " + Rule, for a message that names line and column before it.
    [[nodiscard]] static std::string refusal(std::string_view text);

    // The text without its surrounding blanks (spaces and tabs).
    [[nodiscard]] static std::string_view trimmed(std::string_view text);
};

} // namespace tarn
