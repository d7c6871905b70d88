#include "profile/ProductLanguage.h"

#include "profile/StdFileOps.h"
#include "tests/profile/FaultyFileOps.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace tarn {
namespace {

using test::FaultyFileOps;
using test::TempDir;

constexpr auto English = InterfaceLanguage::English;
constexpr auto Chinese = InterfaceLanguage::Chinese;

TEST(ProductLanguage, ProfileFirstThenLocaleThenEnglish) {
    struct Case {
        const char* profile; // nullptr: no file
        const char* locale;
        InterfaceLanguage expected;
    };
    const Case cases[] = {
        {"[MAIN]\r\nLANGUAGE=QX32_V_CH\r\nLANGUAGE_FORCE=1\r\n", "en_US", Chinese},
        {"[main]\nlanguage=QX32_V_CH\n", "C", Chinese},
        {"[MAIN]\nLANGUAGE=QX32_V_EN\n", "zh_CN", English},
        {"[MAIN]\nLANGUAGE=CHINESE\n", "zh_CN", English}, // another value
        {"[MAIN]\nLANGUAGE=qx32_v_ch\n", "zh_CN", English},
        {"[MAIN]\nLANGUAGE_FORCE=1\n", "zh_TW", Chinese}, // no key: the locale
        {"", "zh_CN.UTF-8", Chinese},
        {nullptr, "zh_CN", Chinese},
        {nullptr, "de_DE", English}, // a language TARN does not have
        {nullptr, "C", English},
        {nullptr, "", English},
    };
    for (const Case& c : cases) {
        TempDir dir;
        if (c.profile != nullptr)
            dir.write("QX32_V.INI", c.profile);
        EXPECT_EQ(chooseLanguage(dir.file("QX32_V.INI"), c.locale, StdFileOps::instance()),
                  c.expected)
            << (c.profile ? c.profile : "(none)") << " " << c.locale;
        EXPECT_EQ(dir.entries(), c.profile != nullptr ? 1u : 0u) << "a missing file is made";
    }
}

TEST(ProductLanguage, UnreadableOrHugeProfileGivesEnglish) {
    TempDir dir;
    dir.write("QX32_V.INI", "[MAIN]\nLANGUAGE=QX32_V_CH\n");
    FaultyFileOps failing;
    failing.readFails = true;
    EXPECT_EQ(chooseLanguage(dir.file("QX32_V.INI"), "zh_CN", failing), English);

    std::filesystem::create_directory(dir / "folder.INI");
    EXPECT_EQ(chooseLanguage(dir.file("folder.INI"), "zh_CN", StdFileOps::instance()), English);

    std::string huge = "[MAIN]\nLANGUAGE=QX32_V_CH\n";
    huge.resize(FileOps::MaxReadBytes + 1, ' ');
    dir.write("huge.INI", huge);
    EXPECT_EQ(chooseLanguage(dir.file("huge.INI"), "zh_CN", StdFileOps::instance()), English);
}

TEST(ProductLanguage, StoringKeepsTheRestOfTheProfile) {
    TempDir dir;
    const std::string path = dir.file("QX32_V.INI");
    ASSERT_TRUE(storeLanguage(path, Chinese, StdFileOps::instance()));
    EXPECT_EQ(dir.read("QX32_V.INI"), "[MAIN]\r\nLANGUAGE=QX32_V_CH\r\n");

    dir.write("QX32_V.INI", "[Other]\nkeep=1\n[main]\nLANGUAGE=QX32_V_CH\nLANGUAGE_FORCE=1\n");
    ASSERT_TRUE(storeLanguage(path, English, StdFileOps::instance()));
    EXPECT_EQ(dir.read("QX32_V.INI"),
              "[Other]\r\nkeep=1\r\n[main]\r\nLANGUAGE=QX32_V_EN\r\nLANGUAGE_FORCE=1\r\n");
    EXPECT_EQ(chooseLanguage(path, "zh_CN", StdFileOps::instance()), English);

    FaultyFileOps readOnly;
    readOnly.fileReadOnly = true;
    readOnly.directoryReadOnly = true;
    EXPECT_FALSE(storeLanguage(path, Chinese, readOnly));
    EXPECT_FALSE(storeLanguage("", Chinese, StdFileOps::instance()));
}

std::map<std::string, std::string> g_environment;
const char* fakeEnvironment(const char* name) {
    const auto found = g_environment.find(name);
    return found == g_environment.end() ? nullptr : found->second.c_str();
}

TEST(ProductLanguage, MessagesLocaleFollowsLcAllLcMessagesLang) {
    const std::vector<std::pair<std::map<std::string, std::string>, std::string>> cases{
        {{{"LC_ALL", "zh_CN.UTF-8"}, {"LC_MESSAGES", "C"}, {"LANG", "C"}}, "zh_CN.UTF-8"},
        {{{"LC_ALL", ""}, {"LC_MESSAGES", "zh_TW"}, {"LANG", "C"}}, "zh_TW"},
        {{{"LANG", "C"}}, "C"}, // scripts run with LANG=C keep English
        {{{"LC_ALL", "C"}, {"LANG", "zh_CN"}}, "C"},
        {{}, ""},
    };
    for (const auto& [environment, expected] : cases) {
        g_environment = environment;
        EXPECT_EQ(messagesLocale(&fakeEnvironment), expected);
    }
    EXPECT_EQ(localeLanguage("C"), std::nullopt);
    EXPECT_EQ(localeLanguage("zh_TW.Big5"), Chinese);
}

TEST(ProductLanguage, WhereTheProfileIs) {
    struct Case {
        ProductProfilePlace place;
        const char* expected;
    };
    const Case cases[] = {
        {{"/handed/over.ini", true, "/cfg", "/usr/bin"}, "/handed/over.ini"},
        {{"", true, "/cfg", "/usr/bin"}, "/cfg/halcyon/QX32_V.INI"},
        {{"", true, "/cfg/", "/usr/bin"}, "/cfg/halcyon/QX32_V.INI"},
        {{"", true, "", "/usr/bin"}, ""},
        {{"", false, "/cfg", "/build/shell"}, "/build/shell/QX32_V.INI"},
        {{"", false, "/cfg", ""}, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(productProfilePath(c.place), c.expected) << c.expected;
}

} // namespace
} // namespace tarn
