#include "launcher/LauncherApplication.h"

#include "launcher/LauncherDialog.h"
#include "launcher/LauncherProfileFolder.h"
#include "launcher/LauncherProfileName.h"
#include "tests/launcher/RecordingStarter.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestPrompter.h"

#include <QApplication>
#include <QCheckBox>
#include <QLocale>
#include <QTimer>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

namespace tarn {
namespace {

using test::RecordingStarter;
using test::TempDir;
using test::TestPrompter;

TEST(LauncherProfileName, OwnNameWithIniInPlaceOfTheExtension) {
    const std::string sep(1, AppDirectory::separator);
    EXPECT_EQ(launcherProfileName(sep + "opt" + sep + "Halcyon.exe  \t"), "Halcyon.ini");
    EXPECT_EQ(launcherProfileName("my.launcher.bin"), "my.launcher.ini");
    EXPECT_EQ(launcherProfileName(sep + "dir.d" + sep + "halcyon"), "MAIN.ini");
    EXPECT_EQ(launcherProfileName(""), "MAIN.ini");
    const std::string deep = sep + std::string(300, 'd') + sep + "Long.exe";
    EXPECT_EQ(launcherProfileName(deep), "Long.ini");
}

void clickEnglish(LauncherDialog& dialog) {
    for (QCheckBox* box : dialog.findChildren<QCheckBox*>()) {
        if (box->property("controlId").toInt() == 1000)
            box->click();
    }
}

class LauncherApplicationTest : public ::testing::Test {
protected:
    // Runs the launcher; while its dialog is up, whileOpen gets the dialog and then it is
    // cancelled unless whileOpen closed it.
    void run(const LauncherEnvironment& environment,
             const std::function<void(LauncherDialog&)>& whileOpen = {}) {
        LauncherApplication launcher(environment, starter, prompter);
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<LauncherDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            if (whileOpen)
                whileOpen(*dialog);
            if (dialog->isVisible())
                dialog->reject();
        });
        EXPECT_FALSE(launcher.initInstance());
    }

    [[nodiscard]] LauncherEnvironment besideItself(const std::string& exeName) const {
        return {dir.file(exeName), dir.file(exeName), "/nonexistent", config.path().string(),
                installedBin.path().string()};
    }

    // The bin folder of an installation, holding the launcher as installed.
    [[nodiscard]] LauncherEnvironment installed(const std::string& configHome) const {
        const std::string exe = installedBin.file("halcyon");
        return {exe, "halcyon", current.path().string(), configHome, installedBin.path().string()};
    }

    TempDir dir;
    TempDir current;
    TempDir config;
    TempDir installedBin;
    RecordingStarter starter;
    TestPrompter prompter;
};

TEST_F(LauncherApplicationTest, CreatesTheProfileAtStartAndWritesTheLanguageAtExit) {
    bool existedWhileOpen = false;
    run(besideItself("Halcyon.exe"),
        [&](LauncherDialog&) { existedWhileOpen = dir.has("Halcyon.ini"); });
    EXPECT_TRUE(existedWhileOpen);
    EXPECT_EQ(dir.read("Halcyon.ini"), "[MAIN]\r\nLANGUAGE=CHINESE\r\n");
    EXPECT_TRUE(starter.started.isEmpty());
}

TEST_F(LauncherApplicationTest, NameWithoutDotUsesMainIni) {
    run(besideItself("halcyon"));
    EXPECT_TRUE(dir.has("MAIN.ini"));
}

TEST_F(LauncherApplicationTest, BareArgv0UsesTheCurrentDirectory) {
    run({dir.file("Halcyon.exe"), "Halcyon.exe", current.path().string(), config.path().string(),
         installedBin.path().string()});
    EXPECT_FALSE(dir.has("Halcyon.ini"));
    EXPECT_EQ(current.read("Halcyon.ini"), "[MAIN]\r\nLANGUAGE=CHINESE\r\n");
}

TEST_F(LauncherApplicationTest, LowerCaseSectionIsReadAndUpdatedInPlace) {
    dir.write("Halcyon.ini", "[main]\nCH1=Only\nLANGUAGE=ENGLISH\n[CH1]\nEXE=only.exe\n");
    run(besideItself("Halcyon.exe"), [](LauncherDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Program Software");
        dialog.accept();
    });
    EXPECT_EQ(starter.started, QStringList{"only.exe"});
    EXPECT_EQ(dir.read("Halcyon.ini"),
              "[main]\r\nCH1=Only\r\nLANGUAGE=ENGLISH\r\nDEFAULT=0\r\n[CH1]\r\nEXE=only.exe\r\n");
    EXPECT_EQ(dir.read("QX32_V.INI"), "[MAIN]\r\nLANGUAGE=QX32_V_EN\r\nLANGUAGE_FORCE=1\r\n");
}

TEST_F(LauncherApplicationTest, UnusableProfileDirectoryPassesSilently) {
    prompter.answer(PromptAnswer::Ok);
    run({dir.file("missing/Halcyon.exe"), dir.file("missing/Halcyon.exe"), "", "", ""},
        [](LauncherDialog& dialog) { dialog.accept(); });
    EXPECT_EQ(starter.started, QStringList{""});
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{"请选择产品。"});
    EXPECT_EQ(dir.entries(), 0u);
}

TEST_F(LauncherApplicationTest, InstalledCopyListsTheInstalledProductAtFirstStart) {
    const std::string tarn = (installedBin / "tarn").string();
    std::string whileOpen;
    run(installed(config.path().string()), [&](LauncherDialog& dialog) {
        whileOpen = config.read("halcyon/MAIN.ini");
        EXPECT_EQ(dialog.productIndex(), 0);
        clickEnglish(dialog);
        dialog.accept();
    });
    EXPECT_EQ(whileOpen, "[MAIN]\r\nCH1=TARN\r\n[CH1]\r\nEXE=" + tarn + "\r\n");
    EXPECT_EQ(starter.started, QStringList{QString::fromStdString(tarn)});
    EXPECT_EQ(config.read("halcyon/MAIN.ini"),
              "[MAIN]\r\nCH1=TARN\r\nLANGUAGE=ENGLISH\r\nDEFAULT=0\r\n"
              "[CH1]\r\nEXE=" +
                  tarn + "\r\n");
    EXPECT_EQ(config.read("halcyon/QX32_V.INI"),
              "[MAIN]\r\nLANGUAGE=QX32_V_EN\r\nLANGUAGE_FORCE=1\r\n");
    EXPECT_EQ(current.entries(), 0u);
    EXPECT_EQ(installedBin.entries(), 0u);
}

TEST_F(LauncherApplicationTest, InstalledCopyMakesAMissingConfigHomePrivate) {
    run(installed((config / "made/.config").string()));
    EXPECT_TRUE(config.has("made/.config/halcyon/MAIN.ini"));
    EXPECT_EQ(std::filesystem::status(config / "made/.config").permissions(),
              std::filesystem::perms::owner_all);
}

TEST_F(LauncherApplicationTest, InstalledCopyKeepsAProfileItFinds) {
    std::filesystem::create_directory(config / "halcyon");
    config.write("halcyon/MAIN.ini", "[MAIN]\nCH1=Other\nLANGUAGE=ENGLISH\n");
    run(installed(config.path().string()));
    EXPECT_EQ(config.read("halcyon/MAIN.ini"), "[MAIN]\nCH1=Other\nLANGUAGE=ENGLISH\n");
}

TEST_F(LauncherApplicationTest, InstalledCopyWithoutAConfigFolderIsUnbound) {
    config.write("file", "not a folder");
    for (const std::string& home : {config.file("file"), std::string()}) {
        prompter.answer(PromptAnswer::Ok);
        run(installed(home), [](LauncherDialog& dialog) {
            EXPECT_EQ(dialog.productIndex(), -1);
            dialog.accept();
        });
    }
    EXPECT_EQ(starter.started, (QStringList{"", ""}));
    EXPECT_EQ(config.read("file"), "not a folder");
    EXPECT_EQ(current.entries(), 0u);
    EXPECT_EQ(installedBin.entries(), 0u);
}

TEST_F(LauncherApplicationTest, FirstLanguageOfAnInstalledCopyFollowsTheLocale) {
    struct Case {
        const char* locale;
        bool installedCopy;
        const char* profile; // launcher profile beside the copy, or none
        const char* title;
        const char* stored;
    };
    const Case cases[] = {
        {"en_US", true, nullptr, "Program Software", "ENGLISH"},
        {"zh_CN", true, nullptr, "写频软件", "CHINESE"},
        {"zh_TW", true, nullptr, "写频软件", "CHINESE"},
        {"en_US", true, "[MAIN]\nLANGUAGE=CHINESE\n", "写频软件", "CHINESE"},
        {"de_DE", true, "[MAIN]\nLANGUAGE=english\n", "写频软件", "CHINESE"},
        {"en_US", false, nullptr, "写频软件", "CHINESE"},
    };
    const QLocale saved;
    for (const Case& c : cases) {
        QLocale::setDefault(QLocale(QString::fromLatin1(c.locale)));
        TempDir home;
        std::filesystem::create_directory(home / "halcyon");
        if (c.profile != nullptr)
            home.write("halcyon/MAIN.ini", c.profile);
        QString title;
        run(c.installedCopy
                ? installed(home.path().string())
                : LauncherEnvironment{dir.file("h"), dir.file("h"), "", home.path().string(),
                                      installedBin.path().string()},
            [&](LauncherDialog& dialog) { title = dialog.windowTitle(); });
        EXPECT_EQ(title, QString::fromUtf8(c.title)) << c.locale << c.installedCopy;
        const std::string written =
            c.installedCopy ? home.read("halcyon/MAIN.ini") : dir.read("MAIN.ini");
        EXPECT_NE(written.find(std::string("LANGUAGE=") + c.stored), std::string::npos) << written;
        std::filesystem::remove(dir / "MAIN.ini");
    }
    QLocale::setDefault(saved);
}

TEST_F(LauncherApplicationTest, CopyOutsideTheInstallationKeepsItsProfileBesideItself) {
    run(besideItself("halcyon"));
    EXPECT_TRUE(dir.has("MAIN.ini"));
    EXPECT_EQ(config.entries(), 0u);
}

TEST(LauncherProfileFolder, InstalledCopiesAreThoseInTheBinFolder) {
    TempDir root;
    std::filesystem::create_directories(root / "usr/bin");
    std::filesystem::create_directory_symlink("usr/bin", root / "bin");
    const std::string bin = root.file("usr/bin");
    EXPECT_TRUE(liesIn(root.file("usr/bin/halcyon"), bin));
    EXPECT_TRUE(liesIn(root.file("bin/halcyon"), bin));
    EXPECT_TRUE(liesIn(root.file("usr/bin/halcyon"), root.file("bin/")));
    EXPECT_FALSE(liesIn(root.file("usr/bin/sub/halcyon"), bin));
    EXPECT_FALSE(liesIn(root.file("usr/halcyon"), bin));
    EXPECT_FALSE(liesIn(root.file("usr/bin/halcyon"), ""));
}

TEST(LauncherProfileFolder, ConfigHomeFollowsTheBaseDirectoryRules) {
    EXPECT_EQ(userConfigHome("/xdg", "/home/u"), "/xdg");
    EXPECT_EQ(userConfigHome("relative", "/home/u"), "/home/u/.config");
    EXPECT_EQ(userConfigHome("", "/home/u"), "/home/u/.config");
    EXPECT_EQ(userConfigHome(nullptr, "/home/u"), "/home/u/.config");
    EXPECT_EQ(userConfigHome(nullptr, ""), "");
    EXPECT_EQ(userConfigHome(nullptr, nullptr), "");
}

} // namespace
} // namespace tarn
