#pragma once

#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tarn {

// A decimal number held exactly: significant digits and a power of ten. Frequencies, tones and
// watts are fixed-point figures, so they are read and scaled in integers, the same on every
// platform and in every locale, with no binary rounding between the text and the result.
class DecimalNumber {
public:
    enum class Rounding { HalfAwayFromZero, TowardZero };

    // The whole text as [+|-]digits[.digits][(e|E)[+|-]digits], with at least one digit before
    // the exponent; a leading or trailing point is allowed ("5.", ".5"). Nothing otherwise.
    [[nodiscard]] static std::optional<DecimalNumber> parse(std::string_view text);

    // |value| x 10^decimals as an integer, rounded as asked, saturating at the largest value.
    [[nodiscard]] std::uint64_t scaled(int decimals, Rounding rounding) const;
    // Whether value x 10^decimals is a whole number.
    [[nodiscard]] bool isWholeAt(int decimals) const;

    [[nodiscard]] bool isNegative() const { return m_negative && !isZero(); }
    [[nodiscard]] bool isZero() const { return m_digits.empty(); }

    // The plain decimal text, shortest: no exponent, no sign for zero, no needless zeros.
    [[nodiscard]] std::string text() const;

    [[nodiscard]] std::strong_ordering operator<=>(const DecimalNumber& other) const;
    [[nodiscard]] bool operator==(const DecimalNumber& other) const {
        return (*this <=> other) == std::strong_ordering::equal;
    }

private:
    // Exponents are clamped far beyond any 64-bit result, so huge ones cost nothing.
    static constexpr std::int64_t ExponentLimit = 1'000'000;

    [[nodiscard]] std::strong_ordering compareMagnitude(const DecimalNumber& other) const;

    std::string m_digits;        // significant digits, no leading or trailing zeros; empty is 0
    std::int64_t m_exponent = 0; // value = m_digits x 10^m_exponent
    bool m_negative = false;
};

} // namespace tarn
