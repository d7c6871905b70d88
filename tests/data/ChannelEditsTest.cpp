#include "data/ChannelEdits.h"

#include "data/ChannelTable.h"
#include "data/DocumentState.h"
#include "data/TextGrid.h"
#include "data/UndoHistory.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>

namespace tarn {
namespace {

constexpr int Count = 199;

// A document whose channels all differ, with bits no cell shows in every row.
class ChannelEditsTest : public ::testing::Test {
protected:
    ChannelEditsTest() {
        std::mt19937 random(7);
        for (int ch = 1; ch <= Count; ++ch) {
            auto row = image.row(static_cast<std::size_t>(ch - 1));
            const unsigned units = 14000000 + static_cast<unsigned>(ch) * 625;
            ChannelCodec::encodeFrequency(units, row.subspan<0, 4>());
            ChannelCodec::encodeFrequency(units, row.subspan<4, 4>());
            row[12] = static_cast<std::uint8_t>(random() & 0xC7) | 0x10;
            row[13] = static_cast<std::uint8_t>(ch);
        }
        ChannelCodec::render(image, cells, Count);
    }

    [[nodiscard]] DocumentState state() const {
        return DocumentState::capture(cells, image, Count);
    }
    [[nodiscard]] std::vector<std::uint8_t> rowBytes(int channel) const {
        const auto row = image.row(static_cast<std::size_t>(channel - 1));
        return {row.begin(), row.end()};
    }
    [[nodiscard]] ChannelClip copy(std::vector<int> channels) const {
        return ChannelClip::of(cells, image, channels);
    }

    void put(const DocumentState& s) {
        image = s.image;
        s.restoreCells(cells);
    }

    TextGrid cells;
    RadioImage image = RadioImage::newDocument();
    ChannelEdits edits{cells, image, Count};
};

TEST_F(ChannelEditsTest, EveryEditUndoesAndRedoesByteForByte) {
    const ChannelClip rows = copy({5, 6});
    ChannelClip text = rows;
    text.rows.clear();
    const std::vector<std::pair<const char*, std::function<void()>>> commands{
        {"clear",
         [&] {
             edits.clear(std::vector{3, 4});
         }},
        {"insert", [&] { EXPECT_EQ(edits.insert(2), ChannelEdits::Inserted::Done); }},
        {"delete",
         [&] {
             edits.remove(std::vector{1, 7, 199});
         }},
        {"paste rows", [&] { EXPECT_EQ(edits.paste(150, rows).count, 2); }},
        {"paste text", [&] { EXPECT_EQ(edits.paste(10, text).count, 2); }},
        {"store", [&] { cells.setCellText(9, ChannelCodec::LockColumn, "Lock"); }},
    };
    UndoHistory history;
    std::vector<DocumentState> states{state()};
    for (const auto& [name, command] : commands) {
        command();
        EXPECT_TRUE(history.record(name, states.back(), state())) << name;
        states.push_back(state());
    }
    for (std::size_t i = commands.size(); i > 0; --i) {
        EXPECT_EQ(history.undoName(), commands[i - 1].first);
        put(history.undo());
        EXPECT_EQ(state(), states[i - 1]) << "undo " << commands[i - 1].first;
    }
    EXPECT_FALSE(history.canUndo());
    for (std::size_t i = 1; i <= commands.size(); ++i) {
        EXPECT_EQ(history.redoName(), commands[i - 1].first);
        put(history.redo());
        EXPECT_EQ(state(), states[i]) << "redo " << commands[i - 1].first;
    }
}

TEST_F(ChannelEditsTest, InsertMovesChannelsOnlyIntoTheFirstEmptyChannelBelow) {
    const std::vector<int> noHoles;
    struct Case {
        const char* name;
        std::vector<int> emptied; // channels emptied first
        int at;
        ChannelEdits::Inserted expected;
        int hole; // the channel that took the last one moved; 0 when nothing moved
    };
    const std::vector<Case> cases = {
        {"room further down", {6, 9}, 2, ChannelEdits::Inserted::Done, 6},
        {"room in the last channel", {Count}, 1, ChannelEdits::Inserted::Done, Count},
        {"only above", {1}, 2, ChannelEdits::Inserted::NoRoom, 0},
        {"no empty channel", noHoles, 5, ChannelEdits::Inserted::NoRoom, 0},
        {"at the last channel, full", noHoles, Count, ChannelEdits::Inserted::NoRoom, 0},
        {"at an empty channel", {7}, 7, ChannelEdits::Inserted::AlreadyEmpty, 0},
    };
    const DocumentState full = state();
    for (const Case& c : cases) {
        put(full);
        edits.clear(c.emptied);
        const DocumentState before = state();
        const auto moved = rowBytes(c.at);
        const auto belowHole = c.hole < Count ? rowBytes(c.hole + 1) : std::vector<std::uint8_t>();
        EXPECT_EQ(edits.insert(c.at), c.expected) << c.name;
        if (c.hole == 0) {
            EXPECT_EQ(state(), before) << c.name << ": nothing changes";
            continue;
        }
        EXPECT_EQ(rowBytes(c.at + 1), moved) << c.name;
        EXPECT_EQ(rowBytes(c.at), std::vector<std::uint8_t>(16, 0xFF)) << c.name;
        EXPECT_EQ(cells.cellText(c.at, 1), "") << c.name;
        if (c.hole < Count) {
            EXPECT_EQ(rowBytes(c.hole + 1), belowHole) << c.name << ": below the hole stays";
        }
        for (int ch = 1; ch <= Count; ++ch) {
            EXPECT_EQ(edits.isEmpty(ch),
                      ch == c.at ||
                          (ch != c.hole && std::count(c.emptied.begin(), c.emptied.end(), ch) != 0))
                << c.name << " channel " << ch;
        }
    }
    EXPECT_EQ(ChannelEdits::noRoom(12), "No empty channel below channel 12 to make room");
}

TEST_F(ChannelEditsTest, AChannelTypedButNotSavedIsNoRoomForInsert) {
    // The cells are what the user sees; the image row of a new channel is still blank.
    edits.clear(std::vector{4});
    cells.setCellText(4, ChannelCodec::TxFreqColumn, "146.52000");
    EXPECT_EQ(edits.insert(2), ChannelEdits::Inserted::NoRoom);
    EXPECT_EQ(cells.cellText(4, ChannelCodec::TxFreqColumn), "146.52000");
}

TEST_F(ChannelEditsTest, DeleteCarriesWholeRowsAndLeavesEmptyChannelsAtTheEnd) {
    const auto second = rowBytes(2);
    const std::string secondText = cells.cellText(2, 1);
    edits.remove(std::vector{1, 5});
    EXPECT_EQ(rowBytes(1), second);
    EXPECT_EQ(cells.cellText(1, 1), secondText);
    EXPECT_EQ(rowBytes(Count - 1), std::vector<std::uint8_t>(16, 0xFF));
    EXPECT_EQ(cells.cellText(Count, 2), "");
}

TEST_F(ChannelEditsTest, PastedTextKeepsTheTargetsHiddenBitsAndTarnRowsBringTheirs) {
    ChannelClip text = copy({40});
    const ChannelClip rows = text;
    text.rows.clear();
    const auto target = rowBytes(60);
    ASSERT_EQ(edits.paste(60, text).count, 1);
    EXPECT_EQ(rowBytes(60), target);
    EXPECT_EQ(cells.cellText(60, 1), cells.cellText(40, 1));
    ASSERT_EQ(edits.paste(61, rows).count, 1);
    EXPECT_EQ(rowBytes(61), rowBytes(40));
}

TEST_F(ChannelEditsTest, AChirpListPastesInListOrderOverTheTargetsHiddenBits) {
    const std::string header = "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,"
                               "DtcsCode,DtcsPolarity,RxDtcsCode,CrossMode,Mode,TStep,Skip,Power\n";
    const std::string list = header +
                             "40,A,146.520000,,0.000000,,88.5,88.5,023,NN,023,,FM,5.00,,High\n"
                             "7,B,442.100000,+,5.000000,,88.5,88.5,023,NN,023,,FM,6.25,,Low\n";
    const auto target = rowBytes(198);
    ASSERT_EQ(edits.paste(198, {list, {}}).count, 2);
    EXPECT_EQ(cells.cellText(198, 1), "146.52000");
    EXPECT_EQ(cells.cellText(199, 2), "447.10000");
    EXPECT_EQ(rowBytes(198), target);

    const DocumentState before = state();
    const ChannelEdits::Pasted refused = edits.paste(199, {list, {}});
    EXPECT_EQ(refused.errors, std::vector<std::string>{
                                  "The clipboard holds 2 channels; from channel 199 only 1 fit."});
    EXPECT_EQ(state(), before);
}

TEST_F(ChannelEditsTest, ARefusedPasteChangesNothing) {
    const DocumentState before = state();
    const std::string header = ChannelTable::headerLine() + "\n";
    const std::vector<std::pair<std::string, std::string>> cases{
        {"just some words", ChannelEdits::NothingToPaste},
        {header, ChannelEdits::NothingToPaste},
        {header + "1\t145.5\t145.5\tOFF\tOFF\tHigh\tLock\n2\t99\t\t\t\t\t\n",
         "line 3, column RX Freq: \"99\" is not a frequency from 100 to 600 MHz"},
        {"1\t145.5\t145.5\tOFF\tOFF\tHigh\tLock\n2\t145.5\t145.5\tOFF\tOFF\tHigh\tLock\n",
         "The clipboard holds 2 channels; from channel 199 only 1 fit."},
    };
    for (const auto& [clipText, message] : cases) {
        const ChannelEdits::Pasted pasted = edits.paste(199, {clipText, {}});
        EXPECT_EQ(pasted.count, 0);
        ASSERT_EQ(pasted.errors.size(), 1U) << clipText;
        EXPECT_EQ(pasted.errors[0], message);
        EXPECT_EQ(state(), before);
    }
}

TEST_F(ChannelEditsTest, APasteIsCountedInTheChannelsItWouldChange) {
    const std::string header = ChannelTable::headerLine() + "\n";
    const std::string list =
        "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
        "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power\n"
        "40,A,146.520000,,0.000000,,88.5,88.5,023,NN,023,,FM,5.00,,High\n"
        "7,B,442.100000,+,5.000000,,88.5,88.5,023,NN,023,,FM,6.25,,Low\n";
    const std::vector<std::pair<ChannelClip, int>> cases{
        {copy({40}), 1},
        {copy({40, 41, 42}), 3},
        {{copy({40, 41}).text, {}}, 2},
        {{list, {}}, 2},
        {{"just some words", {}}, 0},
        {{header, {}}, 0},
        {{header + "1\t99\t\t\t\t\t\n2\t145.5\t145.5\tOFF\tOFF\tHigh\tLock\n", {}}, 0},
    };
    for (const auto& [clip, channels] : cases)
        EXPECT_EQ(ChannelEdits::channelsIn(clip, Count), channels) << clip.text;
}

TEST(UndoHistoryTest, TheSavedStateIsKnownAgainAndStepsAreBounded) {
    auto stateWith = [](std::uint8_t byte) {
        DocumentState s;
        s.image[0] = byte;
        return s;
    };
    UndoHistory history;
    EXPECT_FALSE(history.record("nothing", stateWith(1), stateWith(1)));
    ASSERT_TRUE(history.record("a", stateWith(0), stateWith(1)));
    history.markSaved();
    ASSERT_TRUE(history.record("b", stateWith(1), stateWith(2)));
    EXPECT_FALSE(history.isAtSaved());
    (void)history.undo();
    EXPECT_TRUE(history.isAtSaved());
    (void)history.undo();
    EXPECT_FALSE(history.isAtSaved());
    // A new step after undoing drops the undone ones, and with them the saved state.
    ASSERT_TRUE(history.record("c", stateWith(0), stateWith(3)));
    EXPECT_FALSE(history.canRedo());
    (void)history.undo();
    EXPECT_FALSE(history.isAtSaved());

    history.clear();
    for (int i = 0; i < 150; ++i)
        ASSERT_TRUE(
            history.record("step", stateWith(std::uint8_t(i)), stateWith(std::uint8_t(i + 1))));
    int undone = 0;
    for (; history.canUndo(); ++undone)
        (void)history.undo();
    EXPECT_EQ(undone, 100);
}

} // namespace
} // namespace tarn
