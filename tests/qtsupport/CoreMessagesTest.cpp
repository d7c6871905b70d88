#include "qtsupport/CoreMessages.h"

#include "common/Translate.h"

#include <QCoreApplication>
#include <QTranslator>

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace tarn {
namespace {

// A translator of a few texts of the core's message context.
class FakeTranslator : public QTranslator {
public:
    QString translate(const char* context, const char* source, const char*, int) const override {
        if (std::string(context) != MessageContext)
            return {};
        const auto found = texts.find(source);
        return found == texts.end() ? QString() : QString::fromUtf8(found->second);
    }
    [[nodiscard]] bool isEmpty() const override { return false; }

    std::map<std::string, std::string> texts{
        {"Please input Number", "请输入数字"},
        {"Error Data Format，Please input again", "数据格式错误，请重新输入"},
        {"This is not a number.", "这不是数字。"},
        {"Verify failed: %1 blocks differ, the first at %2",
         "校验失败：%1 个数据块不同，第一个在 %2"},
        {"The radio's memory was not kept as a backup: %1", "未能备份对讲机的存储内容：%1"},
        {"Verify %1", "校验 %1"},
    };
};

class CoreMessagesTest : public ::testing::Test {
protected:
    CoreMessagesTest() { QCoreApplication::installTranslator(&translator); }
    ~CoreMessagesTest() override { QCoreApplication::removeTranslator(&translator); }
    FakeTranslator translator;
};

TEST_F(CoreMessagesTest, FindsWholeFormattedAndComposedMessages) {
    const struct {
        const char* text;
        const char* shown;
    } cases[] = {
        {"Please input Number", "请输入数字"},
        // A refusal of two known lines.
        {"Error Data Format，Please input again\nThis is not a number.",
         "数据格式错误，请重新输入\n这不是数字。"},
        // A known line beside an unknown one: each line on its own.
        {"Error Data Format，Please input again\nline 3: bad",
         "数据格式错误，请重新输入\nline 3: bad"},
        {"Verify failed: 3 blocks differ, the first at 0x1FC8",
         "校验失败：3 个数据块不同，第一个在 0x1FC8"},
        // An argument that is a known text is translated too.
        {"The radio's memory was not kept as a backup: Please input Number",
         "未能备份对讲机的存储内容：请输入数字"},
        // Placeholders in an argument stay as they are.
        {"The radio's memory was not kept as a backup: %2 disk full",
         "未能备份对讲机的存储内容：%2 disk full"},
        {"Verify 12", "校验 12"},
        // A pattern without a translation, and an unknown text, stay English.
        {"Verify failed: 1 block differs, at 0x0150", "Verify failed: 1 block differs, at 0x0150"},
        {"Something else", "Something else"},
        {"", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(CoreMessages::translated(std::string_view(c.text)).toStdString(), c.shown);
    }
}

TEST(CoreMessagesEnglishTest, WithoutATranslatorEveryTextStaysAsWritten) {
    for (const char* pattern : formattedMessages())
        EXPECT_EQ(CoreMessages::translated(std::string_view(pattern)).toStdString(), pattern);
    EXPECT_EQ(CoreMessages::translated(std::string_view("a\nb")).toStdString(), "a\nb");
}

TEST(FormatTextTest, FillsNumberedPlaceholdersOnce) {
    EXPECT_EQ(formatText("%2 of %1", {"a", "b"}), "b of a");
    EXPECT_EQ(formatText("%1 and %3", {"%2", "x"}), "%2 and %3") << "arguments are not rescanned";
    EXPECT_EQ(formatText("100% %", {}), "100% %");
    EXPECT_EQ(formatText("ends in %", {"x"}), "ends in %");
}

} // namespace
} // namespace tarn
