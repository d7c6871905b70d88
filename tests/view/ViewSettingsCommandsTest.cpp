#include "view/ChannelView.h"

#include "data/ChannelCodec.h"
#include "data/ChannelDocument.h"
#include "data/ToneTable.h"
#include "tests/dialogs/DialogControls.h"
#include "tests/support/TestPrompter.h"

#include <QApplication>
#include <QDialog>
#include <QSignalSpy>
#include <QTimer>

#include <functional>

namespace tarn {
namespace {

// Runs the action on the modal dialog that the next command opens.
void whenDialogOpens(std::function<void(QDialog&)> action) {
    QTimer::singleShot(0, [action] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        action(*dialog);
    });
}

class ViewSettingsCommandsTest : public ::testing::Test {
protected:
    void open(std::uint8_t model) {
        RadioImage image = RadioImage::newDocument();
        image[RadioImage::ModelTypeOffset] = model;
        ChannelCodec::encodeFrequency(14652500, image.row(170).subspan<0, 4>());
        document.takeImage(image);
        view.initialUpdate();
    }
    [[nodiscard]] QString cell(long row, long col) { return view.grid().textMatrix(row, col); }

    ChannelDocument document;
    const ToneTable tones;
    test::TestPrompter prompter;
    ChannelView view{document, tones, prompter};
};

TEST_F(ViewSettingsCommandsTest, ModelChoiceGrowsTheGridWithTheChannelsTheImageHolds) {
    open(4);
    ASSERT_EQ(view.grid().rows(), 161);
    view.grid().setTextMatrix(3, 1, "145.00000"); // an edit not parsed yet
    QSignalSpy rowsChanged(&view, &ChannelView::channelRowsChanged);
    whenDialogOpens([](QDialog& dialog) {
        test::box(dialog, 1017)->setCurrentIndex(0);
        test::clickButton(dialog, 1);
    });
    view.runCommand(ChannelView::ModelInformationCommand);
    EXPECT_EQ(document.channelCount(), 199);
    EXPECT_EQ(view.grid().rows(), 200);
    EXPECT_EQ(cell(171, 1), "146.52500");
    EXPECT_EQ(cell(199, 0), "199");
    EXPECT_EQ(cell(3, 1), "145.00000");
    EXPECT_EQ(rowsChanged.count(), 1);
    EXPECT_TRUE(document.isModified());
}

TEST_F(ViewSettingsCommandsTest, CancelKeepsTheRowsAndTheDocument) {
    open(0);
    const RadioImage before = document.image();
    whenDialogOpens([](QDialog& dialog) { test::clickButton(dialog, 2); });
    view.runCommand(ChannelView::ModelInformationCommand);
    EXPECT_EQ(view.grid().rows(), 200);
    EXPECT_EQ(document.image(), before);
    EXPECT_FALSE(document.isModified());
}

TEST_F(ViewSettingsCommandsTest, OptionalFeaturesEditTheSettingsBlock) {
    open(0);
    whenDialogOpens([](QDialog& dialog) { test::clickButton(dialog, 1); });
    view.runCommand(ChannelView::OptionalFeaturesCommand);
    // A new document's OK stores the two settings it shows but does not hold yet.
    EXPECT_NE(document.image()[0x1FE4], 0xFF);
    EXPECT_NE(document.image()[0x1FE7], 0xFF);
    EXPECT_EQ(view.grid().rows(), 200);
}

} // namespace
} // namespace tarn
