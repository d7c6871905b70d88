#include "tools/cli/TranslatedStreamBuf.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
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
    const std::string command = "env -u LC_ALL -u LC_MESSAGES -u LANG " + locale +
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

TEST(CliLanguageTest, StandardOutputNeverChanges) {
    const auto image = std::filesystem::temp_directory_path() /
                       ("cli-language-test-" + std::to_string(::getpid()) + ".sin");
    ASSERT_EQ(runCli("LANG=C", "new " + image.string()).status, 0);
    const CliRun english = runCli("LANG=C", "show " + image.string());
    const CliRun chinese = runCli("LANG=zh_CN.UTF-8", "show " + image.string());
    std::filesystem::remove(image);
    EXPECT_EQ(english.status, 0);
    EXPECT_EQ(chinese.status, 0);
    EXPECT_EQ(english.out, chinese.out);
    EXPECT_NE(english.out.find("RX Freq"), std::string::npos) << "the header stays English";
}

} // namespace
} // namespace tarn::cli
