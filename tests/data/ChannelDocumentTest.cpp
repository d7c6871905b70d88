#include "data/ChannelDocument.h"
#include "data/ChannelCodec.h"
#include "data/ChannelCsvImport.h"
#include "data/PendingEdit.h"
#include "data/ToneTable.h"

#include <gtest/gtest.h>

#include <random>
#include <tuple>
#include <utility>
#include <vector>

namespace tarn {
namespace {

struct RecordingObserver final : SheetObserver {
    void cellChanged(int row, int column) override { cells.emplace_back(row, column); }
    void sheetReset() override { ++resets; }
    std::vector<std::pair<int, int>> cells;
    int resets = 0;
};

struct ScriptedEdit final : PendingEdit {
    [[nodiscard]] bool hasPendingChange() const override { return pending; }
    [[nodiscard]] bool storePendingEdit() override {
        ++stores;
        if (accepts)
            pending = false;
        return accepts;
    }
    bool pending = false;
    bool accepts = true;
    int stores = 0;
};

// Random images of valid channels (every power value among them), random bytes elsewhere.
RadioImage randomImage(std::mt19937& random, const ToneTable& tones) {
    auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    RadioImage image;
    for (auto& b : image.bytes())
        b = static_cast<std::uint8_t>(pick(256));
    image[RadioImage::ModelTypeOffset] = static_cast<std::uint8_t>(pick(8));
    for (std::size_t r = 0; r < RadioImage::MaxChannels; ++r) {
        auto row = image.row(r);
        const std::uint32_t step = pick(2) ? 625 : 500;
        const auto units = [&] {
            return 10000000 + step * static_cast<std::uint32_t>(pick(80001));
        };
        const bool programmed = pick(3) != 0;
        ChannelCodec::encodeFrequency(programmed ? units() : 0, row.subspan<0, 4>());
        ChannelCodec::encodeFrequency(programmed && pick(4) ? units() : 0, row.subspan<4, 4>());
        std::tie(row[9], row[8]) = ChannelCodec::encodeTone(tones.at(pick(265)));
        std::tie(row[11], row[10]) = ChannelCodec::encodeTone(tones.at(pick(265)));
    }
    return image;
}

// Render -> sheet -> parse gives the image back, except that a channel row without
// frequencies loses its power and lock bits.
TEST(ChannelDocumentContract, ParsingTheRenderedSheetGivesTheImageBack) {
    const ToneTable tones;
    std::mt19937 random(1207);
    for (int round = 0; round < 30; ++round) {
        const RadioImage original = randomImage(random, tones);
        ChannelDocument document;
        document.takeImage(original);
        RadioImage expected = original;
        for (int r = 0; r < document.channelCount(); ++r) {
            if (!ChannelCodec::isProgrammed(expected.row(static_cast<std::size_t>(r))))
                expected.row(static_cast<std::size_t>(r))[12] &= 0xC7;
        }
        document.parseSheet();
        ASSERT_EQ(document.image(), expected) << "round " << round;
        ASSERT_FALSE(document.isModified());
    }
}

TEST(ChannelDocumentSheet, StoredValuesReachObserversAndMarkTheDocument) {
    ChannelDocument document;
    document.initNew();
    RecordingObserver a;
    RecordingObserver b;
    document.sheet().addObserver(a);
    document.sheet().addObserver(b);

    document.storeCell(4, ChannelCodec::RxFreqColumn, "145.50000");
    EXPECT_TRUE(document.isModified());
    EXPECT_EQ(a.cells, (std::vector<std::pair<int, int>>{{4, 1}}));
    EXPECT_EQ(b.cells, a.cells);

    // The same text again is no change.
    document.setModified(false);
    document.storeCell(4, ChannelCodec::RxFreqColumn, "145.50000");
    EXPECT_FALSE(document.isModified());
    EXPECT_EQ(a.cells.size(), 1U);

    // A render is one reset, however many cells it fills.
    document.sheet().removeObserver(b);
    document.image()[RadioImage::ModelTypeOffset] = 4;
    document.takeImage(document.image());
    EXPECT_EQ(a.resets, 1);
    EXPECT_EQ(b.resets, 0);
    EXPECT_EQ(document.sheet().rowCount(), 161);
    EXPECT_EQ(document.sheet().cellText(4, ChannelCodec::RxFreqColumn), "");
    document.sheet().removeObserver(a);
}

TEST(ChannelDocumentRead, OnlyTheBlocksReadReplaceTheImage) {
    ChannelDocument document;
    document.initNew();
    const RadioImage before = document.image();
    RadioImage received;
    for (std::size_t i = 0; i < RadioImage::Size; ++i)
        received[i] = static_cast<std::uint8_t>(i * 7);
    received[RadioImage::ModelTypeOffset] = 5;
    ChannelCodec::encodeFrequency(14652500, received.row(0).subspan<0, 4>());

    document.takeReceived(received);
    for (std::size_t i = 0; i < RadioImage::Size; ++i) {
        const bool read =
            i < RadioImage::ChannelAreaEnd || (i >= RadioImage::SettingsBegin && i < 0x1FE8);
        ASSERT_EQ(document.image()[i], read ? received[i] : before[i]) << i;
    }
    EXPECT_EQ(document.channelCount(), 160);
    EXPECT_EQ(document.sheet().rowCount(), 161);
    EXPECT_EQ(document.sheet().cellText(1, ChannelCodec::RxFreqColumn), "146.52500");
    EXPECT_TRUE(document.isModified());
}

TEST(ChannelDocumentPending, OpenEditsCountAsChangesAndAreStoredInTurn) {
    ChannelDocument document;
    document.initNew();
    ScriptedEdit first;
    ScriptedEdit second;
    document.addPendingEdit(first);
    document.addPendingEdit(second);
    EXPECT_FALSE(document.isChanged());

    second.pending = true;
    EXPECT_TRUE(document.isChanged());
    EXPECT_FALSE(document.isModified());

    // A refused value stops the route where it stands.
    first.pending = true;
    first.accepts = false;
    EXPECT_FALSE(document.storePendingEdits());
    EXPECT_EQ(second.stores, 0);
    EXPECT_TRUE(document.isChanged());

    first.accepts = true;
    EXPECT_TRUE(document.storePendingEdits());
    EXPECT_EQ(second.stores, 1);
    EXPECT_FALSE(document.isChanged());

    document.removePendingEdit(first);
    document.removePendingEdit(second);
    EXPECT_TRUE(document.storePendingEdits());
    EXPECT_EQ(second.stores, 1);
}

TEST(ChannelDocumentUndo, AnImportAndANestedStoreAreOneStepEach) {
    ChannelDocument document;
    document.initNew();
    const ChannelCsvImport list =
        ChannelCsvImport::read("Location,Frequency\n3,146.52\n", document.channelCount());
    ASSERT_TRUE(list.accepted());
    document.importChannels(list);
    {
        const ChannelDocument::Change outer(document, "Both");
        document.storeCell(5, ChannelCodec::RxFreqColumn, "145.50000");
        document.storeCell(5, ChannelCodec::TxFreqColumn, "145.50000");
    }
    EXPECT_EQ(document.history().undoName(), "Both");
    ASSERT_TRUE(document.undo());
    EXPECT_EQ(document.sheet().cellText(5, ChannelCodec::TxFreqColumn), "");
    EXPECT_EQ(document.history().undoName(), "Import Channels");
    ASSERT_TRUE(document.undo());
    EXPECT_EQ(document.sheet().cellText(3, ChannelCodec::RxFreqColumn), "");
    EXPECT_FALSE(document.isModified());
    EXPECT_FALSE(document.undo());
}

} // namespace
} // namespace tarn
