#include "data/CellValueStore.h"

#include "data/ChannelCodec.h"
#include "data/ChannelDocument.h"
#include "data/ChannelRules.h"
#include "data/ChannelTable.h"
#include "data/ToneTable.h"
#include "tests/support/TestPrompter.h"
#include "tests/support/TypedNames.h"

#include <gtest/gtest.h>

namespace tarn {
namespace {

const std::string Caption = "Vizuruzu DizaRido";
const std::string RangeText = "Error Data Format，Please input again";
const std::string StepText = "Error data Value，Please input according the step value(6.25K/5k)";

class CellValueStoreTest : public ::testing::Test {
protected:
    CellValueStoreTest() {
        document.initNew();
        // Channel 1 is programmed, with a tone to lose.
        const std::vector<std::string> row{"146.52000", "146.52000", "100.0",
                                           "D023N",     "Low",       "Lock"};
        for (int c = 1; c <= 6; ++c)
            document.sheet().setCellText(1, c, row[static_cast<std::size_t>(c - 1)]);
    }
    [[nodiscard]] std::string cell(int row, int col) const {
        return document.sheet().cellText(row, col);
    }
    // One line of a pasted table with the given tone, power and lock cells.
    [[nodiscard]] static ChannelTable::Rows
    pasted(const std::string& tone, const std::string& power, const std::string& lock) {
        return ChannelTable::read("1\t146.52\t146.52\t" + tone + "\tOFF\t" + power + "\t" + lock,
                                  true);
    }

    ChannelDocument document;
    const ToneTable tones;
    test::TestPrompter prompter;
    CellValueStore store{document, tones, prompter, Caption};
};

TEST_F(CellValueStoreTest, EveryPathTakesATypedToneByTheSameRule) {
    for (const test::TypedName& c : test::typedTones()) {
        prompter.clear();
        // The grid's rule.
        EXPECT_EQ(store.toneValue(1, c.typed).value_or(""), c.stored) << c.typed;
        if (c.stored.empty())
            prompter.answer(PromptAnswer::Ok);
        EXPECT_EQ(store.storeTone(1, {ChannelCodec::DecColumn}, c.typed), !c.stored.empty())
            << c.typed;
        EXPECT_EQ(cell(1, ChannelCodec::DecColumn), c.stored.empty() ? "100.0" : c.stored)
            << c.typed << ": a refusal keeps the stored tone";
        if (c.stored.empty()) {
            ASSERT_EQ(prompter.prompts().size(), 1u) << c.typed;
            EXPECT_EQ(prompter.prompts()[0].text, "Please choose a tone or code from the list");
            EXPECT_EQ(prompter.prompts()[0].caption, Caption);
        }
        store.store(1, ChannelCodec::DecColumn, "100.0");
        // Paste and tarn-cli apply.
        const ChannelTable::Rows table = pasted(c.typed, "", "");
        EXPECT_EQ(table.errors.empty(), !c.stored.empty())
            << c.typed << (table.errors.empty() ? "" : table.errors[0]);
        if (table.errors.empty()) {
            EXPECT_EQ(table.rows.at(0).cells[ChannelCodec::DecColumn], c.stored) << c.typed;
        }
    }
}

TEST_F(CellValueStoreTest, EveryPathTakesPowerAndLockNamesInAnyCase) {
    for (const auto& [cases, col] : {std::pair(&test::typedPowers(), ChannelCodec::PowerColumn),
                                     std::pair(&test::typedLocks(), ChannelCodec::LockColumn)}) {
        for (const test::TypedName& c : *cases) {
            store.store(1, col, col == ChannelCodec::PowerColumn ? "Low" : "UnLock");
            const std::string before = cell(1, col);
            store.storeChoice(1, col, c.typed);
            EXPECT_EQ(cell(1, col), c.stored.empty() ? before : c.stored) << c.typed;
            const ChannelTable::Rows table = col == ChannelCodec::PowerColumn
                                                 ? pasted("OFF", c.typed, "")
                                                 : pasted("OFF", "", c.typed);
            EXPECT_EQ(table.errors.empty(), !c.stored.empty())
                << c.typed << (table.errors.empty() ? "" : table.errors[0]);
            if (table.errors.empty()) {
                EXPECT_EQ(table.rows.at(0).cells[static_cast<std::size_t>(col)], c.stored);
            }
        }
    }
    EXPECT_TRUE(prompter.prompts().empty());
}

TEST_F(CellValueStoreTest, EmptyTonesAndRowsWithoutFrequenciesKeepTheirRules) {
    EXPECT_EQ(store.toneValue(1, ""), "OFF");
    EXPECT_EQ(store.toneValue(1, "  "), "OFF");
    EXPECT_EQ(store.toneValue(2, "100"), "") << "a row without frequencies";
    EXPECT_EQ(store.toneValue(2, "junk"), "");
    EXPECT_EQ(pasted("", "", "").rows.at(0).cells[ChannelCodec::DecColumn], "");
}

TEST_F(CellValueStoreTest, ARefusedFrequencyStoresAndEmptiesNothing) {
    struct Case {
        const char* typed;
        std::string message;
    };
    const std::vector<Case> cases = {
        {"146.523", StepText},
        {"99", RangeText + "\nThe frequency must lie between 100 and 600 MHz."},
        {"600.00001", RangeText + "\nThe frequency must lie between 100 and 600 MHz."},
        {"-145", RangeText + "\nThe frequency must lie between 100 and 600 MHz."},
        {"abc", RangeText + "\nThis is not a number."},
        {" x146", RangeText + "\nThis is not a number."},
    };
    for (const auto emptying :
         {CellValueStore::Emptying::OnLeave, CellValueStore::Emptying::OnEnter}) {
        for (const Case& c : cases) {
            prompter.clear();
            prompter.answer(PromptAnswer::Ok);
            EXPECT_FALSE(store.storeFrequency(1, ChannelCodec::RxFreqColumn, c.typed, emptying));
            EXPECT_EQ(prompter.texts(), std::vector<std::string>{c.message}) << c.typed;
            EXPECT_EQ(cell(1, ChannelCodec::RxFreqColumn), "146.52000") << c.typed;
            EXPECT_EQ(cell(1, ChannelCodec::DecColumn), "100.0") << c.typed;
        }
    }
    EXPECT_FALSE(document.history().canUndo()) << "a refusal is no step";
}

TEST_F(CellValueStoreTest, TheRangeEdgesPassAndOneStepBeyondDoesNot) {
    std::string kept;
    for (const auto& [typed, stored] :
         {std::pair("100", "100.00000"), std::pair("99.99375", ""), std::pair("600", "600.00000"),
          std::pair("600.00625", "")}) {
        prompter.clear();
        const bool refused = std::string(stored).empty();
        if (refused)
            prompter.answer(PromptAnswer::Ok);
        EXPECT_EQ(store.storeFrequency(2, ChannelCodec::RxFreqColumn, typed,
                                       CellValueStore::Emptying::OnEnter),
                  !refused)
            << typed;
        if (!refused)
            kept = stored;
        EXPECT_EQ(cell(2, ChannelCodec::RxFreqColumn), kept) << typed;
    }
}

} // namespace
} // namespace tarn
