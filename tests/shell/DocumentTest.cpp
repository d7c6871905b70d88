// Opening, saving and closing documents, and the question for changed ones.
#include "tests/shell/ShellFixture.h"

#include "qtsupport/CommandIds.h"
#include "shell/DocumentManager.h"
#include "shell/DocumentWindow.h"
#include "shell/MainWindow.h"
#include "shell/RecentFileList.h"
#include "shell/TarnDocument.h"
#include "view/ChannelView.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QUrl>

#include <csignal>
#include <sys/resource.h>

namespace tarn::test {
namespace {

using Documents = ShellFixture;

QString q(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

TEST_F(Documents, OpenCancelledAtTheQuestionLeavesNoWindow) {
    ASSERT_TRUE(start());
    m_dialogs.openNames.push_back(q(writeImage("a.sin", 0)));
    m_prompter.answer(PromptAnswer::Cancel);
    trigger(cmd::FileOpen);
    EXPECT_EQ(m_dialogs.filters, QStringList{"Program Files (*.sin)"});
    EXPECT_EQ(m_prompter.texts(), std::vector<std::string>{"Do you rewrite data?"});
    EXPECT_EQ(documentCount(), 1U);
    EXPECT_TRUE(main().commandAction(cmd::RecentFile1)->text() == "Recent File");
}

TEST_F(Documents, OpenConfirmedShowsTheFileWithRowsForItsChannelCount) {
    ASSERT_TRUE(start());
    m_dialogs.openNames.push_back(q(writeImage("small.sin", 4)));
    m_prompter.answer(PromptAnswer::Ok);
    trigger(cmd::FileOpen);
    ASSERT_EQ(documentCount(), 2U);
    DocumentWindow* frame = active();
    EXPECT_EQ(frame->windowTitle(), "small.sin");
    EXPECT_EQ(frame->document().channelCount(), 160);
    ChannelTableView& grid = frame->view().grid();
    EXPECT_EQ(grid.model()->rowCount(), 160);
    EXPECT_EQ(grid.cellText(160, 0), "160");
    EXPECT_EQ(grid.cellText(7, 0), "  7");
    EXPECT_EQ(main().commandAction(cmd::RecentFile1)->text().left(3), "&1 ");
    EXPECT_TRUE(main().commandAction(cmd::RecentFile1)->text().endsWith("small.sin"));

    // The same file again only brings its window forward.
    m_dialogs.openNames.push_back(q(file("small.sin")));
    trigger(cmd::FileNew);
    trigger(cmd::FileOpen);
    EXPECT_EQ(documentCount(), 3U);
    EXPECT_EQ(active(), frame);
}

TEST_F(Documents, AModelChangeSetsUpTheRowsOfEveryWindowOfTheDocument) {
    ASSERT_TRUE(start());
    m_dialogs.openNames.push_back(q(writeImage("small.sin", 4)));
    m_prompter.answer(PromptAnswer::Ok);
    trigger(cmd::FileOpen);
    DocumentWindow* first = active();
    trigger(cmd::WindowNew);
    DocumentWindow* second = active();
    ASSERT_NE(first, second);
    // Model Information chooses a 199-channel model in the second window.
    m_dialogs.windowDialogs.onModelInformation = [](ChannelDocument& document) {
        document.setChannelCount(199);
    };
    trigger(cmd::ModelInformation);
    EXPECT_EQ(m_dialogs.windowDialogs.modelInformationRuns, 1);
    EXPECT_EQ(first->view().grid().model()->rowCount(), 199);
    EXPECT_EQ(first->view().grid().cellText(199, 0), "199");
}

TEST_F(Documents, ShortFileIsReportedByNameAndOpensNothing) {
    ASSERT_TRUE(start());
    m_dialogs.openNames.push_back(q(writeImage("short.sin", 0, 1024)));
    m_prompter.answer(PromptAnswer::Ok);
    trigger(cmd::FileOpen);
    ASSERT_EQ(m_prompter.prompts().size(), 1U);
    EXPECT_NE(m_prompter.texts()[0].find("short.sin"), std::string::npos);
    EXPECT_EQ(m_prompter.prompts()[0].caption, "Vizuruzu DizaRido");
    EXPECT_EQ(documentCount(), 1U);
}

TEST_F(Documents, ALargerFileOpensOnlyWhenItsFirstBytesAreWanted) {
    ASSERT_TRUE(start());
    const QString large = q(writeImage("trailer.sin", 4, 8200));
    const std::string question =
        "trailer.sin is 8200 bytes; a channel file has 8192. Open its first 8192 bytes?";
    m_dialogs.openNames.push_back(large);
    m_prompter.answer(PromptAnswer::No);
    trigger(cmd::FileOpen);
    ASSERT_EQ(m_prompter.prompts().size(), 1U);
    EXPECT_EQ(m_prompter.texts()[0], question);
    EXPECT_EQ(m_prompter.prompts()[0].buttons, PromptButtons::YesNo);
    EXPECT_EQ(m_prompter.prompts()[0].defaultAnswer, PromptAnswer::No);
    EXPECT_EQ(documentCount(), 1U);

    m_prompter.clear();
    m_dialogs.openNames.push_back(large);
    m_prompter.answer({PromptAnswer::Yes, PromptAnswer::Ok});
    trigger(cmd::FileOpen);
    EXPECT_EQ(m_prompter.texts(), (std::vector<std::string>{question, "Do you rewrite data?"}));
    ASSERT_EQ(documentCount(), 2U);
    EXPECT_EQ(active()->document().channelCount(), 160);
}

TEST_F(Documents, NewDocumentSavedAtOnceHoldsParsedBlankRowsAndDefaults) {
    ASSERT_TRUE(start());
    m_dialogs.saveNames.push_back(q(file("fresh")));
    trigger(cmd::FileSave);
    EXPECT_EQ(m_dialogs.suggestions, QStringList{"Edit Channel Data1.sin"});
    const auto bytes = readBytes(file("fresh.sin"));
    ASSERT_EQ(bytes.size(), 8192U);
    for (int row = 0; row < 199; ++row)
        EXPECT_EQ(bytes[row * 16 + 12], 0xC7) << row;
    EXPECT_EQ(bytes[0], 0xFF);
    EXPECT_EQ(bytes[0x1FC1], 4);
    EXPECT_EQ(bytes[0x1FE1], 0xE5);
    EXPECT_EQ(active()->windowTitle(), "fresh.sin");
    EXPECT_TRUE(std::filesystem::exists(file("1.txt")));

    // Save again writes to the same file without asking for a name.
    std::filesystem::remove(file("fresh.sin"));
    trigger(cmd::FileSave);
    EXPECT_EQ(readBytes(file("fresh.sin")).size(), 8192U);
    EXPECT_EQ(m_dialogs.suggestions.size(), 1);
}

TEST_F(Documents, SaveStoresTheGridNotJustTheImage) {
    ASSERT_TRUE(start());
    TarnDocument& document = active()->document();
    document.storeCell(1, 1, "145.12500");
    document.storeCell(1, 2, "145.12500");
    document.storeCell(1, 3, "OFF");
    document.storeCell(1, 4, "OFF");
    document.storeCell(1, 5, "High");
    document.storeCell(1, 6, "UnLock");
    m_dialogs.saveNames.push_back(q(file("one.sin")));
    trigger(cmd::FileSaveAs);
    const auto bytes = readBytes(file("one.sin"));
    ASSERT_EQ(bytes.size(), 8192U);
    // 145.125 MHz is 14512500 in 10 Hz units, packed BCD, low pair first.
    EXPECT_EQ(bytes[0], 0x00);
    EXPECT_EQ(bytes[1], 0x25);
    EXPECT_EQ(bytes[2], 0x51);
    EXPECT_EQ(bytes[3], 0x14);
}

TEST_F(Documents, FailedSaveLeavesTheOldFileAndSaysSo) {
    ASSERT_TRUE(start());
    const auto target = writeImage("keep.sin", 7);
    const auto before = readBytes(target);
    active()->document().setModified(true);
    m_dialogs.saveNames.push_back(q(target));
    // The row dump follows a successful store only.
    m_prompter.answer(PromptAnswer::Ok);

    // A file-size limit stands in for a full disk, and holds even for root.
    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tight = old;
    tight.rlim_cur = 100;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tight), 0);
    trigger(cmd::FileSaveAs);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previous);

    ASSERT_EQ(m_prompter.prompts().size(), 1U);
    EXPECT_NE(m_prompter.texts()[0].find("keep.sin"), std::string::npos);
    EXPECT_NE(m_prompter.texts()[0].find("not been changed"), std::string::npos);
    EXPECT_EQ(readBytes(target), before);
    EXPECT_TRUE(active()->document().isModified());
    EXPECT_EQ(active()->windowTitle(), "Edit Channel Data1");
}

TEST_F(Documents, SaveIntoAMissingFolderFailsCleanly) {
    ASSERT_TRUE(start());
    m_dialogs.saveNames.push_back(q(file("gone") / "x.sin"));
    m_prompter.answer(PromptAnswer::Ok);
    trigger(cmd::FileSaveAs);
    ASSERT_EQ(m_prompter.prompts().size(), 1U);
    EXPECT_NE(m_prompter.texts()[0].find("x.sin"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(file("gone")));
}

TEST_F(Documents, UnwritableRowDumpIsReportedButTheFileIsSaved) {
    m_app->setDumpDirectory(file("no-such-folder"));
    ASSERT_TRUE(start());
    m_dialogs.saveNames.push_back(q(file("saved.sin")));
    m_prompter.answer(PromptAnswer::Ok);
    trigger(cmd::FileSave);
    ASSERT_EQ(m_prompter.prompts().size(), 1U);
    EXPECT_NE(m_prompter.texts()[0].find("1.txt"), std::string::npos);
    EXPECT_EQ(readBytes(file("saved.sin")).size(), 8192U);
}

TEST_F(Documents, ClosingAChangedDocumentAsksToSave) {
    ASSERT_TRUE(start());
    TarnDocument& document = active()->document();
    document.setModified(true);

    m_prompter.answer(PromptAnswer::Cancel);
    trigger(cmd::FileClose);
    EXPECT_EQ(m_prompter.texts(), std::vector<std::string>{"Save changes to Edit Channel Data1?"});
    EXPECT_EQ(m_prompter.prompts()[0].buttons, PromptButtons::YesNoCancel);
    EXPECT_EQ(documentCount(), 1U);

    // Yes saves through Save As; cancelling that dialog keeps the window.
    m_prompter.answer(PromptAnswer::Yes);
    EXPECT_FALSE(active()->close());
    EXPECT_EQ(documentCount(), 1U);

    m_prompter.answer(PromptAnswer::Yes);
    m_dialogs.saveNames.push_back(q(file("kept.sin")));
    EXPECT_TRUE(active()->close());
    flushDeletes();
    EXPECT_EQ(documentCount(), 0U);
    EXPECT_EQ(readBytes(file("kept.sin")).size(), 8192U);
}

TEST_F(Documents, OnlyTheLastWindowOfAChangedDocumentAsks) {
    ASSERT_TRUE(start());
    trigger(cmd::WindowNew);
    active()->document().setModified(true);
    EXPECT_TRUE(active()->close());
    flushDeletes();
    EXPECT_TRUE(m_prompter.prompts().empty());
    m_prompter.answer(PromptAnswer::No);
    EXPECT_TRUE(active()->close());
    flushDeletes();
    EXPECT_EQ(documentCount(), 0U);
    EXPECT_FALSE(std::filesystem::exists(file("Edit Channel Data1.sin")));
}

TEST_F(Documents, ExitWithChangedDocumentsAsksForEachAndCancelStays) {
    ASSERT_TRUE(start());
    trigger(cmd::FileNew);
    for (const auto& document : m_app->documents().documents())
        document->setModified(true);

    m_prompter.answer({PromptAnswer::Ok, PromptAnswer::No, PromptAnswer::Cancel});
    EXPECT_FALSE(main().close());
    EXPECT_EQ(m_prompter.prompts().size(), 3U);
    EXPECT_EQ(documentCount(), 2U);
    EXPECT_TRUE(main().isVisible());

    m_prompter.clear();
    m_prompter.answer({PromptAnswer::Ok, PromptAnswer::No, PromptAnswer::No});
    EXPECT_TRUE(main().close());
    EXPECT_EQ(m_prompter.prompts().size(), 3U);
}

TEST_F(Documents, RecentFilesPersistAndAFileThatVanishedLeavesTheList) {
    const auto path = writeImage("r.sin", 0);
    {
        RecentFileList seed;
        seed.add(q(file("vanished.sin")));
        seed.add(q(path));
        seed.save();
    }
    ASSERT_TRUE(start());
    EXPECT_TRUE(main().commandAction(cmd::RecentFile1)->text().endsWith("r.sin"));
    EXPECT_TRUE(main().commandAction(cmd::RecentFile1 + 1)->isVisible());

    m_prompter.answer(PromptAnswer::Ok);
    trigger(cmd::RecentFile1 + 1);
    EXPECT_EQ(m_prompter.prompts().size(), 1U);
    EXPECT_EQ(m_app->recentFiles().files().size(), 1);
    EXPECT_FALSE(main().commandAction(cmd::RecentFile1 + 1)->isVisible());

    m_prompter.answer(PromptAnswer::Ok);
    trigger(cmd::RecentFile1);
    EXPECT_EQ(active()->windowTitle(), "r.sin");
}

TEST(RecentFileListTest, KeepsFourNewestWithoutDuplicates) {
    RecentFileList list;
    for (const char* name : {"/a.sin", "/b.sin", "/c.sin", "/d.sin", "/e.sin", "/c.sin"})
        list.add(QString::fromUtf8(name));
    EXPECT_EQ(list.files(), (QStringList{"/c.sin", "/e.sin", "/d.sin", "/b.sin"}));
    EXPECT_EQ(list.menuText(0), "&1 /c.sin");
    list.add(QStringLiteral("/a folder with a very long name & more/deeper still/radio.sin"));
    const QString shown = list.menuText(0);
    EXPECT_TRUE(shown.endsWith("radio.sin"));
    EXPECT_TRUE(shown.contains("..."));
    EXPECT_LE(shown.size(), 50);
}

TEST_F(Documents, AFileDroppedOnAnOpenEditorOpensIt) {
    ASSERT_TRUE(start());
    const auto path = writeImage("dropped.sin", 0);
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(q(path))});
    ChannelView& view = active()->view();
    view.grid().setCurrentCell({1, 1});
    view.editing().showEditor(0);
    view.toneBox()->show(); // both text fields open at once: a drop on either
    for (QWidget* editor : {static_cast<QWidget*>(view.frequencyEdit()),
                            static_cast<QWidget*>(view.toneBox()->lineEdit())}) {
        ASSERT_TRUE(editor->isVisible());
        // The drop goes where the windowing system sends it: the first window from the
        // one under the pointer outwards that takes drops.
        QWidget* target = editor;
        while (!target->acceptDrops() && !target->isWindow())
            target = target->parentWidget();
        ASSERT_EQ(target, &main());
        const QPoint at = editor->mapTo(target, QPoint(4, 4));
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &enter);
        QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        if (documentCount() == 1)
            m_prompter.answer(PromptAnswer::Ok);
        QCoreApplication::sendEvent(target, &drop);
        EXPECT_EQ(active()->windowTitle(), "dropped.sin");
    }
    EXPECT_EQ(documentCount(), 2U);
    EXPECT_EQ(view.frequencyEdit()->text(), "");
    EXPECT_EQ(view.toneBox()->currentText(), "OFF");
}

TEST_F(Documents, FilesDroppedOnTheMainWindowOpen) {
    ASSERT_TRUE(start());
    const auto path = writeImage("dropped.sin", 0);
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(q(path))});
    QDragEnterEvent enter(QPoint(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&main(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    m_prompter.answer(PromptAnswer::Ok);
    QCoreApplication::sendEvent(&main(), &drop);
    EXPECT_TRUE(drop.isAccepted());
    EXPECT_EQ(documentCount(), 2U);
    EXPECT_EQ(active()->windowTitle(), "dropped.sin");
}

} // namespace
} // namespace tarn::test
