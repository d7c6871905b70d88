#include "data/StrictNumber.h"

#include <charconv>

namespace tarn {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::size_t digitRun(std::string_view text, std::size_t from) {
    std::size_t end = from;
    while (end < text.size() && isDigit(text[end]))
        ++end;
    return end - from;
}

} // namespace

std::string_view StrictNumber::trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool StrictNumber::isNumber(std::string_view text) {
    text = trimmed(text);
    const std::size_t whole = digitRun(text, 0);
    if (whole == 0)
        return false;
    if (whole == text.size())
        return true;
    if (text[whole] != '.')
        return false;
    const std::size_t fraction = digitRun(text, whole + 1);
    return fraction > 0 && whole + 1 + fraction == text.size();
}

bool StrictNumber::fitsDecimals(std::string_view text, std::size_t decimals) {
    const auto value = parse(text);
    return value && value->isWholeAt(static_cast<int>(decimals));
}

std::optional<DecimalNumber> StrictNumber::parse(std::string_view text) {
    if (!isNumber(text))
        return std::nullopt;
    return DecimalNumber::parse(trimmed(text));
}

std::optional<std::uint64_t> StrictNumber::parseWhole(std::string_view text) {
    text = trimmed(text);
    if (text.empty() || digitRun(text, 0) != text.size())
        return std::nullopt;
    std::uint64_t value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::string StrictNumber::refusal(std::string_view text) {
    return "\"" + std::string(text) + "\" " + Rule;
}

} // namespace tarn
