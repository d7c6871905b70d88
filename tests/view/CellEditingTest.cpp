#include "view/ChannelView.h"

#include "data/ChannelDocument.h"
#include "data/ToneTable.h"
#include "tests/support/FakeDocumentDialogs.h"
#include "tests/support/TestPrompter.h"
#include "tests/support/TypedNames.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace tarn {
namespace {

const std::string RangeText =
    "Error Data Format，Please input again\nThe frequency must lie between 100 and 600 MHz.";
const std::string NoNumberText = "Error Data Format，Please input again\nThis is not a number.";
const std::string ToneText = "Please choose a tone or code from the list";
const std::string StepText = "Error data Value，Please input according the step value(6.25K/5k)";
const std::string NumberText = "Please input Number";

class CellEditingTest : public ::testing::Test {
protected:
    CellEditingTest() {
        document.initNew();
        view.initialUpdate();
        view.resize(760, 560);
        view.show();
        view.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&view));
    }

    [[nodiscard]] ChannelTableView& grid() { return view.grid(); }
    [[nodiscard]] std::string cell(int row, int col) {
        return grid().cellText(row, col).toStdString();
    }
    [[nodiscard]] std::vector<std::string> rowTexts(int row) {
        std::vector<std::string> texts;
        for (int col = 1; col <= 6; ++col)
            texts.push_back(cell(row, col));
        return texts;
    }
    void setRow(int row, const std::vector<std::string>& texts) {
        for (int col = 1; col <= 6; ++col)
            document.sheet().setCellText(row, col, texts[col - 1]);
    }

    [[nodiscard]] static QWidget* focused() { return QApplication::focusWidget(); }

    // A press on the cell, as the user's mouse would give it.
    void click(int row, int col, Qt::MouseButton button = Qt::LeftButton) {
        grid().scrollTo(grid().channels().indexOf(row, col));
        QTest::mouseClick(grid().viewport(), button, {}, grid().cellRect({row, col}).center());
    }
    // Makes the cell current with the grid focused, no editor open.
    void select(int row, int col) {
        grid().setCurrentCell({row, col});
        grid().setFocus();
    }
    void goToRow(int row) { grid().setCurrentCell({row, grid().currentCell().column}); }
    // Adds cells of one channel to the selection, as a drag over them would.
    void selectAlso(int row, int firstCol, int lastCol) {
        const ChannelProxyModel& channels = grid().channels();
        grid().selectionModel()->select(
            QItemSelection(channels.indexOf(row, firstCol), channels.indexOf(row, lastCol)),
            QItemSelectionModel::Select);
    }
    // Keys go wherever the focus is, as typing does.
    void type(const QString& text) {
        for (const QChar c : text)
            QTest::keyClick(focused(), c.toLatin1());
    }
    void key(Qt::Key k) { QTest::keyClick(focused(), k); }
    void enter() { key(Qt::Key_Return); }
    // Types a value into the cell through its editor, opened by a press.
    void typeInto(int row, int col, const QString& text) {
        click(row, col);
        type(text);
    }

    ChannelDocument document;
    const ToneTable tones;
    test::TestPrompter prompter;
    test::FakeDocumentDialogs dialogs;
    ChannelView view{document, tones, prompter, dialogs};
};

TEST_F(CellEditingTest, FrequenciesAreCheckedOnTheTextThatIsStored) {
    struct Case {
        const char* typed;
        const char* stored;
        std::string message;
    };
    const std::vector<Case> cases = {
        {"100", "100.00000", ""},       {"600", "600.00000", ""},
        {"145.00625", "145.00625", ""}, {"145.005", "145.00500", ""},
        {"128.01", "128.01000", ""},    {"256.02", "256.02000", ""},
        {"524.20625", "524.20625", ""}, {"145.5kHz", "145.50000", ""},
        {"  146.52", "146.52000", ""},  {"99.99999", "", RangeText},
        {"600.00001", "", RangeText},   {"abc", "", NoNumberText},
        {"-145", "", RangeText},        {"145.0025", "", StepText},
        {"145.006259", "", StepText},
    };
    int row = 1;
    for (const Case& c : cases) {
        prompter.clear();
        if (!c.message.empty())
            prompter.answer(PromptAnswer::Ok);
        typeInto(row, 1, c.typed);
        ASSERT_EQ(focused(), view.frequencyEdit()) << c.typed;
        enter();
        EXPECT_EQ(cell(row, 1), c.stored) << c.typed;
        EXPECT_EQ(prompter.texts(), c.message.empty() ? std::vector<std::string>{}
                                                      : std::vector<std::string>{c.message})
            << c.typed;
        if (!c.message.empty()) {
            EXPECT_EQ(prompter.prompts()[0].caption, "Vizuruzu DizaRido");
            // The refused text waits over its cell to be mended.
            EXPECT_EQ(focused(), view.frequencyEdit()) << c.typed;
            EXPECT_EQ(view.frequencyEdit()->selectedText(), c.typed) << c.typed;
            EXPECT_EQ(grid().currentCell().column, 1) << c.typed;
            key(Qt::Key_Escape);
        }
        ++row;
    }
}

TEST_F(CellEditingTest, AChannelIsProgrammedWithTheKeyboardAlone) {
    select(3, 1);
    type("446");
    EXPECT_EQ(focused(), view.frequencyEdit());
    enter();
    // A new channel gets its defaults, and Enter opens TX Freq with the value selected.
    EXPECT_EQ(rowTexts(3),
              (std::vector<std::string>{"446.00000", "446.00000", "OFF", "OFF", "High", "Lock"}));
    EXPECT_EQ(grid().currentCell().column, 2);
    ASSERT_EQ(focused(), view.frequencyEdit());
    EXPECT_EQ(view.frequencyEdit()->selectedText(), "446.00000");

    type("446.5");
    enter();
    ASSERT_EQ(grid().currentCell().column, 3);
    EXPECT_FALSE(view.toneBox()->isHidden());
    EXPECT_EQ(view.toneBox()->currentText(), "OFF");
    type("88.5");
    enter();
    ASSERT_EQ(grid().currentCell().column, 4);
    type("d023n");
    enter();
    ASSERT_EQ(grid().currentCell().column, 5);
    EXPECT_FALSE(view.powerBox()->isHidden());
    key(Qt::Key_Down);
    enter();

    EXPECT_EQ(rowTexts(3), (std::vector<std::string>{"446.00000", "446.50000", "88.5", "D023N",
                                                     "Middle", "Lock"}));
    EXPECT_EQ(grid().currentCell().row, 4);
    EXPECT_EQ(grid().currentCell().column, 1);
    EXPECT_EQ(focused(), view.frequencyEdit());
    EXPECT_TRUE(document.isModified());
    EXPECT_TRUE(prompter.prompts().empty());

    // The lower-case code reaches the image as the code it names.
    document.parseSheet();
    EXPECT_EQ(document.image().row(2)[11], 0x80);
    EXPECT_EQ(document.image().row(2)[10], 0x23);
}

TEST_F(CellEditingTest, TxFreqOfAnEmptyRowFillsAllButRxFreq) {
    typeInto(2, 2, "145.5");
    click(9, 1);
    EXPECT_EQ(rowTexts(2),
              (std::vector<std::string>{"", "145.50000", "OFF", "OFF", "High", "Lock"}));
}

TEST_F(CellEditingTest, EmptyingAFrequencyEmptiesWhatDependsOnIt) {
    const std::vector<std::string> full = {"145.50000", "145.50000", "67.0",
                                           "D023N",     "Low",       "UnLock"};
    setRow(1, full);
    setRow(2, full);

    // Leaving: each frequency takes its tone; the last one takes power and lock.
    select(1, 1);
    key(Qt::Key_Delete);
    ASSERT_EQ(focused(), view.frequencyEdit());
    EXPECT_EQ(view.frequencyEdit()->text(), "");
    click(1, 2);
    EXPECT_EQ(rowTexts(1),
              (std::vector<std::string>{"", "145.50000", "", "D023N", "Low", "UnLock"}));
    key(Qt::Key_Backspace);
    click(5, 5);
    EXPECT_EQ(rowTexts(1), std::vector<std::string>(6, ""));

    // Enter empties only TX Power.
    click(2, 1);
    key(Qt::Key_Backspace);
    enter();
    key(Qt::Key_Backspace);
    enter();
    EXPECT_EQ(rowTexts(2), (std::vector<std::string>{"", "", "", "", "", "UnLock"}));

    // A refused frequency empties nothing: its text stays open until mended or dropped.
    setRow(3, full);
    prompter.answer(PromptAnswer::Ok);
    typeInto(3, 2, "1");
    click(7, 1);
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{RangeText});
    EXPECT_EQ(rowTexts(3), full);
    key(Qt::Key_Escape);
    EXPECT_TRUE(view.frequencyEdit()->isHidden());
    EXPECT_EQ(rowTexts(3), full);
}

// Every way of leaving a cell that holds a refused value: the message, then the same cell
// with its editor open over it, the text selected, and nothing stored.
TEST_F(CellEditingTest, ARefusedValueKeepsItsEditorWhicheverWayTheCellIsLeft) {
    const std::vector<std::string> full = {"145.50000", "145.50000", "100.0",
                                           "D023N",     "Low",       "UnLock"};
    struct Case {
        int col;
        const char* typed;
        std::string message;
    };
    const std::vector<Case> cases = {
        {1, "146.523", StepText}, {2, "99", RangeText}, {3, "100.05", ToneText},
        {4, "D023", ToneText},    {3, "abc", ToneText},
    };
    const std::vector<std::pair<const char*, std::function<void()>>> ways = {
        {"Enter", [&] { enter(); }},
        {"Tab", [&] { key(Qt::Key_Tab); }},
        {"mouse", [&] { click(9, 1); }},
    };
    for (const Case& c : cases) {
        for (const auto& [way, leave] : ways) {
            setRow(2, full);
            prompter.clear();
            prompter.answer(PromptAnswer::Ok);
            typeInto(2, c.col, c.typed);
            leave();
            const std::string what = std::string(c.typed) + " by " + way;
            EXPECT_EQ(prompter.texts(), std::vector<std::string>{c.message}) << what;
            EXPECT_EQ(rowTexts(2), full) << what;
            EXPECT_EQ(grid().currentCell().row, 2) << what;
            EXPECT_EQ(grid().currentCell().column, c.col) << what;
            QWidget* editor = view.editing().openEditor();
            ASSERT_NE(editor, nullptr) << what;
            const QString selected = c.col <= 2 ? view.frequencyEdit()->selectedText()
                                                : view.toneBox()->lineEdit()->selectedText();
            EXPECT_EQ(selected.toStdString(), c.typed) << what;
            EXPECT_TRUE(editor->isAncestorOf(focused()) || editor == focused()) << what;
            key(Qt::Key_Escape);
            EXPECT_EQ(view.editing().openEditor(), nullptr) << what;
        }
    }
    EXPECT_FALSE(document.isModified());
}

TEST_F(CellEditingTest, TheGridTakesTypedTonesByTheRuleOfEveryPath) {
    setRow(2, {"145.50000", "145.50000", "100.0", "OFF", "Low", "UnLock"});
    for (const test::TypedName& c : test::typedTones()) {
        prompter.clear();
        if (c.stored.empty())
            prompter.answer(PromptAnswer::Ok);
        typeInto(2, 3, c.typed);
        enter();
        EXPECT_EQ(cell(2, 3), c.stored.empty() ? "100.0" : c.stored) << c.typed;
        EXPECT_EQ(prompter.texts().size(), c.stored.empty() ? 1u : 0u) << c.typed;
        key(Qt::Key_Escape);
        document.sheet().setCellText(2, 3, "100.0");
    }
}

TEST_F(CellEditingTest, TonesAndChoicesNeedAFrequencyAndAKnownText) {
    click(4, 3);
    type("67.0");
    click(4, 5);
    EXPECT_EQ(cell(4, 3), "") << "no frequency, no tone";
    click(4, 6);
    EXPECT_EQ(cell(4, 5), "");

    setRow(5, {"145.50000", "145.50000", "OFF", "OFF", "High", "Lock"});
    prompter.answer(PromptAnswer::Ok);
    typeInto(5, 3, "xyz");
    enter();
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{ToneText});
    EXPECT_EQ(cell(5, 3), "OFF");
    // The refused text is selected: typing replaces it.
    type("d754i");
    click(5, 6);
    EXPECT_EQ(cell(5, 3), "D754I") << "stored in the list's spelling";
    // The lock box opens by a press only and loads the cell.
    EXPECT_EQ(view.lockBox()->currentText(), "Lock");
    key(Qt::Key_Down);
    click(5, 1);
    EXPECT_EQ(cell(5, 6), "UnLock");
    EXPECT_EQ(view.frequencyEdit()->selectedText(), "145.50000");
}

TEST_F(CellEditingTest, AToneChosenOverASelectionSetsOnlyToneColumns) {
    setRow(6, {"145.50000", "145.50000", "OFF", "OFF", "High", "Lock"});
    click(6, 3);
    type("88.5");
    selectAlso(6, 3, 4);
    view.editing().commitEditor();
    EXPECT_EQ(cell(6, 3), "88.5");
    EXPECT_EQ(cell(6, 4), "88.5");

    click(6, 3);
    type("D023N");
    selectAlso(6, 3, 6);
    view.editing().commitEditor();
    EXPECT_EQ(rowTexts(6), (std::vector<std::string>{"145.50000", "145.50000", "D023N", "88.5",
                                                     "High", "Lock"}));
}

TEST_F(CellEditingTest, EnterOnTheLastRowStoresAndHandsOnATab) {
    const int last = grid().model()->rowCount();
    setRow(last, {"145.50000", "145.50000", "OFF", "OFF", "High", "Lock"});
    click(last, 5);
    key(Qt::Key_Down);
    enter();
    EXPECT_EQ(cell(last, 5), "Middle");
    EXPECT_EQ(grid().currentCell().row, last);
    EXPECT_TRUE(view.powerBox()->isHidden());
    EXPECT_NE(focused(), view.powerBox());

    // On the grid, Enter moves right, and in CHN Lock leaves the grid.
    select(last, 2);
    enter();
    EXPECT_EQ(grid().currentCell().column, 3);
    EXPECT_TRUE(view.toneBox()->isHidden());
    select(last, 6);
    enter();
    EXPECT_EQ(grid().currentCell().column, 6);
    EXPECT_TRUE(view.lockBox()->isHidden());
}

TEST_F(CellEditingTest, SomePressesAndKeysOpenNothing) {
    setRow(2, {"145.50000", "145.50000", "OFF", "OFF", "High", "Lock"});
    click(2, 2, Qt::RightButton);
    select(2, 6);
    type("x");
    select(2, 1);
    key(Qt::Key_Escape);
    select(2, 3);
    key(Qt::Key_Backspace);
    for (QWidget* editor : std::vector<QWidget*>{view.frequencyEdit(), view.toneBox(),
                                                 view.powerBox(), view.lockBox()})
        EXPECT_TRUE(editor->isHidden());
    EXPECT_TRUE(grid().hasFocus());
    EXPECT_FALSE(document.isModified());
}

TEST_F(CellEditingTest, LOrUOverChnLockStoresItAtOnce) {
    setRow(2, {"145.50000", "145.50000", "OFF", "OFF", "High", "Lock"});
    select(2, 6);
    type("u");
    EXPECT_EQ(cell(2, 6), "UnLock");
    EXPECT_TRUE(view.lockBox()->isHidden());
    EXPECT_TRUE(document.isModified());
    type("L");
    EXPECT_EQ(cell(2, 6), "Lock");
    type("U");
    click(2, 6);
    EXPECT_EQ(view.lockBox()->currentText(), "UnLock") << "the box shows what was stored";
    view.editing().commitEditor();
    // A row without frequencies keeps its lock cell empty.
    select(3, 6);
    type("l");
    EXPECT_EQ(cell(3, 6), "");
}

TEST_F(CellEditingTest, EscapeClosesTheEditorAndKeepsTheStoredValue) {
    setRow(2, {"145.50000", "145.50000", "OFF", "OFF", "High", "Lock"});
    typeInto(2, 1, "433.5");
    key(Qt::Key_Escape);
    EXPECT_TRUE(view.frequencyEdit()->isHidden());
    EXPECT_EQ(focused(), &grid());
    EXPECT_EQ(cell(2, 1), "145.50000");
    click(2, 1);
    EXPECT_EQ(view.frequencyEdit()->text(), "145.50000");
    key(Qt::Key_Escape);

    typeInto(2, 4, "D023N");
    key(Qt::Key_Escape);
    click(2, 5);
    key(Qt::Key_Down);
    key(Qt::Key_Escape);
    EXPECT_TRUE(view.toneBox()->isHidden());
    EXPECT_TRUE(view.powerBox()->isHidden());
    goToRow(3);
    EXPECT_EQ(rowTexts(2),
              (std::vector<std::string>{"145.50000", "145.50000", "OFF", "OFF", "High", "Lock"}));
    EXPECT_FALSE(document.isModified());
}

TEST_F(CellEditingTest, ScrollingDropsWhatWasTyped) {
    setRow(3, {"145.50000", "145.50000", "OFF", "OFF", "High", "Lock"});
    typeInto(3, 1, "146");
    typeInto(3, 4, "67.0");
    grid().verticalScrollBar()->setValue(grid().verticalScrollBar()->maximum());
    EXPECT_TRUE(view.toneBox()->isHidden());
    grid().verticalScrollBar()->setValue(0);
    click(3, 4);
    EXPECT_EQ(view.toneBox()->currentText(), "OFF");
    click(3, 1);
    EXPECT_EQ(rowTexts(3)[0], "146.00000") << "stored when left, before the scroll";
    EXPECT_EQ(rowTexts(3)[3], "OFF");
}

TEST_F(CellEditingTest, APressOnTheEdgeOfTheEditedCellKeepsWhatIsTyped) {
    typeInto(2, 1, "433");
    const QRect rect = grid().cellRect({2, 1});
    QTest::mouseClick(grid().viewport(), Qt::LeftButton, {}, rect.bottomRight() - QPoint(1, 1));
    EXPECT_EQ(view.frequencyEdit()->text(), "433");
    EXPECT_EQ(focused(), view.frequencyEdit());
}

TEST_F(CellEditingTest, AnOpenValueIsStoredWhenTheGridMovesOutOfSight) {
    typeInto(1, 1, "430.125");
    goToRow(190);
    EXPECT_EQ(cell(1, 1), "430.12500");
    EXPECT_EQ(cell(1, 2), "430.12500");
}

TEST_F(CellEditingTest, TypingSeedsTheEditorOverTheCell) {
    setRow(4, {"145.50000", "145.50000", "OFF", "OFF", "High", "Lock"});
    select(4, 2);
    type("4");
    QLineEdit* edit = view.frequencyEdit();
    EXPECT_EQ(edit->text(), "4");
    EXPECT_EQ(edit->cursorPosition(), 1);
    EXPECT_EQ(edit->geometry(), grid().cellRect({4, 2})) << "the editor covers its cell";
    key(Qt::Key_Backspace);
    type("145.5");

    // A letter over a filled cell is refused as a number but kept for the check.
    select(4, 1);
    prompter.answer(PromptAnswer::Ok);
    type("x");
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{NumberText});
    EXPECT_EQ(edit->text(), "x");

    // Over an empty cell the editor opens empty.
    prompter.clear();
    prompter.answer({PromptAnswer::Ok, PromptAnswer::Ok});
    view.editing().commitEditor();
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{NoNumberText});
    EXPECT_EQ(edit->text(), "x") << "refused, and kept for mending";
    (void)view.editing().cancelEditor();
    document.sheet().setCellText(4, 1, "");
    select(4, 1);
    type("x");
    EXPECT_EQ(prompter.texts(), (std::vector<std::string>{NoNumberText, NumberText}));
    EXPECT_EQ(edit->text(), "");
    EXPECT_FALSE(edit->isHidden());

    // Boxes: the tone box takes the character into its field, the power box picks an item.
    select(4, 3);
    type("1");
    EXPECT_EQ(view.toneBox()->currentText(), "1");
    EXPECT_EQ(view.toneBox()->geometry(), grid().cellRect({4, 3}));
    key(Qt::Key_Escape); // "1" names no tone
    select(4, 5);
    type("l");
    EXPECT_EQ(view.powerBox()->currentText(), "Low");
    select(4, 5);
    type("q");
    EXPECT_EQ(view.powerBox()->currentText(), "Low");
}

// One editor serves a whole column kind, so a screen reader learns the cell from the editor's
// name (its column) and description (its channel) each time it opens.
TEST_F(CellEditingTest, AnOpenEditorIsNamedAfterItsCell) {
    setRow(12, {"145.50000", "145.50000", "OFF", "OFF", "High", "Lock"});
    setRow(3, {"430.02500", "430.02500", "OFF", "OFF", "High", "Lock"});
    const struct {
        int row;
        int col;
        const char* name;
    } cases[] = {{12, 1, "RX Freq"},   {3, 2, "TX Freq"},   {12, 3, "QT/DQT Dec"},
                 {3, 4, "QT/DQT Enc"}, {12, 5, "TX Power"}, {3, 6, "CHN Lock"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        click(c.row, c.col);
        QWidget* editor = grid().openEditor();
        ASSERT_NE(editor, nullptr);
        EXPECT_EQ(editor->accessibleName(), c.name);
        EXPECT_EQ(editor->accessibleDescription(), QStringLiteral("Channel %1").arg(c.row));
        key(Qt::Key_Escape);
    }
}

TEST_F(CellEditingTest, TypingLeavesTheClipboardAlone) {
    QApplication::clipboard()->setText("kept");
    typeInto(6, 1, "145");
    enter();
    select(6, 3);
    type("67");
    select(6, 5);
    type("h");
    EXPECT_EQ(QApplication::clipboard()->text(), "kept");
}

TEST_F(CellEditingTest, OnlyChangedValuesMarkTheDocument) {
    setRow(2, {"145.50000", "145.50000", "OFF", "OFF", "High", "Lock"});
    click(2, 1);
    enter();
    click(2, 5);
    view.editing().commitEditor();
    view.editing().commitEditor();
    EXPECT_FALSE(document.isModified());
    click(2, 2);
    type("145.505");
    view.editing().commitEditor();
    EXPECT_TRUE(document.isModified());
    EXPECT_EQ(cell(2, 2), "145.50500");
}

struct TitleChangeCounter : QObject {
    explicit TitleChangeCounter(QWidget& window) { window.installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override {
        count += event->type() == QEvent::WindowTitleChange ? 1 : 0;
        return false;
    }
    int count = 0;
};

TEST(CellEditingCaptionTest, DocumentWindowNamesTheCurrentChannel) {
    ChannelDocument document;
    document.initNew();
    const ToneTable tones;
    test::TestPrompter prompter;
    test::FakeDocumentDialogs dialogs;
    QMainWindow main;
    auto* area = new QMdiArea(&main);
    main.setCentralWidget(area);
    main.menuBar()->addMenu(QStringLiteral("File"));
    auto* view = new ChannelView(document, tones, prompter, dialogs);
    QMdiSubWindow* frame = area->addSubWindow(view);
    view->initialUpdate();
    main.resize(1000, 700);
    main.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));

    view->grid().setCurrentCell({7, 1});
    const QRect rect = view->grid().cellRect({7, 2});
    QTest::mouseClick(view->grid().viewport(), Qt::LeftButton, {}, rect.center());
    EXPECT_EQ(main.windowTitle(), "Vizuruzu DizaRido");
    EXPECT_EQ(frame->windowTitle(), "Channel Information [Channel-7]");

    QSignalSpy titles(frame, &QWidget::windowTitleChanged);
    QTest::mouseMove(view->grid().viewport(), rect.center() + QPoint(2, 1));
    QTest::keyClick(view->frequencyEdit(), Qt::Key_Left);
    EXPECT_EQ(titles.count(), 0);
    QTest::keyClick(view->frequencyEdit(), Qt::Key_Escape);
    view->grid().setCurrentCell({12, 2});
    QTest::keyClick(&view->grid(), Qt::Key_Down);
    EXPECT_EQ(frame->windowTitle(), "Channel Information [Channel-13]");

    // A maximized document window shares the main window's title; no tug of war over it.
    frame->showMaximized();
    QTest::keyClick(&view->grid(), Qt::Key_Down);
    TitleChangeCounter mainTitles(main);
    for (int i = 0; i < 3; ++i)
        QTest::mouseMove(view->grid().viewport(), rect.center() + QPoint(i, 0));
    EXPECT_EQ(mainTitles.count, 0);
    EXPECT_EQ(main.windowTitle(), "Vizuruzu DizaRido - [Channel Information [Channel-14]]");
}

} // namespace
} // namespace tarn
