#include "data/DecimalNumber.h"
#include "data/ChannelCodec.h"
#include "data/StrictNumber.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <limits>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace tarn {
namespace {

using Rounding = DecimalNumber::Rounding;

std::uint64_t scaled(std::string_view text, int decimals, Rounding rounding) {
    return DecimalNumber::parse(text).value().scaled(decimals, rounding);
}

TEST(DecimalNumberTest, ParsesExactlyWhatAtofWouldReadWhole) {
    struct Case {
        const char* text;
        bool valid;
        const char* shown;
    };
    const Case cases[] = {
        {"146.525", true, "146.525"},
        {"0007.50", true, "7.5"},
        {"-0.0", true, "0"},
        {"+3", true, "3"},
        {"5.", true, "5"},
        {".5", true, "0.5"},
        {"1.46525e2", true, "146.525"},
        {"25E-3", true, "0.025"},
        {"1e+3", true, "1000"},
        {"-12.5e1", true, "-125"},
        {"", false, ""},
        {".", false, ""},
        {"e5", false, ""},
        {"1e", false, ""},
        {"1e+", false, ""},
        {"1.2.3", false, ""},
        {"12a", false, ""},
        {" 1", false, ""},
        {"+-1", false, ""},
        {"1,5", false, ""},
    };
    for (const Case& c : cases) {
        const auto number = DecimalNumber::parse(c.text);
        ASSERT_EQ(number.has_value(), c.valid) << c.text;
        if (number) {
            EXPECT_EQ(number->text(), c.shown) << c.text;
        }
    }
}

TEST(DecimalNumberTest, ScalesWithRoundingAndSaturation) {
    constexpr auto Max = std::numeric_limits<std::uint64_t>::max();
    struct Case {
        const char* text;
        int decimals;
        Rounding rounding;
        std::uint64_t expected;
    };
    const Case cases[] = {
        {"146.525", 5, Rounding::HalfAwayFromZero, 14652500},
        {"146.123455", 5, Rounding::HalfAwayFromZero, 14612346},
        {"146.1234549999999999999", 5, Rounding::HalfAwayFromZero, 14612345},
        {"-146.123455", 5, Rounding::HalfAwayFromZero, 14612346},
        {"0.000004", 5, Rounding::HalfAwayFromZero, 0},
        {"0.000005", 5, Rounding::HalfAwayFromZero, 1},
        {"88.59", 1, Rounding::TowardZero, 885},
        {"0.09", 1, Rounding::TowardZero, 0},
        {"1e-400", 5, Rounding::HalfAwayFromZero, 0},
        {"1e999999999999", 0, Rounding::TowardZero, Max},
        {"18446744073709551615", 0, Rounding::TowardZero, Max},
        {"18446744073709551614.9", 0, Rounding::HalfAwayFromZero, Max},
        {"18446744073709551616", 0, Rounding::TowardZero, Max},
        {"99999999999999999999999.5", 0, Rounding::HalfAwayFromZero, Max},
        {"0", 5, Rounding::HalfAwayFromZero, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(scaled(c.text, c.decimals, c.rounding), c.expected) << c.text;
}

TEST(DecimalNumberTest, OrdersByValueWhateverTheSpelling) {
    const auto n = [](const char* text) { return DecimalNumber::parse(text).value(); };
    EXPECT_EQ(n("5"), n("5.000"));
    EXPECT_EQ(n("0"), n("-0"));
    EXPECT_EQ(n("50e-1"), n("5"));
    EXPECT_LT(n("4.9999999999999999999"), n("5"));
    EXPECT_LT(n("-5"), n("-4"));
    EXPECT_LT(n("-1"), n("0"));
    EXPECT_LT(n("0.5"), n("1"));
    EXPECT_LT(n("12"), n("12.0000000000000000001"));
    EXPECT_GT(n("100"), n("99.999"));
    EXPECT_TRUE(n("6.25").isWholeAt(2));
    EXPECT_FALSE(n("6.255").isWholeAt(2));
}

// ---- The desktop's former results, read through binary floating point.

double referenceLeading(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || (text.front() >= '\t' && text.front() <= '\r')))
        text.remove_prefix(1);
    const bool negative = !text.empty() && text.front() == '-';
    const std::size_t skip = !text.empty() && (text.front() == '+' || negative) ? 1 : 0;
    double value = 0.0;
    const auto result = std::from_chars(text.data() + skip, text.data() + text.size(), value);
    if (result.ec == std::errc::result_out_of_range)
        value = std::numeric_limits<double>::infinity();
    else if (result.ec != std::errc() || result.ptr == text.data() + skip)
        return 0.0;
    return negative ? -value : value;
}

std::uint32_t referenceUnits(std::string_view text) {
    const double units = std::round(referenceLeading(text) * 1000.0 * 100.0);
    if (!(units > 0.0))
        return 0;
    if (units >= static_cast<double>(std::numeric_limits<std::uint32_t>::max()))
        return std::numeric_limits<std::uint32_t>::max();
    return static_cast<std::uint32_t>(units);
}

std::pair<std::uint8_t, std::uint8_t> referenceTone(std::string_view text) {
    const auto bcd = [](std::uint32_t d) {
        return static_cast<std::uint8_t>(((d / 10) * 16 + d % 10) & 0xFF);
    };
    const double tenths = std::trunc(referenceLeading(text) * 10.0);
    if (!(tenths > 0.0) || tenths >= 1e9)
        return {0xFF, 0xFF};
    const auto v = static_cast<std::uint32_t>(tenths);
    return {bcd((v / 100) % 256), bcd(v % 100)};
}

// Where binary floating point could not hold the text: more than 15 significant digits, a
// value that underflowed (which it took for infinity), or a half beyond the kept decimals.
bool beyondDouble(std::string_view text, int keptDecimals) {
    const auto number = ChannelCodec::leadingNumber(text);
    const std::string shown = number.text();
    const auto digits =
        std::count_if(shown.begin(), shown.end(), [](char c) { return c >= '1' && c <= '9'; });
    if (shown.find_first_not_of("-0.") == std::string::npos)
        return referenceLeading(text) != 0.0;
    const auto point = shown.find('.');
    const std::string_view fraction =
        point == std::string::npos ? std::string_view() : std::string_view(shown).substr(point + 1);
    const bool half = fraction.size() > static_cast<std::size_t>(keptDecimals) &&
                      fraction.substr(static_cast<std::size_t>(keptDecimals)) == "5";
    return digits > 15 || shown.size() > 17 || half || std::abs(referenceLeading(text)) > 1e12;
}

std::vector<std::string> corpusCells() {
    namespace fs = std::filesystem;
    std::vector<std::string> cells;
    for (const char* folder :
         {"tests/data/fuzz/corpus", "tests/data/csv", "tests/tools/fuzz/table-corpus"}) {
        for (const auto& entry : fs::directory_iterator(fs::path(TARN_SOURCE_DIR) / folder)) {
            std::ifstream in(entry.path());
            std::stringstream whole;
            whole << in.rdbuf();
            std::string cell;
            for (const char c : whole.str()) {
                if (c == ',' || c == '\t' || c == '\n' || c == '\r' || c == '"') {
                    cells.push_back(cell);
                    cell.clear();
                } else {
                    cell += c;
                }
            }
            cells.push_back(cell);
        }
    }
    return cells;
}

std::vector<std::string> generatedTexts() {
    std::vector<std::string> texts = {
        "1e-400",    "-1e-400", "1e400", "  146.5", "\t-146.5", "146.52500 MHz", "+146.525",
        "1.46525e2", "146.",    ".5",    "D023N",   "0x92",     "inf",           "nan"};
    std::mt19937 random(20261207);
    const auto pick = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    for (int i = 0; i < 20000; ++i) {
        std::string text = std::string(static_cast<std::size_t>(pick(0, 1)), ' ');
        text += "  +-"[pick(0, 3)];
        text += std::to_string(pick(0, 700));
        if (pick(0, 3) != 0) {
            text += '.';
            for (int d = pick(0, 8); d > 0; --d)
                text += static_cast<char>('0' + pick(0, 9));
        }
        if (pick(0, 9) == 0)
            text += "eE"[pick(0, 1)] + std::to_string(pick(-3, 3));
        texts.push_back(text);
    }
    return texts;
}

TEST(DecimalNumberTest, FrequenciesAndTonesMatchTheFormerResults) {
    auto texts = corpusCells();
    const auto generated = generatedTexts();
    texts.insert(texts.end(), generated.begin(), generated.end());
    int compared = 0;
    for (const std::string& text : texts) {
        if (!beyondDouble(text, 5)) {
            ++compared;
            EXPECT_EQ(ChannelCodec::frequencyUnits(text), referenceUnits(text))
                << '"' << text << '"';
        }
        if (!beyondDouble(text, 1) && text.find_first_of("Dd") == std::string::npos) {
            EXPECT_EQ(ChannelCodec::encodeTone(text), referenceTone(text)) << '"' << text << '"';
        }
    }
    EXPECT_GT(compared, 15000);
}

TEST(DecimalNumberTest, TextsBeyondBinaryPrecisionTakeTheirExactValue) {
    struct Case {
        const char* text;
        std::uint32_t units;
    };
    const Case cases[] = {
        {"146.124995", 14612500},              // a half rounds away from zero
        {"146.1249949999999999999", 14612499}, // just below a half does not
        {"1e-400", 0},                         // underflow is nothing, not infinity
        {"99999999999999999999", 4294967295u}, // saturates as before
    };
    for (const Case& c : cases)
        EXPECT_EQ(ChannelCodec::frequencyUnits(c.text), c.units) << c.text;
}

TEST(DecimalNumberTest, StrictNumbersKeepTheirExactValue) {
    EXPECT_EQ(StrictNumber::parse(" 146.52500\t")->text(), "146.525");
    EXPECT_EQ(StrictNumber::parse("100000")->text(), "100000");
    EXPECT_EQ(StrictNumber::parse("0.00001")->text(), "0.00001");
    EXPECT_FALSE(StrictNumber::parse("1e5"));
}

} // namespace
} // namespace tarn
