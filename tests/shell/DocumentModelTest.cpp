#include "tests/shell/ShellFixture.h"

#include "data/ChannelCodec.h"
#include "qtsupport/CommandIds.h"
#include "shell/BackgroundWorkArea.h"
#include "shell/DocumentWindow.h"
#include "shell/MainWindow.h"
#include "shell/TarnDocument.h"
#include "view/ChannelView.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include <fstream>

namespace tarn::test {
namespace {

const std::string RangeText =
    "Error Data Format，Please input again\nThe frequency must lie between 100 and 600 MHz.";

QString q(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

// Where a document's data lives: one sheet for all its windows, editors as pending state.
class DocumentModel : public ShellFixture {
protected:
    // Opens the editor over the cell with a press, as the user does, and types into it.
    static void typeInto(DocumentWindow& window, int row, int col, const char* text) {
        ChannelTableView& grid = window.view().grid();
        grid.scrollTo(grid.channels().indexOf(row, col));
        const QPoint at = grid.cellRect({row, col}).center();
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, at);
        QLineEdit* edit = window.view().frequencyEdit();
        ASSERT_TRUE(edit->isVisible());
        QTest::keyClicks(edit, text);
    }
    static void storeInto(DocumentWindow& window, int row, int col, const char* text) {
        typeInto(window, row, col, text);
        QTest::keyClick(window.view().frequencyEdit(), Qt::Key_Return);
    }
    static QString cell(DocumentWindow& window, int row, int col) {
        return window.view().grid().cellText(row, col);
    }
    // File > item chosen with the mouse from the menu bar: the menu takes the focus first.
    void chooseFromFileMenu(int command) {
        QMenuBar* bar = main().menuBar();
        QAction* file = bar->actions().front();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(file).center());
        QMenu* menu = file->menu();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
        QAction* item = main().commandAction(command);
        ASSERT_TRUE(menu->actions().contains(item));
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
        flushDeletes();
    }
    // Channel 1's receive frequency in a stored file.
    std::string savedRxFreq(const char* name) {
        const auto bytes = readBytes(file(name));
        EXPECT_EQ(bytes.size(), 8192U);
        if (bytes.size() < 4)
            return {};
        const std::array<std::uint8_t, 4> rx{bytes[0], bytes[1], bytes[2], bytes[3]};
        return ChannelCodec::renderFrequency(rx);
    }
};

TEST_F(DocumentModel, AValueStoredInOneWindowIsInEveryOtherAndSavedFromAny) {
    ASSERT_TRUE(start());
    DocumentWindow* first = active();
    trigger(cmd::WindowNew);
    DocumentWindow* second = active();
    ASSERT_NE(first, second);

    storeInto(*first, 1, 1, "145.5");
    EXPECT_EQ(cell(*second, 1, 1), "145.50000");
    EXPECT_EQ(cell(*second, 1, 5), "High");

    main().mdiClient().setActiveSubWindow(second);
    m_dialogs.saveNames.push_back(q(file("both.sin")));
    trigger(cmd::FileSave);
    EXPECT_EQ(savedRxFreq("both.sin"), "145.50000");
    EXPECT_FALSE(second->document().isChanged());

    // A window opened later shows the sheet as it stands.
    trigger(cmd::WindowNew);
    EXPECT_EQ(cell(*active(), 1, 1), "145.50000");
}

TEST_F(DocumentModel, ClosingTheEditedWindowFirstStillSavesTheEditFromTheOther) {
    ASSERT_TRUE(start());
    DocumentWindow* first = active();
    trigger(cmd::WindowNew);
    DocumentWindow* second = active();
    storeInto(*first, 1, 1, "146.025");
    first->close();
    flushDeletes();

    m_prompter.answer(PromptAnswer::Yes);
    m_dialogs.saveNames.push_back(q(file("kept.sin")));
    second->close();
    flushDeletes();
    EXPECT_EQ(m_prompter.texts(), std::vector<std::string>{"Save changes to Edit Channel Data1?"});
    EXPECT_EQ(savedRxFreq("kept.sin"), "146.02500");
    EXPECT_EQ(documentCount(), 0U);
}

// A value still being typed in a window that closes goes to the document's other windows.
TEST_F(DocumentModel, AWindowThatClosesHandsItsOpenValueToTheDocument) {
    ASSERT_TRUE(start());
    DocumentWindow* first = active();
    trigger(cmd::WindowNew);
    DocumentWindow* second = active();
    typeInto(*first, 2, 1, "147");
    first->close();
    flushDeletes();
    EXPECT_EQ(cell(*second, 2, 1), "147.00000");
    EXPECT_TRUE(second->document().isModified());
}

TEST_F(DocumentModel, AValueBeingTypedIsSavedThroughTheFileMenu) {
    ASSERT_TRUE(start());
    typeInto(*active(), 1, 1, "438.5");
    m_dialogs.saveNames.push_back(q(file("typed.sin")));
    chooseFromFileMenu(cmd::FileSave);
    EXPECT_EQ(savedRxFreq("typed.sin"), "438.50000");
    EXPECT_TRUE(active()->view().frequencyEdit()->isHidden());
    EXPECT_FALSE(active()->document().isChanged());
}

TEST_F(DocumentModel, CloseAsksAboutAValueOnlyBeingTyped) {
    ASSERT_TRUE(start());
    // An editor open over its cell's own value is no change.
    typeInto(*active(), 1, 1, "");
    EXPECT_FALSE(active()->document().isChanged());
    QTest::keyClicks(active()->view().frequencyEdit(), "145");
    EXPECT_FALSE(active()->document().isModified());
    EXPECT_TRUE(active()->document().isChanged());
    m_prompter.answer(PromptAnswer::Cancel);
    trigger(cmd::FileClose);
    EXPECT_EQ(m_prompter.texts(), std::vector<std::string>{"Save changes to Edit Channel Data1?"});
    ASSERT_EQ(documentCount(), 1U);
    EXPECT_EQ(active()->view().frequencyEdit()->text(), "145");
    m_prompter.answer(PromptAnswer::No);
    trigger(cmd::FileClose);
    EXPECT_EQ(documentCount(), 0U);
}

// A value that fails its check on the way to the disk stays open, and nothing is written.
TEST_F(DocumentModel, ARefusedValueStopsTheSaveAndStaysInItsEditor) {
    ASSERT_TRUE(start());
    storeInto(*active(), 1, 1, "145.5");
    typeInto(*active(), 2, 1, "99");
    m_dialogs.saveNames.push_back(q(file("never.sin")));
    m_prompter.answer(PromptAnswer::Ok);
    trigger(cmd::FileSave);
    EXPECT_EQ(m_prompter.texts(), std::vector<std::string>{RangeText});
    EXPECT_FALSE(std::filesystem::exists(file("never.sin")));
    EXPECT_EQ(m_dialogs.saveNames.size(), 1U) << "no name was asked for";
    QLineEdit* edit = active()->view().frequencyEdit();
    EXPECT_TRUE(edit->isVisible());
    EXPECT_EQ(edit->text(), "99");
    EXPECT_EQ(cell(*active(), 2, 1), "");
    EXPECT_TRUE(active()->document().isModified());

    // Print stops the same way.
    m_prompter.clear();
    m_prompter.answer(PromptAnswer::Ok);
    trigger(cmd::FilePrint);
    EXPECT_EQ(m_prompter.texts(), std::vector<std::string>{RangeText});
    EXPECT_EQ(m_dialogs.printerDialogs, 0);
    m_dialogs.saveNames.clear();
}

TEST_F(DocumentModel, PowerBitsElevenSurviveOpenAndSave) {
    ASSERT_TRUE(start());
    const auto path = writeImage("eleven.sin", 0);
    {
        std::fstream io(path, std::ios::in | std::ios::out | std::ios::binary);
        const unsigned char row[16] = {0x00, 0x50, 0x45, 0x14, 0x00, 0x50, 0x45, 0x14,
                                       0xFF, 0xFF, 0xFF, 0xFF, 0x38, 0xFF, 0xFF, 0xFF};
        io.write(reinterpret_cast<const char*>(row), sizeof row);
    }
    const auto before = readBytes(path);
    m_dialogs.openNames.push_back(q(path));
    m_prompter.answer(PromptAnswer::Ok);
    trigger(cmd::FileOpen);
    EXPECT_EQ(cell(*active(), 1, 5), "");
    trigger(cmd::FileSave);
    const auto after = readBytes(path);
    ASSERT_EQ(after.size(), before.size());
    EXPECT_TRUE(std::equal(before.begin(), before.begin() + 16, after.begin()));
}

} // namespace
} // namespace tarn::test
