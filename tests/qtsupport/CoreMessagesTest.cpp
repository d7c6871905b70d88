#include "qtsupport/CoreMessages.h"

#include "common/MessageCatalog.h"
#include "common/Translate.h"
#include "qtsupport/InterfaceTranslators.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QTranslator>

#include <gtest/gtest.h>

#include <map>
#include <set>
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

// The most specific pattern a message matches gives its shape, however general patterns
// are listed; the parts are translated in turn.
TEST_F(CoreMessagesTest, TheMostSpecificPatternWins) {
    translator.texts = {
        {"line %1: %2", "第 %1 行：%2"},
        {"line %1, column %2: %3", "第 %1 行，%2 列：%3"},
        {"line 1: expected the header line \"%1\"", "第 1 行：应为表头行“%1”"},
        {"\"%1\" is not a number (digits, optionally a point and digits)", "“%1”不是数字"},
        {"\"%1\": %2", "“%1”：%2"},
        {"not a channel file: it holds %1 bytes, a channel file holds %2",
         "不是信道文件：它有 %1 字节，信道文件为 %2 字节"},
        {"Nothing was pasted: the clipboard holds bad cells.", "未粘贴任何内容。"},
    };
    const struct {
        const char* text;
        const char* shown;
    } cases[] = {
        {"line 2, column RX Freq: \"1e3\" is not a number (digits, optionally a point and "
         "digits)",
         "第 2 行，RX Freq 列：“1e3”不是数字"},
        {"line 1: expected the header line \"A\tB\"", "第 1 行：应为表头行“A\tB”"},
        {"line 4: something new", "第 4 行：something new"},
        {"\"/tmp/a: b.sin\": not a channel file: it holds 100 bytes, a channel file holds 8192",
         "“/tmp/a: b.sin”：不是信道文件：它有 100 字节，信道文件为 8192 字节"},
        {"Nothing was pasted: the clipboard holds bad cells.\nline 3, column TX Freq: \"x\" is "
         "not a number (digits, optionally a point and digits)\nline 9: short",
         "未粘贴任何内容。\n第 3 行，TX Freq 列：“x”不是数字\n第 9 行：short"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(CoreMessages::translated(std::string_view(c.text)).toStdString(), c.shown);
    }
}

std::multiset<QString> placeholders(const QString& text) {
    static const QRegularExpression placeholder(QStringLiteral("%[1-9]"));
    std::multiset<QString> found;
    for (const QRegularExpressionMatch& m : placeholder.globalMatch(text))
        found.insert(m.captured());
    return found;
}

// Every pattern's Chinese keeps its placeholders, or a message would lose a name or a count.
TEST(CoreMessagesChineseTest, TranslationsKeepEveryPlaceholder) {
    InterfaceTranslators translators({QStringLiteral(TARN_TRANSLATIONS_DIR)});
    ASSERT_TRUE(translators.apply(QStringLiteral("zh_CN")));
    for (const auto list : {formattedMessages(), messageCatalog()}) {
        for (const char* pattern : list) {
            SCOPED_TRACE(pattern);
            const QString chinese = QCoreApplication::translate(MessageContext, pattern);
            EXPECT_NE(chinese, QString::fromUtf8(pattern));
            EXPECT_EQ(placeholders(chinese), placeholders(QString::fromUtf8(pattern)));
        }
    }
    (void)translators.apply({});
}

TEST(CoreMessagesChineseTest, APortFailureReadsTranslatedInBothParagraphs) {
    InterfaceTranslators translators({QStringLiteral(TARN_TRANSLATIONS_DIR)});
    ASSERT_TRUE(translators.apply(QStringLiteral("zh_CN")));
    const std::string first = "Could not Open the Port,Please check whether the Port are occupied "
                              "or the device are ok\n\n";
    using Text = PortTroubleText;
    const std::string device = "/dev/ttyUSB0";
    for (const std::string& why :
         {formatText(Text::NoPermissionText, {device, "dialout", "ana"}),
          formatText(Text::OwnerOnlyText, {device, "root", "ana"}),
          formatText(Text::NoDeviceText, {device}) + "\n" +
              formatText(Text::PortsPresentText, {"/dev/ttyS0"}),
          formatText(Text::NoDeviceText, {device}) + "\n" + Text::BrailleText,
          formatText(Text::HeldByText, {device, "minicom", "12"}),
          formatText(Text::HeldText, {device}), formatText(Text::InUseHereText, {device}),
          formatText(Text::OtherText, {device, "Input/output error"})}) {
        SCOPED_TRACE(why);
        const QStringList lines = CoreMessages::translated(first + why).split(QLatin1Char('\n'));
        ASSERT_GE(lines.size(), 3);
        EXPECT_EQ(lines[1], QString());
        // Every line in Chinese, the device as it is.
        for (const QString& line : lines) {
            EXPECT_FALSE(line.contains(QStringLiteral("the "))) << line.toStdString();
            EXPECT_FALSE(line.contains(QStringLiteral("The "))) << line.toStdString();
        }
        EXPECT_TRUE(lines[2].contains(QString::fromStdString(device)));
    }
    (void)translators.apply({});
}

// A write's reports read in Chinese whole: the columns and settings they list take the grid's
// and the dialogs' own translations; a list with an unknown part stays as written.
TEST(CoreMessagesChineseTest, WriteReportsListNamesInTheirOwnTranslations) {
    InterfaceTranslators translators({QStringLiteral(TARN_TRANSLATIONS_DIR)});
    ASSERT_TRUE(translators.apply(QStringLiteral("zh_CN")));
    EXPECT_EQ(CoreMessages::translated(
                  std::string_view("Verify failed: 2 blocks differ, the first at 0x0150\n"
                                   "Channel 22: RX Freq, TX Power\n"
                                   "Channel 23: bytes no cell shows\n"
                                   "Settings: Squelch Level, Beep\n"
                                   "and 3 more"))
                  .toStdString(),
              "校验失败：2 个数据块不一致，第一个位于 0x0150\n"
              "信道 22：接收频率、发射功率\n"
              "信道 23：表格中不显示的字节\n"
              "设置：静噪等级、" +
                  QCoreApplication::translate("tarn::OptionalFeatures", "Beep").toStdString() +
                  "\n另有 3 处");
    EXPECT_EQ(CoreMessages::translated(std::string_view("Written: 404 blocks")).toStdString(),
              "已写入：404 个数据块");
    EXPECT_EQ(CoreMessages::translated(std::string_view("Channel 5: RX Freq, Foo")).toStdString(),
              "信道 5：RX Freq, Foo");
    (void)translators.apply({});
}

TEST(CoreMessagesEnglishTest, WithoutATranslatorEveryTextStaysAsWritten) {
    for (const auto list : {formattedMessages(), messageCatalog()})
        for (const char* pattern : list)
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
