// The interface language (chosen at start, switched from the Setup menu) and the help window.
#include "tests/shell/KeyboardFixture.h"

#include "qtsupport/CommandIds.h"
#include "qtsupport/InterfaceTranslators.h"
#include "shell/AboutDialog.h"
#include "shell/HelpWindow.h"
#include "shell/MainWindow.h"
#include "shell/ShellLanguage.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QStatusBar>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>

#include <fstream>
#include <iterator>

namespace tarn::test {
namespace {

// The program's translators go with it, so each test starts in English.
class Language : public ShellFixture {
protected:
    void writeProfile(const std::string& text) const {
        std::ofstream(file("QX32_V.INI"), std::ios::binary) << text;
    }
    [[nodiscard]] std::string profile() const {
        std::ifstream in(file("QX32_V.INI"), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    // Every menu title and item text, submenus included, as the user reads them.
    [[nodiscard]] QStringList menuTexts() {
        QStringList texts;
        for (const QAction* top : main().menuBar()->actions()) {
            texts.append(top->text());
            appendItems(*top->menu(), texts);
        }
        texts.append(main().commandAction(cmd::FileSave)->statusTip());
        texts.append(main().commandAction(cmd::FileSave)->toolTip());
        return texts;
    }
    static void appendItems(const QMenu& menu, QStringList& texts) {
        for (const QAction* action : menu.actions()) {
            if (action->isSeparator() || !action->isVisible())
                continue;
            texts.append(action->text());
            if (action->menu() != nullptr)
                appendItems(*action->menu(), texts);
        }
    }
    // Qt posts the language change to the windows; the program's loop would deliver it.
    void switchTo(int command) {
        trigger(command);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    }
    [[nodiscard]] QString statusPane() {
        return main().statusBar()->findChildren<QLabel*>().front()->text();
    }
};

TEST_F(Language, ChineseFromTheLaunchersProfile) {
    writeProfile("[MAIN]\r\nLANGUAGE=QX32_V_CH\r\nLANGUAGE_FORCE=1\r\n");
    ASSERT_TRUE(start());
    const QStringList texts = menuTexts();
    EXPECT_EQ(texts.mid(0, 2), (QStringList{"文件(&F)", "新建(&N)\tCtrl+N"}));
    EXPECT_TRUE(texts.contains("语言(&L)"));
    EXPECT_TRUE(texts.contains("TARN 帮助(&H)\tF1"));
    EXPECT_EQ(statusPane(), "按 F1 获取帮助");
    EXPECT_TRUE(main().commandAction(cmd::LanguageChinese)->isChecked());
    AboutDialog about;
    EXPECT_EQ(about.packageVersionLabel().text(), "版本 1.0.0");
    // Described texts that are names stay as they are.
    EXPECT_EQ(about.versionLabel().text(), " Communication Software - 4.0 ");
    EXPECT_EQ(main().windowTitle(), "Davuz EduzIdoz");
    EXPECT_EQ(profile(), "[MAIN]\r\nLANGUAGE=QX32_V_CH\r\nLANGUAGE_FORCE=1\r\n");
}

TEST_F(Language, SwitchingAtRunTimeIsStoredAndEnglishComesBackExactly) {
    ASSERT_TRUE(start());
    const QStringList english = menuTexts();
    EXPECT_EQ(english.front(), "&File");
    EXPECT_EQ(statusPane(), "For Help, press F1");

    switchTo(cmd::LanguageChinese);
    EXPECT_EQ(main().menuBar()->actions().front()->text(), "文件(&F)");
    EXPECT_EQ(statusPane(), "按 F1 获取帮助");
    EXPECT_EQ(profile(), "[MAIN]\r\nLANGUAGE=QX32_V_CH\r\n");
    main().refreshCommands();
    EXPECT_TRUE(main().commandAction(cmd::LanguageChinese)->isChecked());
    EXPECT_FALSE(main().commandAction(cmd::LanguageEnglish)->isChecked());

    switchTo(cmd::LanguageEnglish);
    EXPECT_EQ(menuTexts(), english);
    EXPECT_EQ(statusPane(), "For Help, press F1");
    EXPECT_EQ(profile(), "[MAIN]\r\nLANGUAGE=QX32_V_EN\r\n");
}

TEST_F(Language, OtherValuesAndLocales) {
    struct Case {
        const char* profile; // nullptr: none
        const char* locale;
        const char* fileMenu;
    };
    const Case cases[] = {
        {"[MAIN]\nLANGUAGE=QX32_V_EN\n", "zh_CN", "&File"},
        {"[MAIN]\nLANGUAGE=CHINESE\n", "zh_CN", "&File"},
        {nullptr, "zh_CN", "文件(&F)"},
        {nullptr, "fr_FR", "&File"},
    };
    for (const Case& c : cases) {
        QFile::remove(QString::fromStdString(file("QX32_V.INI").string()));
        if (c.profile != nullptr)
            writeProfile(c.profile);
        m_app->setLocaleName(c.locale);
        ASSERT_TRUE(start());
        EXPECT_EQ(main().menuBar()->actions().front()->text(), QString::fromUtf8(c.fileMenu))
            << c.locale;
        EXPECT_EQ(std::filesystem::exists(file("QX32_V.INI")), c.profile != nullptr);
        TearDown();
        SetUp();
    }
}

TEST_F(Language, AProfileThatCannotBeWrittenIsToldAndTheSwitchStillApplies) {
    m_app->setLanguageProfile(file("missing/QX32_V.INI").string());
    ASSERT_TRUE(start());
    m_prompter.answer(PromptAnswer::Ok);
    switchTo(cmd::LanguageChinese);
    ASSERT_EQ(m_prompter.prompts().size(), 1U);
    EXPECT_NE(m_prompter.texts().front().find("missing/QX32_V.INI"), std::string::npos);
    EXPECT_EQ(main().menuBar()->actions().front()->text(), "文件(&F)");
}

TEST(InterfaceTranslators, MissingTranslationStaysEnglish) {
    InterfaceTranslators translators({QStringLiteral("/nonexistent")});
    EXPECT_FALSE(translators.apply(QStringLiteral("zh_CN")));
    EXPECT_TRUE(translators.localeName().isEmpty());
    EXPECT_EQ(QCoreApplication::translate("tarn::CommandTable", "&File"), "&File");
    EXPECT_TRUE(translators.apply(QString()));
}

using Help = KeyboardFixture;

TEST_F(Help, F1OpensTheGuideWithItsContents) {
    focusGrid();
    press(Qt::Key_F1);
    HelpWindow* help = m_app->helpWindow();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->windowTitle(), "TARN Help");
    QListWidget& contents = help->contents();
    ASSERT_GT(contents.count(), 5);
    EXPECT_EQ(contents.item(0)->text(), "TARN user guide");
    QStringList headings;
    for (int i = 0; i < contents.count(); ++i)
        headings.append(contents.item(i)->text().trimmed());
    EXPECT_TRUE(headings.contains("Halcyon, the launcher"));

    // Choosing a heading brings it to the top of the text.
    const int row = static_cast<int>(headings.indexOf("Halcyon, the launcher"));
    contents.setCurrentRow(row);
    QTextBrowser& text = help->browser();
    EXPECT_GT(text.verticalScrollBar()->value(), 0);
    EXPECT_EQ(text.textCursor().block().text(), "Halcyon, the launcher");

    // The menu item and F1 again raise the same window.
    trigger(cmd::HelpGuide);
    EXPECT_EQ(m_app->helpWindow(), help);
}

TEST_F(Language, F1ShowsTheGuideInTheInterfaceLanguage) {
    ASSERT_TRUE(start());
    main().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main()));
    const auto firstHeading = [this] {
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &main(),
                        Qt::Key_F1);
        HelpWindow* help = m_app->helpWindow();
        return help != nullptr && help->isVisible() && help->contents().count() > 0
                   ? help->contents().item(0)->text()
                   : QString();
    };
    EXPECT_EQ(firstHeading(), "TARN user guide");
    switchTo(cmd::LanguageChinese);
    main().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main()));
    EXPECT_EQ(firstHeading(), "TARN 使用指南");
    QStringList headings;
    for (int i = 0; i < m_app->helpWindow()->contents().count(); ++i)
        headings.append(m_app->helpWindow()->contents().item(i)->text().trimmed());
    EXPECT_TRUE(headings.contains("启动器 Halcyon"));
}

TEST(HelpWindow, AMissingGuideSaysSo) {
    HelpWindow help(QStringLiteral("/nonexistent/user-guide.html"));
    EXPECT_EQ(help.contents().count(), 0);
    EXPECT_EQ(help.browser().toPlainText(), "The user guide is not installed.");
}

} // namespace
} // namespace tarn::test
