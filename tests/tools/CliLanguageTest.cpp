#include "qtsupport/InterfaceTranslators.h"
#include "tools/cli/CliMessages.h"
#include "tools/cli/TranslatedStreamBuf.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <unistd.h>

#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace tarn::cli {
namespace {

TEST(TranslatedStreamBufTest, TranslatesWholeLinesAndPassesEndingsOn) {
    std::ostringstream target;
    std::vector<std::string> seen;
    TranslatedStreamBuf buffer(*target.rdbuf(), [&seen](const std::string& line) {
        seen.push_back(line);
        return "<" + line + ">";
    });
    std::ostream err(&buffer);
    err << "tarn-cli: " << 42 << " blocks\n";
    err << "\rWriting [##  ] 50%" << std::flush; // a progress line redrawn in place
    err << "\rWriting [####] 100%\n\n";
    err << "cut ";
    err << "short";
    err.flush();
    EXPECT_EQ(target.str(), "<tarn-cli: 42 blocks>\n\r<Writing [##  ] 50%>\r<Writing [####] "
                            "100%>\n\n<cut short>");
    EXPECT_EQ(seen, (std::vector<std::string>{"tarn-cli: 42 blocks", "Writing [##  ] 50%",
                                              "Writing [####] 100%", "cut short"}))
        << "empty lines are never translated";
    EXPECT_TRUE(err.good());
}

TEST(TranslatedStreamBufTest, AFailedWriteFailsTheStream) {
    std::ofstream closed; // never opened: every write fails
    TranslatedStreamBuf buffer(*closed.rdbuf(), [](const std::string& line) { return line; });
    std::ostream err(&buffer);
    err << "lost\n";
    EXPECT_TRUE(err.bad());
}

std::multiset<QString> placeholders(const QString& text) {
    static const QRegularExpression placeholder(QStringLiteral("%[1-9]"));
    std::multiset<QString> found;
    for (const QRegularExpressionMatch& m : placeholder.globalMatch(text))
        found.insert(m.captured());
    return found;
}

// Each of the tool's patterns has its Chinese, which keeps every placeholder.
TEST(CliMessagesTest, EveryPatternIsTranslatedWithItsPlaceholders) {
    int argc = 1;
    char name[] = "cli_language_test";
    char* argv[] = {name, nullptr};
    const QCoreApplication application(argc, argv); // translators need one
    InterfaceTranslators translators({QStringLiteral(TARN_TRANSLATIONS_DIR)});
    ASSERT_TRUE(translators.apply(QStringLiteral("zh_CN")));
    for (const char* pattern : cliMessages()) {
        SCOPED_TRACE(pattern);
        const QString chinese = QCoreApplication::translate("tarn::Prompt", pattern);
        EXPECT_NE(chinese, QString::fromUtf8(pattern));
        EXPECT_EQ(placeholders(chinese), placeholders(QString::fromUtf8(pattern)));
    }
    (void)translators.apply({});
}

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

std::string contents(const std::filesystem::path& file) {
    std::ifstream in(file);
    return {std::istreambuf_iterator<char>(in), {}};
}

// tarn-cli with only the given locale variables set.
CliRun runCli(const std::string& locale, const std::string& args) {
    // One folder per process: ctest runs this file's tests side by side.
    const auto folder = std::filesystem::temp_directory_path() /
                        ("cli-language-test-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    // There too the row dump 1.txt that apply writes in the current folder.
    const std::string command = "cd " + folder.string() +
                                " && env -u LC_ALL -u LC_MESSAGES -u LANG " + locale +
                                " " TARN_CLI " " + args + " >" + (folder / "out").string() + " 2>" +
                                (folder / "err").string();
    const int raw = std::system(command.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, contents(folder / "out"),
            contents(folder / "err")};
}

TEST(CliLanguageTest, MessagesOnStderrFollowTheLocaleAndNothingElseChanges) {
    const std::string missing = "show /nonexistent/missing.sin";
    const std::string english = "tarn-cli: \"/nonexistent/missing.sin\": cannot open: No such "
                                "file or directory\n";
    const std::string chinese =
        "tarn-cli：无法打开“/nonexistent/missing.sin”：No such file or directory\n";
    const struct {
        const char* locale;
        const std::string& err;
    } cases[] = {
        {"LANG=C", english},
        {"LANG=zh_CN.UTF-8", chinese},
        {"LANG=POSIX", english},
        {"LC_MESSAGES=zh_CN.UTF-8 LANG=C", chinese},
        {"LC_ALL=C LANG=zh_CN.UTF-8", english},
        {"LC_ALL= LC_MESSAGES=zh_CN.UTF-8", chinese}, // an empty variable is passed over
        {"LANG=fr_FR.UTF-8", english},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.locale);
        const CliRun run = runCli(c.locale, missing);
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, c.err);
    }
}

// Messages put together from parts read as one Chinese sentence, each part translated.
TEST(CliLanguageTest, ComposedMessagesOnStderrReadChinese) {
    const auto base = std::filesystem::temp_directory_path() /
                      ("cli-language-test-" + std::to_string(::getpid()) + "-composed");
    const std::string image = base.string() + ".sin";
    const std::string table = base.string() + ".tsv";
    ASSERT_EQ(runCli("LANG=C", "new " + image).status, 0);
    {
        std::ofstream(table) << "Channel NO.\tRX Freq\tTX Freq\tQT/DQT Dec\tQT/DQT Enc\tTX "
                                "Power\tCHN Lock\n12\t1e3\t\t\t\tHuge\t\n";
    }
    const struct {
        std::string args;
        int status;
        std::string chinese;
    } cases[] = {
        {"apply " + image + " " + table, 1,
         table + "：第 2 行，RX Freq 列：“1e3”不是数字（数字，可带小数点及其后的数字）\n" + table +
             "：第 2 行，TX Power 列：“Huge”：发射功率必须为 High、Middle、Low 或空\n"
             "tarn-cli：未写入任何内容\n"},
        {"show " + table, 1,
         "tarn-cli：“" + table + "”：不是信道文件：它有 84 字节，信道文件为 8192 字节\n"},
        {"read --port", 2, "tarn-cli read：--port 需要一个值\n"},
        {"sort " + image + " --by rx -o -", 0, "信道已按 RX Freq 排好顺序，无需移动。\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args);
        const CliRun run = runCli("LANG=zh_CN.UTF-8", c.args);
        EXPECT_EQ(run.status, c.status);
        EXPECT_EQ(run.err.substr(0, c.chinese.size()), c.chinese);
    }
    std::filesystem::remove(image);
    std::filesystem::remove(table);
}

TEST(CliLanguageTest, HelpFollowsTheLocaleWhereverItIsPrinted) {
    const struct {
        const char* args;
        int status;
        bool onStdout;
        const char* english;
        const char* chinese;
    } cases[] = {
        {"--help", 0, true, "Usage: tarn-cli VERB [ARGS]\n\nVerbs:\n  new     write a new",
         "用法：tarn-cli VERB [ARGS]\n\n子命令：\n  new     写出一个新的空白存储映像"},
        {"show --help", 0, true, "Usage: tarn-cli show FILE.sin\n\nPrints the channel table",
         "用法：tarn-cli show FILE.sin\n\n按信道表格的显示方式输出信道表"},
        {"write --help", 0, true, "\nExit status:\n  0    done\n  1    a file or data error\n",
         "\n退出状态：\n  0    完成\n  1    文件或数据错误\n"},
        {"read --help", 0, true, "  --retry N      answer Retry to a communication error",
         "  --retry N      遇到通信错误时最多重试 N 次"},
        {"check --help", 0, true, "  --any-size     take the first 8192 bytes",
         "  --any-size     取较大信道文件的前 8192 字节"},
        // A usage error prints the usage on stderr, in the same language.
        {"new", 2, false, "Usage: tarn-cli new FILE.sin\n\nWrites the memory image",
         "用法：tarn-cli new FILE.sin\n\n写出一个新文档的存储映像"},
        {"", 2, false, "Usage: tarn-cli VERB [ARGS]", "用法：tarn-cli VERB [ARGS]"},
    };
    for (const auto& c : cases) {
        for (const bool chinese : {false, true}) {
            SCOPED_TRACE(std::string(c.args) + (chinese ? " in Chinese" : " in English"));
            const CliRun run = runCli(chinese ? "LANG=zh_CN.UTF-8" : "LANG=C", c.args);
            EXPECT_EQ(run.status, c.status);
            const std::string& shown = c.onStdout ? run.out : run.err;
            EXPECT_EQ(c.onStdout ? run.err : run.out, "");
            EXPECT_NE(shown.find(chinese ? c.chinese : c.english), std::string::npos) << shown;
            if (!chinese) {
                EXPECT_EQ(shown.find("用法"), std::string::npos);
            }
        }
    }
}

TEST(CliLanguageTest, StandardOutputNeverChanges) {
    const auto base = std::filesystem::temp_directory_path() /
                      ("cli-language-test-" + std::to_string(::getpid()));
    const std::string a = base.string() + "-a.sin";
    const std::string b = base.string() + "-b.sin";
    const std::string table = base.string() + ".tsv";
    ASSERT_EQ(runCli("LANG=C", "new " + a).status, 0);
    ASSERT_EQ(runCli("LANG=C", "new " + b).status, 0);
    {
        std::ofstream(table) << "Channel NO.\tRX Freq\tTX Freq\tQT/DQT Dec\tQT/DQT Enc\tTX "
                                "Power\tCHN Lock\n12\t446.52000\t446.52000\t\t\tHigh\t\n";
    }
    ASSERT_EQ(runCli("LANG=C", "apply " + b + " " + table).status, 0);
    const struct {
        std::string args;
        int status;
        const char* english; // a piece of the output scripts read
    } cases[] = {
        {"show " + a, 0, "RX Freq"},
        {"diff " + a + " " + b, 1, "CH 12  RX Freq  (empty) -> 446.52000"},
        {"diff --json " + a + " " + b, 1, "\"field\": \"RX Freq\""},
        {"export " + b, 0, "Location,Name,Frequency"},
        // A port's system error in the fleet table stays English too.
        {"write --port /nonexistent/a --port /nonexistent/b " + b, 3,
         "/nonexistent/a  3     the port could not be opened: No such file or directory"},
        {"check " + b, 8, "channel 12, RX Freq: 446.52000 lies outside the band"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args);
        const CliRun english = runCli("LANG=C", c.args);
        const CliRun chinese = runCli("LANG=zh_CN.UTF-8", c.args);
        EXPECT_EQ(english.status, c.status);
        EXPECT_EQ(chinese.status, c.status);
        EXPECT_EQ(english.out, chinese.out);
        EXPECT_NE(english.out.find(c.english), std::string::npos) << english.out;
    }
    for (const std::string& file : {a, b, table})
        std::filesystem::remove(file);
}

} // namespace
} // namespace tarn::cli
