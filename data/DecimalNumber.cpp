#include "data/DecimalNumber.h"

#include <algorithm>
#include <limits>

namespace tarn {

namespace {

constexpr std::uint64_t Saturated = std::numeric_limits<std::uint64_t>::max();

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::size_t digitRun(std::string_view text, std::size_t from) {
    std::size_t end = from;
    while (end < text.size() && isDigit(text[end]))
        ++end;
    return end - from;
}

// digits as an integer, saturating.
std::uint64_t integerOf(std::string_view digits) {
    std::uint64_t value = 0;
    for (const char c : digits) {
        const auto digit = static_cast<std::uint64_t>(c - '0');
        if (value > (Saturated - digit) / 10)
            return Saturated;
        value = value * 10 + digit;
    }
    return value;
}

std::uint64_t timesPowerOfTen(std::uint64_t value, std::int64_t power) {
    for (std::int64_t i = 0; i < power && value != 0; ++i) {
        if (value > Saturated / 10)
            return Saturated;
        value *= 10;
    }
    return value;
}

// The exponent's value, clamped to +-limit.
std::int64_t exponentOf(std::string_view text, std::int64_t limit) {
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    std::int64_t value = 0;
    for (const char c : text)
        value = std::min(limit, value * 10 + (c - '0'));
    return negative ? -value : value;
}

} // namespace

std::optional<DecimalNumber> DecimalNumber::parse(std::string_view text) {
    DecimalNumber number;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        number.m_negative = text[i++] == '-';
    const std::size_t wholeLength = digitRun(text, i);
    const std::string_view whole = text.substr(i, wholeLength);
    i += wholeLength;
    std::string_view fraction;
    if (i < text.size() && text[i] == '.') {
        fraction = text.substr(i + 1, digitRun(text, i + 1));
        i += 1 + fraction.size();
    }
    if (whole.empty() && fraction.empty())
        return std::nullopt;
    std::int64_t exponent = 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            ++j;
        const std::size_t length = digitRun(text, j);
        if (length == 0)
            return std::nullopt;
        exponent = exponentOf(text.substr(i + 1, j + length - i - 1), ExponentLimit);
        i = j + length;
    }
    if (i != text.size())
        return std::nullopt;

    std::string digits = std::string(whole) + std::string(fraction);
    exponent -= static_cast<std::int64_t>(fraction.size());
    const auto lead = digits.find_first_not_of('0');
    if (lead == std::string::npos)
        return number;
    digits.erase(0, lead);
    const auto last = digits.find_last_not_of('0');
    exponent += static_cast<std::int64_t>(digits.size() - last - 1);
    digits.erase(last + 1);
    number.m_digits = std::move(digits);
    number.m_exponent = std::clamp(exponent, -2 * ExponentLimit, 2 * ExponentLimit);
    return number;
}

std::uint64_t DecimalNumber::scaled(int decimals, Rounding rounding) const {
    if (isZero())
        return 0;
    const std::int64_t power = m_exponent + decimals;
    const auto length = static_cast<std::int64_t>(m_digits.size());
    if (power >= 0)
        return power > 20 ? Saturated : timesPowerOfTen(integerOf(m_digits), power);
    const std::int64_t wholeLength = length + power; // digits left of the point
    const std::uint64_t whole =
        wholeLength > 0 ? integerOf(std::string_view(m_digits).substr(0, wholeLength)) : 0;
    // The first dropped digit decides; a 5 there is at least half, as trailing zeros are gone.
    const char firstDropped =
        wholeLength >= 0 ? m_digits[static_cast<std::size_t>(wholeLength)] : '0';
    const bool up = rounding == Rounding::HalfAwayFromZero && firstDropped >= '5';
    return up && whole != Saturated ? whole + 1 : whole;
}

bool DecimalNumber::isWholeAt(int decimals) const {
    return isZero() || m_exponent + decimals >= 0;
}

std::string DecimalNumber::text() const {
    if (isZero())
        return "0";
    std::string result = m_negative ? "-" : "";
    const auto length = static_cast<std::int64_t>(m_digits.size());
    if (m_exponent >= 0)
        return result + m_digits + std::string(static_cast<std::size_t>(m_exponent), '0');
    const std::int64_t wholeLength = length + m_exponent;
    if (wholeLength <= 0)
        return result + "0." + std::string(static_cast<std::size_t>(-wholeLength), '0') + m_digits;
    const auto split = static_cast<std::size_t>(wholeLength);
    return result + m_digits.substr(0, split) + "." + m_digits.substr(split);
}

std::strong_ordering DecimalNumber::compareMagnitude(const DecimalNumber& other) const {
    if (isZero() || other.isZero())
        return other.isZero() <=> isZero();
    // The position of the leading digit orders first, then the digits themselves.
    const std::int64_t top = m_exponent + static_cast<std::int64_t>(m_digits.size());
    const std::int64_t otherTop =
        other.m_exponent + static_cast<std::int64_t>(other.m_digits.size());
    if (top != otherTop)
        return top <=> otherTop;
    const int order = m_digits.compare(other.m_digits);
    return order <=> 0;
}

std::strong_ordering DecimalNumber::operator<=>(const DecimalNumber& other) const {
    if (isNegative() != other.isNegative())
        return isNegative() ? std::strong_ordering::less : std::strong_ordering::greater;
    const std::strong_ordering magnitude = compareMagnitude(other);
    if (!isNegative())
        return magnitude;
    return 0 <=> magnitude;
}

} // namespace tarn
