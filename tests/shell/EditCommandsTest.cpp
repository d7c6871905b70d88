// Undo and redo, and moving channels with cut, paste, insert and delete, as a user drives them:
// menu items and their keys on the running program.
#include "tests/shell/KeyboardFixture.h"

#include "data/ChannelCodec.h"
#include "data/ChannelTable.h"
#include "data/DocumentState.h"
#include "qtsupport/CommandIds.h"
#include "shell/DocumentWindow.h"
#include "shell/MainWindow.h"
#include "shell/TarnDocument.h"
#include "tests/support/FakeDocumentDialogs.h"
#include "view/ChannelView.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace tarn::test {
namespace {

const ChannelTable::Cells Programmed{"",     "145.50000", "145.50000", "D023N",
                                     "67.0", "Middle",    "UnLock"};

class EditCommands : public KeyboardFixture {
protected:
    [[nodiscard]] TarnDocument& document() { return active()->document(); }
    [[nodiscard]] std::string cell(int row, int col) {
        return document().sheet().cellText(row, col);
    }
    [[nodiscard]] std::vector<std::uint8_t> rowBytes(int channel) {
        const auto row = document().image().row(static_cast<std::size_t>(channel - 1));
        return {row.begin(), row.end()};
    }
    // A programmed channel 2 whose image row holds a byte no cell shows.
    void programChannelTwo() {
        for (int c = 1; c < ChannelCodec::ColumnCount; ++c)
            document().sheet().setCellText(2, c, Programmed[static_cast<std::size_t>(c)]);
        document().parseSheet();
        document().image()[16 + 14] = 0x5A;
    }
    // Types a value over the current cell and stores it with Enter.
    void store(const char* text) {
        for (const char* c = text; *c != '\0'; ++c)
            QTest::keyClick(QApplication::focusWidget(), *c);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }
    [[nodiscard]] QString menuText(int id) {
        main().refreshCommands();
        return main().commandAction(id)->text();
    }
};

TEST_F(EditCommands, EachStoredValueIsOneNamedStepAndUndoingToTheSavedStateClearsTheMark) {
    EXPECT_FALSE(enabled(cmd::EditUndo));
    focusGrid(3);
    store("145.5");
    EXPECT_EQ(cell(3, 5), "High") << "the new row's fill-in";
    EXPECT_EQ(menuText(cmd::EditUndo), "&Undo Edit Channel 3\tCtrl+Z");
    m_dialogs.saveNames.push_back(QString::fromStdString(file("a.sin").string()));
    trigger(cmd::FileSave);
    ASSERT_FALSE(document().isModified());

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    focusGrid(3, 6);
    QTest::keyClick(&grid(), Qt::Key_U);
    EXPECT_TRUE(document().isModified());
    press(Qt::CTRL | Qt::Key_Z);
    EXPECT_EQ(cell(3, 6), "Lock");
    EXPECT_FALSE(document().isModified()) << "back at what the file holds";
    press(Qt::CTRL | Qt::Key_Z);
    EXPECT_EQ(cell(3, 1), "");
    EXPECT_EQ(cell(3, 5), "") << "the fill-in goes with its value";
    EXPECT_TRUE(document().isModified());
    EXPECT_FALSE(enabled(cmd::EditUndo)) << "a save does not clear the history";

    press(Qt::CTRL | Qt::Key_Y);
    EXPECT_EQ(cell(3, 1), "145.50000");
    EXPECT_EQ(menuText(cmd::EditRedo), "&Redo Edit Channel 3\tCtrl+Y");
    press(Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
    EXPECT_EQ(cell(3, 6), "UnLock");
    EXPECT_EQ(menuText(cmd::EditRedo), "&Redo\tCtrl+Y");
    EXPECT_FALSE(enabled(cmd::EditRedo));
}

TEST_F(EditCommands, CutAndPasteMoveWholeRowsAndUndoPutsEveryByteBack) {
    programChannelTwo();
    const std::vector<std::uint8_t> moved = rowBytes(2);
    const RadioImage before = document().image();
    grid().selectRow(1);
    trigger(cmd::EditCut);
    EXPECT_EQ(cell(2, 1), "");
    EXPECT_EQ(rowBytes(2), std::vector<std::uint8_t>(16, 0xFF));
    EXPECT_TRUE(document().isModified());

    focusGrid(10, 3);
    press(Qt::CTRL | Qt::Key_V);
    for (int c = 1; c < ChannelCodec::ColumnCount; ++c)
        EXPECT_EQ(cell(10, c), Programmed[static_cast<std::size_t>(c)]);
    EXPECT_EQ(rowBytes(10), moved) << "the bits no cell shows came along";
    EXPECT_EQ(menuText(cmd::EditUndo), "&Undo Paste 1 Channel\tCtrl+Z");

    trigger(cmd::EditUndo);
    trigger(cmd::EditUndo);
    EXPECT_EQ(document().image(), before);
    for (int c = 1; c < ChannelCodec::ColumnCount; ++c)
        EXPECT_EQ(cell(2, c), Programmed[static_cast<std::size_t>(c)]);
    EXPECT_FALSE(document().isModified());
}

TEST_F(EditCommands, InsertAndDeleteMoveTheChannelsBelow) {
    programChannelTwo();
    focusGrid(1);
    trigger(cmd::InsertChannel);
    EXPECT_FALSE(enabled(cmd::EditUndo)) << "an empty channel needs no room";
    focusGrid(2);
    trigger(cmd::InsertChannel);
    EXPECT_EQ(cell(3, 1), "145.50000");
    EXPECT_EQ(cell(2, 1), "");
    EXPECT_EQ(rowBytes(3)[14], 0x5A);
    focusGrid(2);
    trigger(cmd::DeleteChannel);
    trigger(cmd::DeleteChannel);
    EXPECT_EQ(cell(1, 1), "");
    EXPECT_EQ(cell(2, 1), "") << "channel 2 went with the second delete";
    EXPECT_EQ(menuText(cmd::EditUndo), "&Undo Delete 1 Channel\tCtrl+Z");
    trigger(cmd::EditUndo);
    EXPECT_EQ(cell(2, 1), "145.50000");
}

TEST_F(EditCommands, InsertWithoutAnEmptyChannelBelowRefusesAndChangesNothing) {
    for (int ch = 1; ch <= 199; ++ch)
        document().sheet().setCellText(ch, 1, ch == 3 ? "" : "145.50000");
    document().sheet().setCellText(3, 1, "");
    focusGrid(5);
    const DocumentState before =
        DocumentState::capture(document().sheet(), document().image(), 199);
    m_prompter.answer(PromptAnswer::Ok);
    trigger(cmd::InsertChannel);
    EXPECT_EQ(m_prompter.texts(),
              std::vector<std::string>{"No empty channel below channel 5 to make room"});
    EXPECT_EQ(DocumentState::capture(document().sheet(), document().image(), 199), before);
    EXPECT_FALSE(enabled(cmd::EditUndo));
}

TEST_F(EditCommands, TheStatusBarCountsChannelsOutsideTheBandOnlyWhenThereAreAny) {
    main().refreshCommands();
    EXPECT_TRUE(main().bandPane().isHidden());
    focusGrid(4);
    store("446");
    main().refreshCommands();
    EXPECT_FALSE(main().bandPane().isHidden());
    EXPECT_EQ(main().bandPane().text(), "1 channel outside the band");
    focusGrid(9);
    store("440.5");
    main().refreshCommands();
    EXPECT_EQ(main().bandPane().text(), "2 channels outside the band");
    trigger(cmd::EditUndo);
    trigger(cmd::EditUndo);
    main().refreshCommands();
    EXPECT_TRUE(main().bandPane().isHidden());
}

TEST_F(EditCommands, ABadPasteChangesNothingAndSaysWhy) {
    programChannelTwo();
    const std::string header = ChannelTable::headerLine() + "\n";
    // The other refusals are the core's; here the user sees the bad cells listed.
    QApplication::clipboard()->setText(
        QString::fromStdString(header + "1\t146,525\t\tOFF\tOFF\tHigh\tLock\n"));
    focusGrid(199);
    m_prompter.answer(PromptAnswer::Ok);
    press(Qt::CTRL | Qt::Key_V);
    EXPECT_EQ(m_prompter.texts(),
              std::vector<std::string>{
                  "Nothing was pasted: the clipboard holds bad cells.\nline 2, column RX Freq: "
                  "\"146,525\" is not a number (digits, optionally a point and digits)"});
    EXPECT_FALSE(document().isModified());
    EXPECT_FALSE(enabled(cmd::EditUndo));
}

TEST_F(EditCommands, DelClearsChannelsButEditsTextInAnEditor) {
    programChannelTwo();
    focusGrid(2, 4);
    press(Qt::Key_Delete);
    EXPECT_EQ(cell(2, 1), "");
    EXPECT_EQ(menuText(cmd::EditUndo), "&Undo Clear 1 Channel\tCtrl+Z");
    press(Qt::CTRL | Qt::Key_Z);

    focusGrid(2, 1);
    QTest::keyClick(&grid(), Qt::Key_4);
    QLineEdit* edit = active()->view().frequencyEdit();
    ASSERT_TRUE(edit->isVisible());
    edit->setText("145.5");
    edit->setCursorPosition(0);
    press(Qt::Key_Delete);
    EXPECT_EQ(edit->text(), "45.5");
    EXPECT_EQ(cell(2, 1), "145.50000");

    // An open box keeps Del too.
    QTest::keyClick(edit, Qt::Key_Escape);
    focusGrid(2, 5);
    QTest::keyClick(&grid(), Qt::Key_M);
    ASSERT_TRUE(active()->view().powerBox()->isVisible());
    press(Qt::Key_Delete);
    EXPECT_EQ(cell(2, 1), "145.50000");
    focusGrid(2, 1);
    QTest::keyClick(&grid(), Qt::Key_4);
    edit->setText("145.5");

    // Undo from the menu drops the open editor first, as Escape does; here it has nothing more
    // to undo.
    trigger(cmd::EditUndo);
    EXPECT_FALSE(edit->isVisible());
    EXPECT_EQ(cell(2, 1), "145.50000");
    EXPECT_FALSE(enabled(cmd::EditUndo));
}

TEST_F(EditCommands, AnOptionsOkThatChangesSomethingIsOneStep) {
    m_dialogs.windowDialogs.onModelInformation = [](ChannelDocument& doc) {
        doc.image()[RadioImage::ModelTypeOffset] = 4;
        doc.updateChannelCountFromModel();
    };
    trigger(cmd::ModelInformation);
    EXPECT_EQ(grid().model()->rowCount(), 160);
    EXPECT_EQ(menuText(cmd::EditUndo), "&Undo Model Information\tCtrl+Z");
    trigger(cmd::EditUndo);
    EXPECT_EQ(grid().model()->rowCount(), 199);
    EXPECT_EQ(document().image()[RadioImage::ModelTypeOffset], 0);

    m_dialogs.windowDialogs.onModelInformation = {};
    trigger(cmd::ModelInformation);
    EXPECT_EQ(menuText(cmd::EditUndo), "&Undo\tCtrl+Z") << "an OK that changed nothing";
}

} // namespace
} // namespace tarn::test
