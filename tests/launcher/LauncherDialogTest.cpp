#include "launcher/LauncherDialog.h"

#include "launcher/ProductSection.h"
#include "profile/ProfileFile.h"
#include "qtsupport/DialogUnits.h"
#include "tests/launcher/RecordingStarter.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestPrompter.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

namespace tarn {
namespace {

using test::RecordingStarter;
using test::TempDir;
using test::TestPrompter;

class LauncherDialogTest : public ::testing::Test {
protected:
    // Writes the launcher profile, opens the store on it and builds the dialog.
    void start(const std::string& profile) {
        store.clear();
        dir.write("halcyon.ini", profile);
        ASSERT_TRUE(store.open(dir.file("halcyon.ini"), true, true, false));
        build();
    }

    void build() {
        dialog = std::make_unique<LauncherDialog>(store, starter, prompter,
                                                  AppDirectory(dir.file("halcyon"), "unused"));
        dialog->show();
    }

    template <typename Control> Control* control(int id) const {
        for (Control* child : dialog->findChildren<Control*>()) {
            if (child->property("controlId").toInt() == id)
                return child;
        }
        ADD_FAILURE() << "no control " << id;
        return nullptr;
    }

    QPushButton* button(int id) const { return control<QPushButton>(id); }
    QCheckBox* englishBox() const { return control<QCheckBox>(1000); }
    QCheckBox* chineseBox() const { return control<QCheckBox>(1001); }
    QComboBox* productList() const { return control<QComboBox>(1002); }

    QStringList listed() const {
        QStringList names;
        for (int i = 0; i < productList()->count(); ++i)
            names.append(productList()->itemText(i));
        return names;
    }

    void choose(int index) {
        productList()->setCurrentIndex(index);
        emit productList()->activated(index);
    }
    void choose(const QString& name) { choose(listed().indexOf(name)); }

    // What the user sees of the interface language.
    QStringList labels() const {
        return {dialog->windowTitle(),
                control<QLabel>(1003)->text(),
                englishBox()->text(),
                chineseBox()->text(),
                button(1)->text(),
                button(2)->text(),
                englishBox()->isChecked() ? "E" : "-",
                chineseBox()->isChecked() ? "C" : "-"};
    }

    [[nodiscard]] std::string stored(const std::string& key) const {
        return store.getString("MAIN", key, "<none>");
    }

    const QStringList englishLabels{
        "Program Software", "Select Product", "English", "Chinese", "OK", "CANCEL", "E", "-"};
    const QStringList chineseLabels{"写频软件", "请选择产品", "英文", "中文",
                                    "确认",     "取消",       "-",    "C"};
    const std::string products = "[MAIN]\nCH1=QX32\nCH2=Beta\nCH3=Gamma\nCH4=Delta\nCH5=Eps\n"
                                 "CH6=Zeta\n[CH0]\nEXE=none.exe\n[CH1]\nEXE=first.exe\n"
                                 "[CH2]\nEXE=ignored.exe\n[CH5]\nEXE=fifth.exe\n";

    TempDir dir;
    ProfileFile store{4};
    RecordingStarter starter{dir.path() / "QX32_V.INI"};
    TestPrompter prompter;
    std::unique_ptr<LauncherDialog> dialog;
};

TEST_F(LauncherDialogTest, ListIsSortedAndEndsAtTheFirstGap) {
    start("[MAIN]\nCH1=b\nCH2=A\nCH3=a\nCH4=B 2\nCH6=After gap\n");
    EXPECT_EQ(listed(), (QStringList{"A", "a", "b", "B 2"}));
    EXPECT_TRUE(productList()->isEditable());
}

TEST(ProductSection, FirstSectionWithExactlyThatName) {
    const std::vector<std::string> names{"TARN", "Other", "tarn", "Other"};
    EXPECT_EQ(productSection(names, "TARN"), 1);
    EXPECT_EQ(productSection(names, "tarn"), 3);
    EXPECT_EQ(productSection(names, "Other"), 2);
    EXPECT_EQ(productSection(names, "other"), 0);
    EXPECT_EQ(productSection({}, "TARN"), 0);
}

TEST_F(LauncherDialogTest, ChosenEntryStartsItsOwnSection) {
    // Unsorted, with a repeated name, names differing only in case and a gap ending the list.
    const std::string profile = "[MAIN]\nCH1=TARN\nCH2=Other\nCH3=tarn\nCH4=Other\nCH5=Zed\n"
                                "CH7=After gap\n[CH1]\nEXE=tarn.exe\n[CH2]\nEXE=ignored.exe\n"
                                "[CH3]\nEXE=ignored.exe\n[CH5]\nEXE=zed.exe\n";
    struct Case {
        int index;
        bool english;
        const char* program;
    };
    const Case cases[] = {
        {0, false, "QX520_CN.DLL"},   {1, true, "QX520.DLL"},   {2, false, "tarn.exe"},
        {3, false, "QX520V2_CN.DLL"}, {3, true, "QX520V2.DLL"}, {4, true, "zed.exe"},
    };
    for (const Case& c : cases) {
        start(profile);
        ASSERT_EQ(listed(), (QStringList{"Other", "Other", "TARN", "tarn", "Zed"}));
        if (c.english)
            QTest::mouseClick(englishBox(), Qt::LeftButton);
        choose(c.index);
        starter.started.clear();
        QTest::mouseClick(button(1), Qt::LeftButton);
        EXPECT_EQ(starter.started, QStringList{c.program}) << c.index;
        EXPECT_EQ(stored("DEFAULT"), std::to_string(c.index));
        EXPECT_EQ(dir.has("QX32_V.INI"), c.index == 2) << c.index;
        std::filesystem::remove(dir / "QX32_V.INI");
    }
}

TEST_F(LauncherDialogTest, ProgramThatDoesNotStartIsNamedAndTheLauncherStays) {
    struct Case {
        const char* entry;
        bool english;
        std::string message;
    };
    const Case cases[] = {
        {"Eps", false, "无法启动程序“fifth.exe”。"},
        {"Eps", true, "The program \"fifth.exe\" could not be started."},
        {"Zeta", false, "没有为“Zeta”设置程序。"},
        {"Zeta", true, "No program is set for \"Zeta\"."},
    };
    std::string profile = products;
    profile.insert(profile.find('\n') + 1, "DEFAULT=1\n");
    for (const Case& c : cases) {
        start(profile);
        starter.fails = std::string(c.entry) == "Eps";
        if (c.english)
            QTest::mouseClick(englishBox(), Qt::LeftButton);
        choose(QString::fromLatin1(c.entry));
        prompter.clear();
        prompter.answer(PromptAnswer::Ok);
        QTest::mouseClick(button(1), Qt::LeftButton);
        EXPECT_EQ(prompter.texts(), std::vector<std::string>{c.message});
        EXPECT_EQ(prompter.prompts().at(0).caption, dialog->windowTitle().toStdString());
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_EQ(stored("DEFAULT"), "1");
    }
    // The user may choose again.
    starter.fails = false;
    choose("QX32");
    QTest::mouseClick(button(1), Qt::LeftButton);
    EXPECT_EQ(starter.started.back(), "first.exe");
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
}

TEST_F(LauncherDialogTest, DefaultPreselection) {
    const std::vector<std::pair<std::string, int>> cases{{"", 0},
                                                         {"DEFAULT=2\n", 2},
                                                         {"DEFAULT=5\n", -1},
                                                         {"DEFAULT=-1\n", -1},
                                                         {"DEFAULT=x\n", 0},
                                                         {"DEFAULT= 1st\n", 1}};
    for (const auto& [line, expected] : cases) {
        start("[MAIN]\nCH1=c\nCH2=b\nCH3=a\n" + line);
        EXPECT_EQ(dialog->productIndex(), expected) << line;
        EXPECT_EQ(productList()->currentIndex(), expected) << line;
        store.clear();
    }
}

TEST_F(LauncherDialogTest, StoredLanguageMustBeExactlyEnglish) {
    start("[MAIN]\nLANGUAGE=ENGLISH\n");
    EXPECT_EQ(labels(), englishLabels);
    EXPECT_EQ(stored("LANGUAGE"), "ENGLISH");
    store.clear();

    for (const char* other : {"[MAIN]\nLANGUAGE=english\n", "[MAIN]\n", ""}) {
        start(other);
        EXPECT_EQ(labels(), chineseLabels) << other;
        EXPECT_EQ(stored("LANGUAGE"), "CHINESE") << other;
        store.clear();
    }
}

TEST_F(LauncherDialogTest, LanguageBoxesActAsAPair) {
    start(products);
    QTest::mouseClick(englishBox(), Qt::LeftButton);
    EXPECT_EQ(labels(), englishLabels);
    EXPECT_EQ(stored("LANGUAGE"), "ENGLISH");

    QTest::mouseClick(englishBox(), Qt::LeftButton); // already set: stays set
    EXPECT_EQ(labels(), englishLabels);

    QTest::mouseClick(chineseBox(), Qt::LeftButton);
    EXPECT_EQ(labels(), chineseLabels);
    EXPECT_EQ(stored("LANGUAGE"), "CHINESE");
}

TEST_F(LauncherDialogTest, FirstProductGetsItsLanguageBeforeItStarts) {
    dir.write("QX32_V.INI", "[Other]\nkeep=1\n[main]\nLANGUAGE=QX32_V_EN\n");
    start(products);
    choose("QX32");
    QTest::mouseClick(button(1), Qt::LeftButton);

    ASSERT_EQ(starter.started, QStringList{"first.exe"});
    EXPECT_EQ(
        starter.environments.front(),
        QStringList{"TARN_PRODUCT_PROFILE=" + QString::fromStdString(dir.file("QX32_V.INI"))});
    const std::string expected = "[Other]\r\nkeep=1\r\n[main]\r\nLANGUAGE=QX32_V_CH\r\n"
                                 "LANGUAGE_FORCE=1\r\n";
    EXPECT_EQ(starter.profileAtStart.front(), expected);
    EXPECT_EQ(dir.read("QX32_V.INI"), expected);
    EXPECT_EQ(stored("DEFAULT"), "4");
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
}

TEST_F(LauncherDialogTest, FirstProductInEnglishCreatesTheProductProfile) {
    start(products);
    QTest::mouseClick(englishBox(), Qt::LeftButton);
    choose("QX32");
    QTest::mouseClick(button(1), Qt::LeftButton);
    EXPECT_EQ(starter.profileAtStart.front(),
              "[MAIN]\r\nLANGUAGE=QX32_V_EN\r\nLANGUAGE_FORCE=1\r\n");
}

TEST_F(LauncherDialogTest, FailedSavesAreToldOnceAndReadOnlyFilesNever) {
    start(products);
    // A folder where the file was: no save can replace it, root or not.
    std::filesystem::remove(dir.file("halcyon.ini"));
    std::filesystem::create_directories(dir.path() / "halcyon.ini" / "inside");
    choose("QX32");
    QTest::mouseClick(button(1), Qt::LeftButton);
    prompter.answer(PromptAnswer::Ok);
    dialog->saveProfile();
    dialog->saveProfile();
    ASSERT_EQ(prompter.prompts().size(), 1u);
    EXPECT_EQ(prompter.prompts().front().text,
              "无法将设置保存到“" + dir.file("halcyon.ini") + "”。");
    EXPECT_EQ(starter.started, QStringList{"first.exe"});

    std::filesystem::remove_all(dir.file("halcyon.ini"));
    start(products);
    std::filesystem::permissions(dir.file("halcyon.ini"), std::filesystem::perms::owner_read |
                                                              std::filesystem::perms::group_read);
    QTest::mouseClick(englishBox(), Qt::LeftButton);
    dialog->saveProfile();
    EXPECT_EQ(prompter.prompts().size(), 1u);
    EXPECT_EQ(dir.read("halcyon.ini"), products);
}

TEST_F(LauncherDialogTest, ProductsTwoToFourHaveFixedProgramNames) {
    // CH2 to CH4 hold Beta, Gamma, Delta; their EXE keys play no part.
    const std::vector<std::pair<QStringList, bool>> cases{
        {{"QX520_CN.DLL", "QX520V2_CN.DLL", "QX520V3_CN.dll"}, false},
        {{"QX520.DLL", "QX520V2.DLL", "QX520V3.dll"}, true}};
    const QStringList entries{"Beta", "Gamma", "Delta"};
    for (const auto& [names, english] : cases) {
        for (int product = 0; product < 3; ++product) {
            start(products);
            if (english)
                QTest::mouseClick(englishBox(), Qt::LeftButton);
            choose(entries.at(product));
            starter.started.clear();
            QTest::mouseClick(button(1), Qt::LeftButton);
            EXPECT_EQ(starter.started, QStringList{names.at(product)});
            EXPECT_EQ(stored("DEFAULT"), std::to_string(listed().indexOf(entries.at(product))));
            EXPECT_TRUE(starter.environments.back().isEmpty());
            store.clear();
        }
    }
    EXPECT_FALSE(dir.has("QX32_V.INI"));
}

TEST_F(LauncherDialogTest, LaterProductsStartTheirExeKey) {
    start(products);
    choose("Eps"); // CH5
    QTest::mouseClick(button(1), Qt::LeftButton);
    EXPECT_EQ(starter.started, QStringList{"fifth.exe"});
    EXPECT_EQ(stored("DEFAULT"), "2");
    EXPECT_FALSE(dir.has("QX32_V.INI"));
}

TEST_F(LauncherDialogTest, AtMostNineteenProducts) {
    std::string profile = "[MAIN]\n";
    for (int n = 1; n <= 20; ++n)
        profile += "CH" + std::to_string(n) + "=P" + std::to_string(100 + n) + "\n";
    profile += "[CH19]\nEXE=last.exe\n[CH20]\nEXE=beyond.exe\n";
    start(profile);
    ASSERT_EQ(productList()->count(), 19);
    EXPECT_EQ(listed().back(), "P119");
    choose(18);
    QTest::mouseClick(button(1), Qt::LeftButton);
    EXPECT_EQ(starter.started, QStringList{"last.exe"});
    EXPECT_EQ(stored("DEFAULT"), "18");
}

TEST_F(LauncherDialogTest, TypedNameMeansNoSelection) {
    start(products);
    productList()->lineEdit()->selectAll();
    QTest::keyClicks(productList()->lineEdit(), "Beta");
    EXPECT_EQ(dialog->productIndex(), -1);
    QTest::keyClick(productList()->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(starter.started, QStringList{"none.exe"});
    EXPECT_EQ(stored("DEFAULT"), "-1");
    EXPECT_EQ(listed().size(), 6);
}

TEST_F(LauncherDialogTest, CancelKeepsTheLanguageButNotTheChoice) {
    start("[MAIN]\nCH1=A\nCH2=B\nDEFAULT=1\n");
    QTest::mouseClick(englishBox(), Qt::LeftButton);
    choose(0);
    QTest::mouseClick(button(2), Qt::LeftButton);
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_TRUE(starter.started.isEmpty());
    EXPECT_EQ(stored("DEFAULT"), "1");
    // What the store's close sequence writes at exit.
    ASSERT_EQ(store.save(false).status, ProfileFile::SaveResult::Status::Written);
    EXPECT_EQ(dir.read("halcyon.ini"),
              "[MAIN]\r\nCH1=A\r\nCH2=B\r\nDEFAULT=1\r\nLANGUAGE=ENGLISH\r\n");
}

TEST_F(LauncherDialogTest, EscapeCancels) {
    start(products);
    QTest::keyClick(dialog.get(), Qt::Key_Escape);
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(starter.started.isEmpty());
}

TEST_F(LauncherDialogTest, UnusableProfileGivesAnEmptyChineseDialog) {
    build(); // the store was never bound
    EXPECT_EQ(productList()->count(), 0);
    EXPECT_EQ(labels(), chineseLabels);
    prompter.answer(PromptAnswer::Ok);
    QTest::mouseClick(button(1), Qt::LeftButton);
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{"请选择产品。"});
    EXPECT_EQ(starter.started, QStringList{""});
    EXPECT_EQ(stored("DEFAULT"), "<none>");
}

TEST_F(LauncherDialogTest, ChineseTextsHaveGlyphs) {
    start(products);
    const QFontMetrics metrics(dialog->font());
    for (const QString& text : chineseLabels) {
        for (const QChar c : text)
            EXPECT_TRUE(metrics.inFont(c)) << text.toStdString();
    }
}

TEST_F(LauncherDialogTest, FixedSizeWithOkAsDefaultAndFocused) {
    start(products);
    const DialogUnits units(dialog->font());
    EXPECT_EQ(dialog->minimumSize(), units.size(163, 99));
    EXPECT_EQ(dialog->maximumSize(), units.size(163, 99));
    EXPECT_TRUE(button(1)->isDefault());
    EXPECT_EQ(dialog->focusWidget(), button(1));
    EXPECT_FALSE(dialog->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
}

TEST_F(LauncherDialogTest, AboutEntryShowsTheAboutBox) {
    start(products);
    QAction* about = nullptr;
    for (QAction* action : dialog->actions()) {
        if (action->property("commandId").toInt() == 16)
            about = action;
    }
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->text(), "关于 ...");
#ifndef Q_OS_WIN
    EXPECT_EQ(dialog->contextMenuPolicy(), Qt::ActionsContextMenu);
#endif

    QStringList seen;
    QTimer::singleShot(0, [&seen] {
        QWidget* box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        seen.append(box->windowTitle());
        for (QLabel* label : box->findChildren<QLabel*>())
            seen.append(label->text());
        for (QPushButton* ok : box->findChildren<QPushButton*>())
            QTest::mouseClick(ok, Qt::LeftButton);
    });
    about->trigger();
    EXPECT_EQ(seen.mid(0, 1), QStringList{"关于"});
    EXPECT_TRUE(seen.contains("Halcyon 1.0 版"));
    EXPECT_TRUE(seen.contains("Version 1.0.0"));
    EXPECT_TRUE(dialog->isVisible());
}

} // namespace
} // namespace tarn
