#pragma once

#include <charconv>
#include <cstdint>
#include <optional>
#include <string_view>

namespace tarn {

// Numbers in an imported list count only when the whole cell is one: digits, optionally a
// point and more digits, blanks around ignored. No sign, exponent, comma or trailing text,
// since nobody sees the value before it is stored.
class CsvNumber {
public:
    static constexpr const char* Rule = "is not a number (digits, optionally a point and digits)";

    [[nodiscard]] static std::string_view trimmed(std::string_view text) {
        while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
            text.remove_prefix(1);
        while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
            text.remove_suffix(1);
        return text;
    }

    [[nodiscard]] static bool isNumber(std::string_view text) {
        text = trimmed(text);
        const std::size_t whole = digitRun(text, 0);
        if (whole == 0 || whole == text.size())
            return whole > 0;
        const std::size_t fraction = text[whole] == '.' ? digitRun(text, whole + 1) : 0;
        return fraction > 0 && whole + 1 + fraction == text.size();
    }

    [[nodiscard]] static std::optional<double> parse(std::string_view text) {
        if (!isNumber(text))
            return std::nullopt;
        text = trimmed(text);
        double value = 0.0;
        // from_chars ignores the C locale, which a Qt program may have set to a decimal comma.
        const auto result = std::from_chars(text.data(), text.data() + text.size(), value,
                                            std::chars_format::fixed);
        if (result.ec != std::errc() || result.ptr != text.data() + text.size())
            return std::nullopt;
        return value;
    }

    // Digits only; nothing for any other text or a value beyond 64 bits.
    [[nodiscard]] static std::optional<std::uint64_t> parseWhole(std::string_view text) {
        text = trimmed(text);
        if (text.empty() || digitRun(text, 0) != text.size())
            return std::nullopt;
        std::uint64_t value = 0;
        const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
        if (result.ec != std::errc())
            return std::nullopt;
        return value;
    }

private:
    [[nodiscard]] static std::size_t digitRun(std::string_view text, std::size_t from) {
        std::size_t end = from;
        while (end < text.size() && text[end] >= '0' && text[end] <= '9')
            ++end;
        return end - from;
    }
};

} // namespace tarn
