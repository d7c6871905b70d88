#include "data/StrictNumber.h"

#include <gtest/gtest.h>

namespace tarn {
namespace {

TEST(StrictNumberTest, TakesDigitsWithAnOptionalFraction) {
    const auto value = [](const char* text) { return StrictNumber::parse(text).value().text(); };
    EXPECT_EQ(value("146.525"), "146.525");
    EXPECT_EQ(value("146"), "146");
    EXPECT_EQ(value("  146.52500\t"), "146.525");
    EXPECT_EQ(value("0007.5"), "7.5");
    EXPECT_EQ(value("0"), "0");
}

TEST(StrictNumberTest, RefusesEverythingTheGridWouldReadPartly) {
    for (const char* text :
         {"146,525", "146.525abc", "146.525.5", "1.46525e2", "+146.5", "-146.5", "146.", ".525", "",
          "  ", "1 46", "0x92", "inf", "nan", "146.5 MHz", "١٤٦", "146\n"})
        EXPECT_FALSE(StrictNumber::parse(text)) << '"' << text << '"';
}

TEST(StrictNumberTest, WholeNumbersRefuseFractionsAndOverflow) {
    EXPECT_EQ(StrictNumber::parseWhole(" 199 "), 199u);
    EXPECT_EQ(StrictNumber::parseWhole("18446744073709551615"), 18446744073709551615u);
    EXPECT_FALSE(StrictNumber::parseWhole("18446744073709551616"));
    EXPECT_FALSE(StrictNumber::parseWhole("1.0"));
    EXPECT_FALSE(StrictNumber::parseWhole("-1"));
    EXPECT_FALSE(StrictNumber::parseWhole(""));
}

TEST(StrictNumberTest, DigitsBeyondTheDecimalsKeptMustBeZeros) {
    const std::pair<const char*, bool> cases[] = {
        {"146.52", true},         {"146.52000", true},
        {"146.520000", true},     {"0.600000", true},
        {"146.5200000000", true}, {"146", true},
        {" 146.520000 ", true},   {"146.520001", false},
        {"99.9999999", false},    {"600.000001", false},
        {"146.520000001", false}, {"146.5200000000001", false},
        {"146,52", false},        {"", false},
    };
    for (const auto& [text, fits] : cases)
        EXPECT_EQ(StrictNumber::fitsDecimals(text, StrictNumber::FrequencyDecimals), fits)
            << '"' << text << '"';
}

TEST(StrictNumberTest, RefusalQuotesTheCell) {
    EXPECT_EQ(StrictNumber::refusal("146,525"),
              "\"146,525\" is not a number (digits, optionally a point and digits)");
}

} // namespace
} // namespace tarn
