#include "profile/MultiByteText.h"

#include <gtest/gtest.h>

namespace tarn {
namespace {

const MultiByteText gbk(CodePage::Gbk936);
const MultiByteText utf8(CodePage::Utf8);

TEST(MultiByteText, GbkSecondBytesAreNeverTakenForAscii) {
    const std::string text = "a\x81\\b\x81=c=d\\";
    EXPECT_EQ(gbk.find(text, '\\'), 9u);
    EXPECT_EQ(gbk.find(text, '='), 7u);
    EXPECT_EQ(gbk.findLast(text, '='), 7u);
    EXPECT_EQ(gbk.find(text, "b\x81"), 3u);
    EXPECT_EQ(gbk.find("x\x81//", "//"), std::string::npos);

    EXPECT_EQ(utf8.find(text, '\\'), 2u);
    EXPECT_EQ(utf8.find(text, '='), 5u);
}

TEST(MultiByteText, GbkLeadByteAtTheEndStandsAlone) {
    EXPECT_EQ(gbk.charLength("a\x81", 1), 1u);
    EXPECT_EQ(gbk.find("a\x81", '\x81'), 1u);
}

TEST(MultiByteText, TrimKeepsDoubleByteCharactersWhole) {
    EXPECT_EQ(gbk.trim(" \t a\xB0\xA1 \r"), "a\xB0\xA1");
    EXPECT_EQ(gbk.trim("  \t "), "");
    EXPECT_EQ(utf8.trim(" \xE4\xB8\xAD\xE6\x96\x87\t"), "\xE4\xB8\xAD\xE6\x96\x87");
}

TEST(MultiByteText, OnlySingleByteLatinLettersFoldCase) {
    EXPECT_EQ(gbk.compare("Main", "mAIN", true), 0);
    EXPECT_NE(gbk.compare("Main", "mAIN", false), 0);
    // 0x41 and 0x61 here are second bytes, not letters.
    EXPECT_NE(gbk.compare("\x81\x41", "\x81\x61", true), 0);
    EXPECT_EQ(utf8.compare("\xC3\x84x", "\xC3\x84X", true), 0);
    EXPECT_NE(utf8.compare("\xC3\x84", "\xC3\xA4", true), 0);
    EXPECT_LT(gbk.compare("ab", "abc", true), 0);
    EXPECT_GT(gbk.compare("b", "A", true), 0);
}

} // namespace
} // namespace tarn
