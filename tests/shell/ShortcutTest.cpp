// The keys named in the menus run their commands wherever the focus is; window keys move
// between and close document windows; nothing else closes a window.
#include "tests/shell/KeyboardFixture.h"

#include "link/RadioLink.h"
#include "qtsupport/CommandIds.h"
#include "shell/BackgroundWorkArea.h"
#include "shell/DocumentWindow.h"
#include "shell/MainWindow.h"
#include "shell/TarnDocument.h"
#include "view/ChannelView.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>

namespace tarn::test {
namespace {

const std::string EditDataText = "Please directly double click inside the table";

using Keys = KeyboardFixture;

TEST_F(Keys, MenuKeysRunTheirCommandsFromTheGrid) {
    focusGrid(4, 3);
    m_prompter.answer(PromptAnswer::Ok);
    press(Qt::CTRL | Qt::Key_G);
    EXPECT_EQ(m_prompter.texts(), std::vector<std::string>{EditDataText});
    EXPECT_EQ(grid().currentCell().row, 1);

    press(Qt::CTRL | Qt::Key_C);
    EXPECT_EQ(QApplication::clipboard()->text().section('\n', 1),
              QStringLiteral("  1\t\t\t\t\t\t\n"));

    press(Qt::CTRL | Qt::Key_S);
    press(Qt::CTRL | Qt::Key_O);
    EXPECT_EQ(m_dialogs.filters.size(), 2);
    press(Qt::CTRL | Qt::Key_P);
    EXPECT_EQ(m_dialogs.printerDialogs, 1);

    RadioLink& link = active()->radioLink();
    press(Qt::CTRL | Qt::Key_R);
    ASSERT_TRUE(link.progressDialog().hasWindow());
    EXPECT_EQ(link.direction(), TransferDirection::Read);
    grid().activateWindow();
    focusGrid();
    press(Qt::CTRL | Qt::Key_W);
    EXPECT_EQ(link.direction(), TransferDirection::Write) << "Ctrl+W writes, it closes nothing";
    EXPECT_EQ(main().childFrames().size(), 1);

    press(Qt::CTRL | Qt::Key_N);
    EXPECT_EQ(documentCount(), 2U);
}

TEST_F(Keys, AnOpenEditorKeepsItsTextKeysAndLetsTheOthersThrough) {
    QLineEdit& edit = typeFrequency(2, "146.525");
    ASSERT_EQ(focused(), &edit);
    QApplication::clipboard()->setText("145.5");
    press(Qt::CTRL | Qt::Key_A);
    press(Qt::CTRL | Qt::Key_C);
    EXPECT_EQ(QApplication::clipboard()->text(), "146.525");
    press(Qt::CTRL | Qt::Key_X);
    EXPECT_EQ(edit.text(), "");
    press(Qt::CTRL | Qt::Key_Z);
    EXPECT_EQ(edit.text(), "146.525");
    press(Qt::CTRL | Qt::Key_A);
    QApplication::clipboard()->setText("433.5");
    press(Qt::CTRL | Qt::Key_V);
    EXPECT_EQ(edit.text(), "433.5");
    EXPECT_FALSE(active()->document().isModified()) << "nothing stored yet";

    // Ctrl+G is no editing key of the editor: the command runs.
    m_prompter.answer(PromptAnswer::Ok);
    press(Qt::CTRL | Qt::Key_G);
    EXPECT_EQ(m_prompter.texts(), std::vector<std::string>{EditDataText});
    EXPECT_EQ(grid().cellText(2, 1), "433.50000") << "the value is stored as the cell is left";
}

TEST_F(Keys, WithoutADocumentOnlyTheAvailableCommandsReact) {
    trigger(cmd::FileClose);
    ASSERT_EQ(documentCount(), 0U);
    main().setFocus();
    for (const Qt::Key key : {Qt::Key_S, Qt::Key_P, Qt::Key_R, Qt::Key_W, Qt::Key_G})
        press(Qt::CTRL | key);
    EXPECT_TRUE(m_prompter.prompts().empty());
    EXPECT_EQ(m_dialogs.printerDialogs, 0);
    EXPECT_TRUE(m_dialogs.filters.isEmpty());
    press(Qt::CTRL | Qt::Key_O);
    EXPECT_EQ(m_dialogs.filters.size(), 1);
    press(Qt::CTRL | Qt::Key_N);
    EXPECT_EQ(documentCount(), 1U);
}

TEST_F(Keys, WindowKeysSwitchAndCloseThroughTheSaveQuestion) {
    DocumentWindow* first = active();
    trigger(cmd::FileNew);
    DocumentWindow* second = active();
    ASSERT_NE(first, second);
    focusGrid();
    press(Qt::CTRL | Qt::Key_Tab);
    EXPECT_EQ(active(), first);
    focusGrid();
    press(Qt::CTRL | Qt::Key_F6);
    EXPECT_EQ(active(), second);
    focusGrid();
    press(Qt::CTRL | Qt::SHIFT | Qt::Key_F6);
    EXPECT_EQ(active(), first);

    typeFrequency(3, "145.5");
    QTest::keyClick(focused(), Qt::Key_Return);
    ASSERT_TRUE(first->document().isModified());
    m_prompter.answer(PromptAnswer::Cancel);
    press(Qt::CTRL | Qt::Key_F4);
    EXPECT_EQ(m_prompter.texts(), std::vector<std::string>{"Save changes to Edit Channel Data1?"});
    EXPECT_EQ(main().childFrames().size(), 2);
    m_prompter.answer(PromptAnswer::No);
    press(Qt::CTRL | Qt::Key_F4);
    EXPECT_EQ(main().childFrames(), QList<DocumentWindow*>{second});
}

} // namespace
} // namespace tarn::test
