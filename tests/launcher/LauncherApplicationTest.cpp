#include "launcher/LauncherApplication.h"

#include "launcher/LauncherDialog.h"
#include "launcher/LauncherProfileName.h"
#include "tests/launcher/RecordingStarter.h"
#include "tests/support/TempDir.h"

#include <QApplication>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace tarn {
namespace {

using test::RecordingStarter;
using test::TempDir;

TEST(LauncherProfileName, OwnNameWithIniInPlaceOfTheExtension) {
    const std::string sep(1, AppDirectory::separator);
    EXPECT_EQ(launcherProfileName(sep + "opt" + sep + "Halcyon.exe  \t"), "Halcyon.ini");
    EXPECT_EQ(launcherProfileName("my.launcher.bin"), "my.launcher.ini");
    EXPECT_EQ(launcherProfileName(sep + "dir.d" + sep + "halcyon"), "MAIN.ini");
    EXPECT_EQ(launcherProfileName(""), "MAIN.ini");
    const std::string deep = sep + std::string(300, 'd') + sep + "Long.exe";
    EXPECT_EQ(launcherProfileName(deep), "Long.ini");
}

class LauncherApplicationTest : public ::testing::Test {
protected:
    // Runs the launcher; while its dialog is up, whileOpen gets the dialog and then it is
    // cancelled unless whileOpen closed it.
    void run(const LauncherEnvironment& environment,
             const std::function<void(LauncherDialog&)>& whileOpen = {}) {
        LauncherApplication launcher(environment, starter);
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
        return {dir.file(exeName), dir.file(exeName), "/nonexistent"};
    }

    TempDir dir;
    RecordingStarter starter;
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
    TempDir current;
    run({dir.file("Halcyon.exe"), "Halcyon.exe", current.path().string()});
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
    run({dir.file("missing/Halcyon.exe"), dir.file("missing/Halcyon.exe"), ""},
        [](LauncherDialog& dialog) { dialog.accept(); });
    EXPECT_EQ(starter.started, QStringList{""});
    EXPECT_EQ(dir.entries(), 0u);
}

} // namespace
} // namespace tarn
