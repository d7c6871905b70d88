#include "data/ChannelDocument.h"

#include "data/ChannelCodec.h"
#include "data/DocumentState.h"

#include <gtest/gtest.h>

#include <functional>
#include <numeric>
#include <random>
#include <string>
#include <tuple>
#include <vector>

namespace tarn {
namespace {

constexpr int Count = 199;
constexpr std::size_t Marker = 13; // a byte no cell shows: which channel a row came from

struct Channel {
    const char* rx;
    const char* tx;
    const char* dec;
    const char* enc;
    std::uint8_t powerBits; // bits 5-4 of byte 12
};

// 1-6 programmed in ways each key tells apart, 3 empty; power 11 on channel 4.
const std::vector<Channel> Programmed{
    {"146.52", "146.52", "D245N", "OFF", 2},
    {"145.5", "145.5", "67.0", "D023I", 0},
    {"", "", "OFF", "OFF", 1},
    {"433.5", "", "D246N", "100.0", 3},
    {"145.5", "145.5", "OFF", "67.0", 1},
    {"", "440", "100.0", "OFF", 0},
};

RadioImage testImage() {
    RadioImage image = RadioImage::newDocument();
    std::mt19937 random(24);
    for (int ch = 1; ch <= Count; ++ch) {
        auto row = image.row(static_cast<std::size_t>(ch - 1));
        for (auto& b : row)
            b = static_cast<std::uint8_t>(random());
        ChannelCodec::encodeFrequency(0, row.subspan<0, 4>());
        ChannelCodec::encodeFrequency(0, row.subspan<4, 4>());
        row[Marker] = static_cast<std::uint8_t>(ch);
        if (ch > static_cast<int>(Programmed.size()))
            continue;
        const Channel& c = Programmed[static_cast<std::size_t>(ch - 1)];
        ChannelCodec::encodeFrequency(ChannelCodec::frequencyUnits(c.rx), row.subspan<0, 4>());
        ChannelCodec::encodeFrequency(ChannelCodec::frequencyUnits(c.tx), row.subspan<4, 4>());
        std::tie(row[9], row[8]) = ChannelCodec::encodeTone(c.dec);
        std::tie(row[11], row[10]) = ChannelCodec::encodeTone(c.enc);
        row[12] = static_cast<std::uint8_t>((row[12] & 0xCF) | (c.powerBits << 4));
    }
    return image;
}

// The order as the rows' markers tell it, for the first channels.
std::vector<int> markers(const RadioImage& image, int first) {
    std::vector<int> found;
    for (int ch = 1; ch <= first; ++ch)
        found.push_back(image.row(static_cast<std::size_t>(ch - 1))[Marker]);
    return found;
}

// Every channel's image row and parsed row, rearranged as the order says.
RadioImage permuted(const RadioImage& image, const std::vector<int>& order) {
    RadioImage moved = image;
    for (std::size_t i = 0; i < order.size(); ++i) {
        const auto from = image.row(static_cast<std::size_t>(order[i] - 1));
        std::copy(from.begin(), from.end(), moved.row(i).begin());
    }
    return moved;
}

std::vector<int> fullOrder(std::vector<int> head) {
    std::vector<int> order = head;
    for (int ch = 1; ch <= Count; ++ch) {
        if (std::find(head.begin(), head.end(), ch) == head.end())
            order.push_back(ch);
    }
    return order;
}

class ChannelOrderTest : public ::testing::Test {
protected:
    ChannelOrderTest() { document.takeImage(testImage()); }

    [[nodiscard]] DocumentState state() const {
        return DocumentState::capture(document.sheet(), document.image(), document.channelCount());
    }

    ChannelDocument document;
};

using Sort = ChannelOrder::Sort;
using Key = ChannelOrder::Key;

TEST_F(ChannelOrderTest, EachReorderMovesWholeRowsAndUndoesByteForByte) {
    const std::vector<int> one{1, 2, 5};
    const std::vector<int> two{2, 5};
    const std::vector<int> block{5, 6};
    const std::vector<int> edge{5, 199};
    const std::vector<int> top{1, 2};
    struct Case {
        const char* name;
        std::function<void(ChannelDocument&)> run;
        std::vector<int> head; // the order's start; the rest keep theirs
        const char* step;
    };
    const std::vector<Case> cases{
        {"rx ascending",
         [](auto& d) {
             d.sortChannels(Sort{Key::RxFreq, false}, {});
         },
         {2, 5, 1, 4, 3, 6},
         "Sort Channels"},
        {"rx descending",
         [](auto& d) {
             d.sortChannels(Sort{Key::RxFreq, true}, {});
         },
         {4, 1, 2, 5, 3, 6},
         "Sort Channels"},
        {"tx, no value last",
         [](auto& d) {
             d.sortChannels(Sort{Key::TxFreq, false}, {});
         },
         {2, 5, 1, 6, 3, 4},
         "Sort Channels"},
        {"power, the unnamed value after Low",
         [](auto& d) {
             d.sortChannels(Sort{Key::Power, false}, {});
         },
         {1, 5, 2, 6, 4, 3},
         "Sort Channels"},
        {"dec tone in list order",
         [](auto& d) {
             d.sortChannels(Sort{Key::DecTone, false}, {});
         },
         {5, 2, 6, 4, 1, 3},
         "Sort Channels"},
        {"enc tone descending",
         [](auto& d) {
             d.sortChannels(Sort{Key::EncTone, true}, {});
         },
         {2, 4, 5, 1, 6, 3},
         "Sort Channels"},
        {"only the selected, among their places",
         [&](auto& d) {
             d.sortChannels(Sort{Key::RxFreq, false}, one);
         },
         {2, 5, 3, 4, 1},
         "Sort Channels"},
        {"move up",
         [&](auto& d) {
             EXPECT_EQ(d.moveChannels(two, -1), (std::vector{1, 4}));
         },
         {2, 1, 3, 5, 4},
         "Move Up"},
        {"move down, the last stays",
         [&](auto& d) {
             EXPECT_EQ(d.moveChannels(edge, 1), (std::vector{6, 199}));
         },
         {1, 2, 3, 4, 6, 5},
         "Move Down"},
        {"drag a block up",
         [&](auto& d) {
             EXPECT_EQ(d.moveChannelsTo(block, 2), (std::vector{2, 3}));
         },
         {1, 5, 6, 2, 3, 4},
         "Move 2 Channels"},
        {"drag a block to the end",
         [&](auto& d) {
             EXPECT_EQ(d.moveChannelsTo(top, Count + 1), (std::vector{198, 199}));
         },
         {},
         "Move 2 Channels"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        document.takeImage(testImage());
        const DocumentState before = state();
        const RadioImage parsed = document.currentImage();
        std::vector<int> order = fullOrder(c.head);
        if (c.head.empty()) {
            order = fullOrder({});
            std::rotate(order.begin(), order.begin() + 2, order.end());
        }
        c.run(document);
        EXPECT_EQ(markers(document.image(), Count), order);
        // Hidden bits, power 11 and unparsed texts all travel with their channels.
        EXPECT_EQ(document.image(), permuted(before.image, order));
        EXPECT_EQ(document.currentImage(), permuted(parsed, order));
        EXPECT_EQ(document.history().undoName(), c.step);
        EXPECT_TRUE(document.isModified());
        const DocumentState after = state();
        ASSERT_TRUE(document.undo());
        EXPECT_EQ(state(), before);
        ASSERT_TRUE(document.redo());
        EXPECT_EQ(state(), after);
    }
}

TEST_F(ChannelOrderTest, AReorderOfNothingRecordsNoStep) {
    const std::vector<int> top{1, 2};
    const std::vector<int> last{Count};
    const std::vector<int> none;
    const std::vector<int> outside{0, 200};
    const std::vector<std::pair<const char*, std::function<void()>>> cases{
        {"move the top up", [&] { (void)document.moveChannels(top, -1); }},
        {"move the last down", [&] { (void)document.moveChannels(last, 1); }},
        {"move nothing", [&] { (void)document.moveChannels(none, 1); }},
        {"move channels that do not exist", [&] { (void)document.moveChannels(outside, -1); }},
        {"drag onto itself", [&] { (void)document.moveChannelsTo(top, 2); }},
        {"sort one channel", [&] { EXPECT_FALSE(document.sortChannels({}, last)); }},
    };
    for (const auto& [name, run] : cases) {
        SCOPED_TRACE(name);
        const DocumentState before = state();
        run();
        EXPECT_EQ(state(), before);
        EXPECT_FALSE(document.history().canUndo());
        EXPECT_FALSE(document.isModified());
    }
    ASSERT_TRUE(document.sortChannels({}, {}));
    EXPECT_FALSE(document.sortChannels({}, {})) << "sorted already";
    ASSERT_TRUE(document.undo());
    EXPECT_FALSE(document.history().canUndo()) << "the second sort was no step";
}

TEST_F(ChannelOrderTest, EachColumnSortsByItsValueAndChannelsWithoutOneHaveNoKey) {
    document.sheet().setCellText(1, ChannelCodec::LockColumn, "Lock");
    document.sheet().setCellText(2, ChannelCodec::LockColumn, "UnLock");
    const auto key = [this](int channel, int column) {
        return ChannelOrder::columnKey(document.sheet(), document.image(), channel, column);
    };
    using Keys = std::vector<std::optional<long>>;
    const auto keys = [&key](int column, std::vector<int> channels) {
        Keys found;
        for (const int channel : channels)
            found.push_back(key(channel, column));
        return found;
    };
    EXPECT_EQ(keys(ChannelCodec::RxFreqColumn, {1, 3, 6}), (Keys{14652000, {}, {}}));
    EXPECT_EQ(keys(ChannelCodec::TxFreqColumn, {1, 4, 6}), (Keys{14652000, {}, 44000000}));
    // High, Low, power 11 (no name), Middle.
    EXPECT_EQ(keys(ChannelCodec::PowerColumn, {1, 2, 4, 5, 3}), (Keys{0, 2, 3, 1, {}}));
    EXPECT_EQ(keys(ChannelCodec::LockColumn, {1, 2, 3}), (Keys{0, 1, {}}));
    // Tones in the tone list's order: OFF, then 67.0, then the codes.
    EXPECT_LT(key(5, ChannelCodec::DecColumn), key(2, ChannelCodec::DecColumn));
    EXPECT_LT(key(2, ChannelCodec::DecColumn), key(1, ChannelCodec::DecColumn));
    EXPECT_EQ(key(3, ChannelCodec::DecColumn), std::nullopt);
    EXPECT_EQ(key(1, ChannelCodec::NumberColumn), std::nullopt);
    EXPECT_EQ(key(1, ChannelCodec::ColumnCount), std::nullopt);
}

TEST(ChannelOrderKeys, CommandLineNamesAndTitles) {
    const std::vector<std::tuple<const char*, std::optional<Key>, const char*>> cases{
        {"rx", Key::RxFreq, "RX Freq"},
        {"tx", Key::TxFreq, "TX Freq"},
        {"dec", Key::DecTone, "QT/DQT Dec"},
        {"enc", Key::EncTone, "QT/DQT Enc"},
        {"power", Key::Power, "TX Power"},
        {"RX", std::nullopt, ""},
        {"", std::nullopt, ""},
    };
    for (const auto& [name, key, title] : cases) {
        EXPECT_EQ(ChannelOrder::keyNamed(name), key) << name;
        if (key) {
            EXPECT_STREQ(ChannelOrder::keyTitle(*key), title);
        }
    }
}

} // namespace
} // namespace tarn
