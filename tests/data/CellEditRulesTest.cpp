#include "data/CellEditRules.h"

#include "data/ChannelDocument.h"
#include "data/ToneTable.h"
#include "tests/support/TestPrompter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace tarn {
namespace {

using Cell = CellEditRules::Cell;
using Row = std::vector<std::string>;

const std::string RangeText =
    "Error Data Format，Please input again\nThe frequency must lie between 100 and 600 MHz.";
const std::string ToneText = "Please choose a tone or code from the list";
const std::string NumberText = "Please input Number";
const Row Blank = {"", "", "", "", "", ""};
const Row Programmed = {"145.50000", "145.50000", "88.5", "OFF", "Low", "UnLock"};

class CellEditRulesTest : public ::testing::Test {
protected:
    CellEditRulesTest() { document.initNew(); }

    void setRow(int row, const Row& texts) {
        for (int col = 1; col <= 6; ++col)
            document.sheet().setCellText(row, col, texts[static_cast<std::size_t>(col - 1)]);
    }
    [[nodiscard]] Row rowTexts(int row) const {
        Row texts;
        for (int col = 1; col <= 6; ++col)
            texts.push_back(document.sheet().cellText(row, col));
        return texts;
    }

    ChannelDocument document;
    ToneTable tones;
    test::TestPrompter prompter;
    CellEditRules rules{document, tones, prompter, "TARN"};
};

TEST_F(CellEditRulesTest, KeysOverACellOpenItsEditorOnlyWhereTheyEdit) {
    struct Case {
        int row;
        int column;
        int key;
        bool opens;
    };
    const std::vector<Case> cases = {
        {1, 1, '4', true},    {1, 2, 'x', true},   {1, 1, 8, true},    {1, 2, 127, true},
        {1, 3, 8, false},     {1, 5, 127, false},  {1, 3, 'o', true},  {1, 5, 'm', true},
        {1, 6, 'l', false},   {1, 0, '4', false},  {0, 1, '4', false}, {1, 1, 27, false},
        {200, 1, '4', false}, {199, 4, '8', true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(rules.keyOpensEditor(c.row, c.column, c.key), c.opens)
            << c.row << "," << c.column << " key " << c.key;
}

TEST_F(CellEditRulesTest, TheFrequencyEditorOpensWithWhatTheKeyGives) {
    struct Case {
        Row row;
        int key;
        std::string text;
        bool selectAll;
        bool asksForNumber;
    };
    const std::vector<Case> cases = {
        {Programmed, 0, "145.50000", true, false},
        {Programmed, 13, "145.50000", true, false},
        {Programmed, '4', "4", false, false},
        {Blank, '4', "4", false, false},
        {Programmed, 'x', "x", false, true},
        {Blank, 'x', "", false, true},
        {Programmed, 8, "", false, false},
        {Programmed, 127, "", false, false},
        {Programmed, 0x00E9, "\xC3\xA9", false, true},
    };
    for (const Case& c : cases) {
        setRow(1, c.row);
        prompter.clear();
        if (c.asksForNumber)
            prompter.answer(PromptAnswer::Ok);
        const CellEditRules::Opening opening = rules.openFrequency(1, 1, c.key);
        EXPECT_EQ(opening.text, c.text) << "key " << c.key;
        EXPECT_EQ(opening.selectAll, c.selectAll) << "key " << c.key;
        EXPECT_EQ(prompter.texts(),
                  c.asksForNumber ? std::vector{NumberText} : std::vector<std::string>{})
            << "key " << c.key;
    }
}

TEST_F(CellEditRulesTest, ListsFindTheirItemByPrefixIgnoringCase) {
    const std::vector<std::string> power = {"High", "Middle", "Low"};
    EXPECT_EQ(CellEditRules::listIndexFor(power, "Low"), 2);
    EXPECT_EQ(CellEditRules::listIndexFor(power, "mid"), 1);
    EXPECT_EQ(CellEditRules::listIndexFor(power, ""), 0) << "an empty cell selects item 0";
    EXPECT_EQ(CellEditRules::listIndexFor(power, "Ultra"), 0);
    EXPECT_EQ(CellEditRules::itemStartingWith(power, "l"), 2);
    EXPECT_EQ(CellEditRules::itemStartingWith(power, "x"), -1);
}

TEST_F(CellEditRulesTest, LeavingACellStoresByItsColumnsRules) {
    struct Case {
        const char* what;
        Row before;
        Cell cell;
        int farColumn;
        std::string text;
        Row after;
        bool refused = false;
    };
    const std::vector<Case> cases = {
        {"a new channel fills in",
         Blank,
         {1, 1},
         1,
         "146.52", //
         {"146.52000", "146.52000", "OFF", "OFF", "High", "Lock"}},
        {"TX Freq fills all but RX",
         Blank,
         {1, 2},
         2,
         "146.52", //
         {"", "146.52000", "OFF", "OFF", "High", "Lock"}},
        {"a refused frequency stores and empties nothing",
         Programmed,
         {1, 1},
         1,
         "99",
         Programmed,
         true},
        {"emptying the last frequency empties power and lock", //
         {"", "145.50000", "", "", "Low", "UnLock"},
         {1, 2},
         2,
         "",
         Blank},
        {"a tone over both tone columns sets both",
         Programmed,
         {1, 3},
         4,
         "67.0", //
         {"145.50000", "145.50000", "67.0", "67.0", "Low", "UnLock"}},
        {"a tone never reaches other columns",
         Programmed,
         {1, 4},
         5,
         "67.0", //
         {"145.50000", "145.50000", "88.5", "67.0", "Low", "UnLock"}},
        {"a tone the list lacks stores nothing", Programmed, {1, 3}, 3, "12", Programmed, true},
        {"a code without polarity stores nothing, in neither column",
         Programmed,
         {1, 3},
         4,
         "D023",
         Programmed,
         true},
        {"a tone by value in the list's spelling",
         Programmed,
         {1, 4},
         4,
         " 100 ", //
         {"145.50000", "145.50000", "88.5", "100.0", "Low", "UnLock"}},
        {"an empty tone is OFF",
         Programmed,
         {1, 3},
         3,
         "", //
         {"145.50000", "145.50000", "OFF", "OFF", "Low", "UnLock"}},
        {"a choice in any case is stored in the list's spelling",
         Programmed,
         {1, 5},
         5,
         "middle", //
         {"145.50000", "145.50000", "88.5", "OFF", "Middle", "UnLock"}},
        {"a tone on a row without frequencies is empty", Blank, {1, 3}, 3, "67.0", Blank},
        {"a choice on a row without frequencies is empty", Blank, {1, 5}, 5, "Low", Blank},
        {"a choice is stored",
         Programmed,
         {1, 6},
         6,
         "Lock", //
         {"145.50000", "145.50000", "88.5", "OFF", "Low", "Lock"}},
    };
    for (const Case& c : cases) {
        setRow(1, c.before);
        prompter.clear();
        prompter.answer(PromptAnswer::Ok);
        const CellEditRules::Result result = rules.leave(c.cell, c.farColumn, c.text);
        EXPECT_EQ(result.refused, c.refused) << c.what;
        EXPECT_EQ(rowTexts(1), c.after) << c.what;
        EXPECT_EQ(prompter.pendingAnswers(), c.refused ? 0U : 1U) << c.what;
    }
    EXPECT_NO_THROW((void)rules.leave({200, 1}, 1, "145")) << "a row that went takes nothing";
}

TEST_F(CellEditRulesTest, EnterStoresAndNamesTheNextCell) {
    struct Case {
        const char* what;
        Row before;
        Cell cell;
        std::string text;
        Row after;
        Cell next;
        bool leavesGrid;
    };
    const std::vector<Case> cases = {
        {"frequency goes right",
         Blank,
         {5, 1},
         "433.5", //
         {"433.50000", "433.50000", "OFF", "OFF", "High", "Lock"},
         {5, 2},
         false},
        {"emptied on Enter keeps CHN Lock",
         {"", "145.50000", "", "", "Low", "UnLock"}, //
         {5, 2},
         "",
         {"", "", "", "", "", "UnLock"},
         {5, 3},
         false},
        {"tone goes right",
         Programmed,
         {5, 4},
         "67.0", //
         {"145.50000", "145.50000", "88.5", "67.0", "Low", "UnLock"},
         {5, 5},
         false},
        {"power goes to the next row",
         Programmed,
         {5, 5},
         "High", //
         {"145.50000", "145.50000", "88.5", "OFF", "High", "UnLock"},
         {6, 1},
         false},
        {"a choice without frequencies keeps the cell",
         {"", "", "", "", "", "Lock"},
         {5, 6},
         "UnLock",
         {"", "", "", "", "", "Lock"},
         {6, 1},
         false},
        {"a refused frequency names no cell",
         Programmed,
         {5, 1},
         "146.523",
         Programmed,
         {0, 0},
         false},
        {"a refused tone names no cell", Programmed, {5, 3}, "abc", Programmed, {0, 0}, false},
        {"a power name in any case",
         Programmed,
         {5, 5},
         "HIGH", //
         {"145.50000", "145.50000", "88.5", "OFF", "High", "UnLock"},
         {6, 1},
         false},
        {"the last row hands the focus on",
         Programmed,
         {199, 6},
         "Lock", //
         {"145.50000", "145.50000", "88.5", "OFF", "Low", "Lock"},
         {0, 0},
         true},
    };
    for (const Case& c : cases) {
        setRow(c.cell.row, c.before);
        prompter.clear();
        prompter.answer(PromptAnswer::Ok);
        const CellEditRules::Result result = rules.enter(c.cell, c.text);
        // Only a refusal names no cell and keeps the focus: it stays with the editor.
        EXPECT_EQ(result.refused, c.next.row == 0 && !c.leavesGrid) << c.what;
        EXPECT_EQ(prompter.pendingAnswers(), result.refused ? 0U : 1U) << c.what;
        EXPECT_EQ(rowTexts(c.cell.row), c.after) << c.what;
        EXPECT_EQ(result.next, c.next) << c.what;
        EXPECT_EQ(result.leavesGrid, c.leavesGrid) << c.what;
    }
}

TEST_F(CellEditRulesTest, APendingRefusedFrequencyIsToldAndStoredNowhere) {
    setRow(1, Programmed);
    prompter.answer(PromptAnswer::Ok);
    EXPECT_TRUE(rules.differs({1, 1}, "99"));
    const CellEditRules::Result result = rules.storePending({1, 1}, 1, "99");
    EXPECT_TRUE(result.refused);
    EXPECT_EQ(prompter.texts(), std::vector{RangeText});
    EXPECT_EQ(rowTexts(1), Programmed);

    EXPECT_FALSE(rules.storePending({1, 1}, 1, "146").refused);
    EXPECT_EQ(document.sheet().cellText(1, 1), "146.00000");

    // A tone the list lacks is held back the same way, in both columns of the selection.
    prompter.clear();
    prompter.answer(PromptAnswer::Ok);
    EXPECT_TRUE(rules.storePending({1, 3}, 4, "23").refused);
    EXPECT_EQ(prompter.texts(), std::vector{ToneText});
    EXPECT_EQ(document.sheet().cellText(1, 3), "88.5");
    EXPECT_EQ(document.sheet().cellText(1, 4), "OFF");
}

TEST_F(CellEditRulesTest, PlusOrMinusAloneInTxFreqIsTheBandPlansRepeaterShift) {
    const std::string NotNumber = "Error Data Format，Please input again\nThis is not a number.";
    const Row TwoMetre = {"145.60000", "145.60000", "OFF", "OFF", "High", "UnLock"};
    const Row Vhf = {"155.50000", "155.50000", "OFF", "OFF", "High", "UnLock"};
    const std::string NoOffset = "No standard repeater offset for 155.50000 MHz in IARU Region 1: "
                                 "only the 144-148 MHz and 420-450 MHz bands have one.";
    struct Case {
        const char* what;
        Row before;
        Cell cell;
        std::string text;
        bool refused;
        std::string tx;
        std::vector<std::string> told;
    };
    const std::vector<Case> cases = {
        {"minus", TwoMetre, {1, 2}, "-", false, "145.00000", {}},
        {"plus with spaces", TwoMetre, {1, 2}, " + ", false, "146.20000", {}},
        {"no offset in the band", Vhf, {1, 2}, "+", true, "155.50000", {NoOffset}},
        {"RX Freq takes no shift", TwoMetre, {1, 1}, "+", true, "145.60000", {NotNumber}},
        {"a row without RX", Blank, {1, 2}, "-", true, "", {NotNumber}},
    };
    for (const Case& c : cases) {
        setRow(1, c.before);
        prompter.clear();
        for (std::size_t i = 0; i < c.told.size(); ++i)
            prompter.answer(PromptAnswer::Ok);
        const bool refused = rules.storePending(c.cell, c.cell.column, c.text).refused;
        EXPECT_EQ(refused, c.refused) << c.what;
        EXPECT_EQ(document.sheet().cellText(1, 2), c.tx) << c.what;
        EXPECT_EQ(prompter.texts(), c.told) << c.what;
    }

    // The key opens the editor with the sign, with no "Please input Number" first.
    setRow(1, TwoMetre);
    prompter.clear();
    EXPECT_EQ(rules.openFrequency(1, 2, '-').text, "-");
    EXPECT_TRUE(prompter.texts().empty());
    prompter.answer(PromptAnswer::Ok);
    EXPECT_EQ(rules.openFrequency(1, 1, '+').text, "+") << "RX Freq asks for a number";
    EXPECT_EQ(prompter.texts(), std::vector{NumberText});

    // The plan is the user's setting.
    rules.setBandPlan([] { return BandPlan::Region::Iaru1; });
    setRow(1, {"433.00000", "433.00000", "OFF", "OFF", "High", "UnLock"});
    EXPECT_FALSE(rules.storePending({1, 2}, 2, "-").refused);
    EXPECT_EQ(document.sheet().cellText(1, 2), "425.40000");
    EXPECT_FALSE(rules.differs({1, 2}, "-")) << "the shift it already has";
    rules.setBandPlan([] { return BandPlan::Region::Iaru2Us; });
    EXPECT_TRUE(rules.differs({1, 2}, "+"));
    EXPECT_FALSE(rules.storePending({1, 2}, 2, "+").refused);
    EXPECT_EQ(document.sheet().cellText(1, 2), "438.00000");
}

TEST_F(CellEditRulesTest, OnlyTextsThatChangeTheirCellDiffer) {
    setRow(1, Programmed);
    setRow(2, Blank);
    struct Case {
        Cell cell;
        std::string text;
        bool differs;
    };
    const std::vector<Case> cases = {
        {{1, 1}, "145.5", false}, {{1, 1}, "145.6", true},  {{1, 1}, "abc", true},
        {{1, 3}, "88.5", false},  {{1, 3}, "12", true},     {{1, 4}, "nonsense", true},
        {{1, 5}, "Low", false},   {{1, 5}, "High", true},   {{2, 5}, "High", false},
        {{2, 3}, "67.0", false},  {{0, 1}, "1", false},     {{1, 0}, "2", false},
        {{1, 3}, "88.50", false}, {{1, 5}, " low ", false}, {{1, 5}, "Ultra", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(rules.differs(c.cell, c.text), c.differs)
            << c.cell.row << "," << c.cell.column << " " << c.text;
}

TEST_F(CellEditRulesTest, LAndUOverChnLockStoreAtOnce) {
    setRow(1, Programmed);
    setRow(2, Blank);
    EXPECT_TRUE(rules.typeOverLock(1, 'l'));
    EXPECT_EQ(document.sheet().cellText(1, 6), "Lock");
    EXPECT_TRUE(rules.typeOverLock(1, 'U'));
    EXPECT_EQ(document.sheet().cellText(1, 6), "UnLock");
    EXPECT_FALSE(rules.typeOverLock(1, 'x'));
    EXPECT_EQ(document.sheet().cellText(1, 6), "UnLock");
    EXPECT_TRUE(rules.typeOverLock(2, 'L'));
    EXPECT_EQ(document.sheet().cellText(2, 6), "") << "a row without frequencies stays empty";
}

TEST_F(CellEditRulesTest, TabWalksRowsAndLeavesAtTheEnds) {
    struct Case {
        Cell from;
        bool backward;
        Cell to;
    };
    const std::vector<Case> cases = {
        {{1, 1}, false, {1, 2}}, {{1, 6}, false, {2, 1}}, {{199, 6}, false, {0, 0}},
        {{4, 0}, false, {4, 1}}, {{2, 1}, true, {1, 6}},  {{2, 4}, true, {2, 3}},
        {{1, 1}, true, {0, 0}},  {{0, 3}, false, {0, 0}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(rules.tabFrom(c.from, c.backward), c.to)
            << c.from.row << "," << c.from.column << (c.backward ? " back" : "");
    EXPECT_EQ(rules.enterOnGrid({3, 2}), (Cell{3, 3}));
    EXPECT_EQ(rules.enterOnGrid({3, 6}), (Cell{4, 1}));
}

TEST_F(CellEditRulesTest, AFoundOrSortedViewWalksItsOwnRows) {
    // The view shows channels 7, 3 and 12, in that order.
    const std::vector<int> shown{7, 3, 12};
    rules.setNeighbours([&shown](int channel, int by) {
        const auto at = std::find(shown.begin(), shown.end(), channel);
        if (at == shown.end())
            return 0;
        const auto index = (at - shown.begin()) + by;
        return index >= 0 && index < static_cast<long>(shown.size())
                   ? shown[static_cast<std::size_t>(index)]
                   : 0;
    });
    struct Case {
        Cell from;
        bool backward;
        Cell to;
    };
    const std::vector<Case> cases = {
        {{7, 6}, false, {3, 1}}, {{3, 6}, false, {12, 1}}, {{12, 6}, false, {0, 0}},
        {{3, 1}, true, {7, 6}},  {{7, 1}, true, {0, 0}},   {{3, 2}, false, {3, 3}},
        {{12, 1}, true, {3, 6}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(rules.tabFrom(c.from, c.backward), c.to)
            << c.from.row << "," << c.from.column << (c.backward ? " back" : "");

    // Enter in a choice box goes on to the next shown row, and past the last one leaves.
    setRow(3, Programmed);
    setRow(12, Programmed);
    EXPECT_EQ(rules.enter({3, 5}, "High").next, (Cell{12, 1}));
    const CellEditRules::Result last = rules.enter({12, 6}, "Lock");
    EXPECT_EQ(last.next, (Cell{0, 0}));
    EXPECT_TRUE(last.leavesGrid);
    EXPECT_EQ(document.sheet().cellText(4, 1), "") << "the channel after it is untouched";
}

} // namespace
} // namespace tarn
