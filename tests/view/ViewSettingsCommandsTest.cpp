#include "view/ChannelView.h"

#include "data/ChannelCodec.h"
#include "data/ChannelDocument.h"
#include "data/ToneTable.h"
#include "qtsupport/CommandIds.h"
#include "tests/support/FakeDocumentDialogs.h"
#include "tests/support/TestPrompter.h"

#include <gtest/gtest.h>

namespace tarn {
namespace {

class ViewSettingsCommandsTest : public ::testing::Test {
protected:
    void open(std::uint8_t model) {
        RadioImage image = RadioImage::newDocument();
        image[RadioImage::ModelTypeOffset] = model;
        ChannelCodec::encodeFrequency(14652500, image.row(170).subspan<0, 4>());
        document.takeImage(image);
        view.initialUpdate();
        other.initialUpdate();
    }
    [[nodiscard]] QString cell(const ChannelView& v, int row, int col) const {
        return const_cast<ChannelView&>(v).grid().cellText(row, col);
    }

    ChannelDocument document;
    const ToneTable tones;
    test::TestPrompter prompter;
    test::FakeDocumentDialogs dialogs;
    ChannelView view{document, tones, prompter, dialogs};
    // Another window of the same document.
    ChannelView other{document, tones, prompter, dialogs};
};

TEST_F(ViewSettingsCommandsTest, ModelChoiceGrowsEveryWindowWithTheChannelsTheImageHolds) {
    open(4);
    ASSERT_EQ(view.grid().model()->rowCount(), 160);
    document.storeCell(3, 1, "145.00000"); // an edit not parsed yet
    dialogs.onModelInformation = [](ChannelDocument& d) {
        d.image()[RadioImage::ModelTypeOffset] = 0;
        d.setChannelCount(199);
    };
    view.runCommand(cmd::ModelInformation);
    EXPECT_EQ(dialogs.modelInformationRuns, 1);
    for (const ChannelView* v : {&view, &other}) {
        EXPECT_EQ(const_cast<ChannelView*>(v)->grid().model()->rowCount(), 199);
        EXPECT_EQ(cell(*v, 171, 1), "146.52500");
        EXPECT_EQ(cell(*v, 199, 0), "199");
        EXPECT_EQ(cell(*v, 3, 1), "145.00000");
    }
}

TEST_F(ViewSettingsCommandsTest, ModelChoiceShrinksEveryWindowAndAnEditorOnALostRowCloses) {
    open(0);
    view.grid().setCurrentCell({180, 1});
    view.editing().showEditor(0);
    ASSERT_NE(view.editing().openEditor(), nullptr);
    dialogs.onModelInformation = [](ChannelDocument& d) { d.setChannelCount(160); };
    view.runCommand(cmd::ModelInformation);
    EXPECT_EQ(view.grid().model()->rowCount(), 160);
    EXPECT_EQ(other.grid().model()->rowCount(), 160);
    EXPECT_EQ(view.editing().openEditor(), nullptr);
    EXPECT_EQ(document.sheet().rowCount(), 161);
}

TEST_F(ViewSettingsCommandsTest, OptionalFeaturesOpenOnTheDocument) {
    open(0);
    ChannelDocument* seen = nullptr;
    dialogs.onOptionalFeatures = [&](ChannelDocument& d) { seen = &d; };
    view.runCommand(cmd::OptionalFeatures);
    EXPECT_EQ(seen, &document);
    EXPECT_EQ(view.grid().model()->rowCount(), 199);
}

} // namespace
} // namespace tarn
