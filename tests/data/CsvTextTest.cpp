#include "data/CsvText.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

namespace tarn {
namespace {

using Fields = std::vector<std::string>;

std::vector<Fields> fieldsOf(const CsvText::Parsed& parsed) {
    std::vector<Fields> all;
    for (const auto& record : parsed.records)
        all.push_back(record.fields);
    return all;
}

TEST(CsvTextParse, QuotedFieldsHoldCommasQuotesAndLineBreaks) {
    const auto parsed = CsvText::parse("a,\"b,c\",\"say \"\"hi\"\"\"\n\"two\nlines\",x,\r\nlast,,");
    ASSERT_EQ(parsed.errorLine, 0) << parsed.error;
    EXPECT_EQ(fieldsOf(parsed),
              (std::vector<Fields>{
                  {"a", "b,c", "say \"hi\""}, {"two\nlines", "x", ""}, {"last", "", ""}}));
    // Line numbers count the line break inside the quotes.
    EXPECT_EQ(parsed.records[1].line, 2);
    EXPECT_EQ(parsed.records[2].line, 4);
}

TEST(CsvTextParse, LineEndsByteOrderMarkAndBlankLines) {
    const auto parsed = CsvText::parse("\xEF\xBB\xBFh1,h2\r\n1,2\r\n\r\n3,4\r5,6");
    ASSERT_EQ(parsed.errorLine, 0);
    EXPECT_EQ(fieldsOf(parsed),
              (std::vector<Fields>{{"h1", "h2"}, {"1", "2"}, {""}, {"3", "4"}, {"5", "6"}}));
    EXPECT_EQ(parsed.records[4].line, 5);
    EXPECT_TRUE(CsvText::parse("").records.empty());
}

TEST(CsvTextParse, MalformedQuotesNameTheirLine) {
    auto parsed = CsvText::parse("a,b\n1,\"open\n2,3\n");
    EXPECT_EQ(parsed.errorLine, 2);
    EXPECT_EQ(parsed.error, "a quoted field is not closed");
    parsed = CsvText::parse("a,b\n1,2\n\"x\"y,3\n");
    EXPECT_EQ(parsed.errorLine, 3);
    EXPECT_EQ(parsed.error, "text after the closing quote of a field");
    parsed = CsvText::parse("a,b\n1,2 \"inch\"\n");
    EXPECT_EQ(parsed.errorLine, 2);
    EXPECT_EQ(parsed.error, "a quote inside a field that does not start with one");
}

TEST(CsvTextFormat, QuotesOnlyWhatNeedsItAndReadsBack) {
    const Fields fields{"plain", "a,b", "q\"q", "two\nlines", " pad", "", "146.520000"};
    const std::string line = CsvText::formatRecord(fields);
    EXPECT_EQ(line, "plain,\"a,b\",\"q\"\"q\",\"two\nlines\",\" pad\",,146.520000\r\n");
    const auto parsed = CsvText::parse(line);
    ASSERT_EQ(parsed.records.size(), 1u);
    EXPECT_EQ(parsed.records[0].fields, fields);
}

TEST(CsvTextFile, ReadsRegularFilesUpTo10MB) {
    test::TempDir dir;
    dir.write("a.csv", "x,y\n");
    EXPECT_EQ(CsvText::readFile(dir / "a.csv"), "x,y\n");

    std::filesystem::resize_file(dir / "a.csv", CsvText::MaxFileBytes);
    EXPECT_EQ(CsvText::readFile(dir / "a.csv").size(), CsvText::MaxFileBytes);
    std::filesystem::resize_file(dir / "a.csv", CsvText::MaxFileBytes + 1);
    EXPECT_THROW(
        {
            try {
                (void)CsvText::readFile(dir / "a.csv");
            } catch (const CsvFileError& e) {
                EXPECT_NE(std::string(e.what()).find("larger than 10 MB"), std::string::npos);
                throw;
            }
        },
        CsvFileError);
    EXPECT_THROW((void)CsvText::readFile(dir.path()), CsvFileError);
    EXPECT_THROW((void)CsvText::readFile(dir / "missing.csv"), CsvFileError);
}

TEST(CsvTextFile, WritesReplaceTheFileOrTheOneALinkNames) {
    test::TempDir dir;
    CsvText::writeFile(dir / "a.csv", "one\r\n");
    std::filesystem::permissions(dir / "a.csv", std::filesystem::perms::owner_read |
                                                    std::filesystem::perms::owner_write);
    CsvText::writeFile(dir / "a.csv", "two\r\n");
    EXPECT_EQ(dir.read("a.csv"), "two\r\n");
    EXPECT_EQ(std::filesystem::status(dir / "a.csv").permissions(),
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    std::filesystem::create_symlink("a.csv", dir / "link.csv");
    CsvText::writeFile(dir / "link.csv", "three\r\n");
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "link.csv"));
    EXPECT_EQ(dir.read("a.csv"), "three\r\n");
    EXPECT_THROW(CsvText::writeFile(dir.path(), "x"), CsvFileError);
    EXPECT_THROW(CsvText::writeFile(dir / "no" / "b.csv", "x"), CsvFileError);
    EXPECT_EQ(dir.entries(), 2u); // no temporary file left behind
}

} // namespace
} // namespace tarn
