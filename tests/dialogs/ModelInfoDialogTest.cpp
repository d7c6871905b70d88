#include "dialogs/ModelInfoDialog.h"
#include "data/ChannelCodec.h"
#include "data/ChannelDocument.h"
#include "data/ModelSettings.h"
#include "tests/dialogs/DialogControls.h"
#include "tests/support/TestPrompter.h"

#include <gtest/gtest.h>

namespace tarn {
namespace {

using test::box;
using test::clickButton;
using test::shown;

constexpr int Model = ModelInfoDialog::ModelTypeId;
constexpr int Band = ModelInfoDialog::FrequencyId;
constexpr int Ok = 1;
constexpr int Cancel = 2;

class ModelInfoDialogTest : public ::testing::Test {
protected:
    ModelInfoDialogTest() { document.initNew(); }

    // A document loaded from a file of a 160-channel model.
    void loadReducedModel(std::uint8_t model) {
        RadioImage image = RadioImage::newDocument();
        image[RadioImage::ModelTypeOffset] = model;
        image[RadioImage::BandOffset] = 2;
        document.takeImage(image);
        ASSERT_EQ(document.channelCount(), 160);
    }

    ChannelDocument document;
    test::TestPrompter prompter;
};

TEST_F(ModelInfoDialogTest, NewDocumentShowsFirstModelAndVhfAndOkKeepsEverything) {
    const RadioImage before = document.image();
    ModelInfoDialog dialog(document, prompter, nullptr);
    EXPECT_EQ(dialog.windowTitle(), "Model Information");
    EXPECT_EQ(shown(dialog, Model).toStdString(), ModelSettings::ModelEntries[0]);
    EXPECT_EQ(shown(dialog, Band), "VHF: 136-174MHz");
    ASSERT_EQ(box(dialog, Model)->count(), 2);
    ASSERT_EQ(box(dialog, Band)->count(), 6);
    EXPECT_EQ(box(dialog, Band)->itemText(5), "400 - 550MHz");
    EXPECT_TRUE(box(dialog, Model)->isEditable());

    clickButton(dialog, Ok);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(document.image(), before);
    EXPECT_EQ(document.channelCount(), 199);
    EXPECT_FALSE(document.isModified());
}

TEST_F(ModelInfoDialogTest, ChoosingTheOtherModelResetsTheBandAndOkStoresBoth) {
    document.image()[RadioImage::BandOffset] = 3;
    ModelInfoDialog dialog(document, prompter, nullptr);
    EXPECT_EQ(shown(dialog, Band), "200 - 299MHz");
    QTest::keyClick(box(dialog, Model), Qt::Key_Up); // already the first model: no change
    EXPECT_EQ(shown(dialog, Band), "200 - 299MHz");

    QTest::keyClick(box(dialog, Model), Qt::Key_Down);
    EXPECT_EQ(shown(dialog, Model).toStdString(), ModelSettings::ModelEntries[1]);
    EXPECT_EQ(shown(dialog, Band), "VHF: 136-174MHz");

    QTest::keyClick(box(dialog, Band), Qt::Key_Down);
    EXPECT_EQ(shown(dialog, Band), "UHF: 400-480MHz");
    clickButton(dialog, Ok);
    EXPECT_EQ(document.image()[RadioImage::ModelTypeOffset], 1);
    EXPECT_EQ(document.image()[RadioImage::BandOffset], 1);
    EXPECT_TRUE(document.isModified());
}

TEST_F(ModelInfoDialogTest, StoredValuesPastTheListsOpenEmpty) {
    document.image()[RadioImage::BandOffset] = 6;
    {
        ModelInfoDialog dialog(document, prompter, nullptr);
        EXPECT_EQ(shown(dialog, Band), "");
        EXPECT_EQ(shown(dialog, Model).toStdString(), ModelSettings::ModelEntries[0]);
    }
    document.image()[RadioImage::ModelTypeOffset] = 2;
    ModelInfoDialog dialog(document, prompter, nullptr);
    EXPECT_EQ(shown(dialog, Model), "");
    EXPECT_EQ(box(dialog, Band)->count(), 0);
}

TEST_F(ModelInfoDialogTest, ReducedModelOpensEmptyAndOkWithNothingChosenKeeps160) {
    loadReducedModel(5);
    ModelInfoDialog dialog(document, prompter, nullptr);
    EXPECT_EQ(shown(dialog, Model), "");
    EXPECT_EQ(shown(dialog, Band), "");
    EXPECT_EQ(box(dialog, Band)->count(), 0);
    EXPECT_EQ(document.channelCount(), 160);

    clickButton(dialog, Ok);
    // Boxes that opened empty and stay so keep their bytes.
    EXPECT_EQ(document.image()[RadioImage::ModelTypeOffset], 5);
    EXPECT_EQ(document.image()[RadioImage::BandOffset], 2);
    EXPECT_EQ(document.channelCount(), 160);
    EXPECT_FALSE(document.isModified());
}

TEST_F(ModelInfoDialogTest, CancelPutsTheChannelCountBackAndLeavesTheImage) {
    loadReducedModel(4);
    const RadioImage before = document.image();
    ModelInfoDialog dialog(document, prompter, nullptr);
    QTest::keyClick(box(dialog, Model), Qt::Key_Down);
    EXPECT_EQ(shown(dialog, Model).toStdString(), ModelSettings::ModelEntries[0]);
    EXPECT_EQ(document.channelCount(), 199);

    clickButton(dialog, Cancel);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(document.channelCount(), 160);
    EXPECT_EQ(document.image(), before);
    EXPECT_FALSE(document.isModified());
}

TEST_F(ModelInfoDialogTest, EscapeAfterChangesLeavesTheDocumentAsItWas) {
    document.image()[RadioImage::ModelTypeOffset] = 1;
    document.image()[RadioImage::BandOffset] = 4;
    const RadioImage before = document.image();
    ModelInfoDialog dialog(document, prompter, nullptr);
    dialog.show();
    QTest::keyClick(box(dialog, Model), Qt::Key_Up);
    QTest::keyClick(box(dialog, Band), Qt::Key_Down);
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(document.image(), before);
    EXPECT_EQ(document.channelCount(), 199);
}

TEST_F(ModelInfoDialogTest, TypedTextCountsOnlyWhenItNamesAnEntry) {
    loadReducedModel(4);
    ModelInfoDialog dialog(document, prompter, nullptr);
    const auto secondModel = QString::fromUtf8(ModelSettings::ModelEntries[1].data());
    test::typeInto(*box(dialog, Model), secondModel.toLower());
    EXPECT_EQ(shown(dialog, Band), "VHF: 136-174MHz");
    EXPECT_EQ(document.channelCount(), 199);
    test::typeInto(*box(dialog, Band), "300 - 480mhz");
    clickButton(dialog, Ok);
    EXPECT_EQ(document.image()[RadioImage::ModelTypeOffset], 1);
    EXPECT_EQ(document.image()[RadioImage::BandOffset], 4);
    EXPECT_EQ(box(dialog, Band)->count(), 6);
}

TEST_F(ModelInfoDialogTest, TypingOverTheModelEmptiesTheBandList) {
    ModelInfoDialog dialog(document, prompter, nullptr);
    dialog.show();
    test::typeInto(*box(dialog, Model), "Some other radio");
    EXPECT_EQ(box(dialog, Band)->count(), 0);
    EXPECT_EQ(shown(dialog, Band), "");
    prompter.answer(PromptAnswer::Ok);
    clickButton(dialog, Ok);
    // A typing slip is refused, not stored as "no model".
    EXPECT_EQ(prompter.texts(),
              std::vector<std::string>{"Model Type: choose a value from the list"});
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(box(dialog, Model)->lineEdit()->selectedText(), "Some other radio");
    EXPECT_EQ(document.image()[RadioImage::ModelTypeOffset], 0);
    EXPECT_EQ(document.image()[RadioImage::BandOffset], 0);
    EXPECT_FALSE(document.isModified());
}

TEST_F(ModelInfoDialogTest, AReducedModelLeftEmptyButWithATypedBandIsRefused) {
    loadReducedModel(4);
    ModelInfoDialog dialog(document, prompter, nullptr);
    dialog.show();
    test::typeInto(*box(dialog, Band), "vhf: 136-174mhz");
    prompter.answer(PromptAnswer::Ok);
    clickButton(dialog, Ok);
    EXPECT_EQ(prompter.texts(),
              std::vector<std::string>{"Frequency: choose a value from the list"});
    EXPECT_EQ(document.image()[RadioImage::BandOffset], 2);
}

TEST_F(ModelInfoDialogTest, LabelsStandLeftOfTheirBoxesAboveTheButtons) {
    ModelInfoDialog dialog(document, prompter, nullptr);
    QLabel* modelLabel = test::label(dialog, "Model Type");
    QLabel* bandLabel = test::label(dialog, "Frequency");
    ASSERT_TRUE(modelLabel && bandLabel);
    EXPECT_LT(modelLabel->geometry().right(), box(dialog, Model)->geometry().left());
    EXPECT_LT(box(dialog, Model)->geometry().bottom(), box(dialog, Band)->geometry().top());
    EXPECT_LT(box(dialog, Band)->geometry().bottom(),
              test::control<QWidget>(dialog, Ok)->geometry().top());
    EXPECT_TRUE(dialog.rect().contains(test::control<QWidget>(dialog, Cancel)->geometry()));
}

// What follows once the dialog has closed: the sheet's rows for the count, added rows from the
// image.
class ModelRowSetupTest : public ModelInfoDialogTest {
protected:
    static void programChannel(RadioImage& image, int channel) {
        const std::uint8_t bytes[] = {0x00, 0x25, 0x65, 0x14, 0x00, 0x25, 0x65, 0x14,
                                      0xFF, 0xFF, 0xFF, 0xFF, 0x08, 0xAA, 0xBB, 0xCC};
        auto row = image.row(static_cast<std::size_t>(channel - 1));
        std::copy(std::begin(bytes), std::end(bytes), row.begin());
    }
    [[nodiscard]] ChannelSheet& sheet() { return document.sheet(); }
};

TEST_F(ModelRowSetupTest, RowsAddedBy160To199ShowTheImageAndSurviveASave) {
    RadioImage image = RadioImage::newDocument();
    image[RadioImage::ModelTypeOffset] = 5;
    programChannel(image, 3);
    programChannel(image, 170);
    document.takeImage(image);
    document.storeCell(3, ChannelCodec::RxFreqColumn, "150.00000"); // edited, not yet parsed

    ModelInfoDialog dialog(document, prompter, nullptr);
    QTest::keyClick(box(dialog, Model), Qt::Key_Down);
    clickButton(dialog, Ok);
    document.setUpRowsForChannelCount();

    ASSERT_EQ(sheet().rowCount(), 200);
    EXPECT_EQ(sheet().cellText(199, 0), "199");
    EXPECT_EQ(sheet().cellText(3, ChannelCodec::RxFreqColumn), "150.00000");
    EXPECT_EQ(sheet().cellText(170, ChannelCodec::RxFreqColumn), "146.52500");
    EXPECT_EQ(sheet().cellText(170, ChannelCodec::LockColumn), "Lock");
    EXPECT_EQ(sheet().cellText(171, ChannelCodec::RxFreqColumn), "");

    const RadioImage beforeSave = document.image();
    document.parseSheet();
    EXPECT_TRUE(std::ranges::equal(document.image().row(169), beforeSave.row(169)));
}

TEST_F(ModelRowSetupTest, UnchangedCountKeepsEveryCellText) {
    document.storeCell(199, ChannelCodec::TxFreqColumn, "440.00000");
    ModelInfoDialog dialog(document, prompter, nullptr);
    clickButton(dialog, Cancel);
    document.setUpRowsForChannelCount();
    EXPECT_EQ(sheet().rowCount(), 200);
    EXPECT_EQ(sheet().cellText(199, ChannelCodec::TxFreqColumn), "440.00000");
    EXPECT_EQ(sheet().cellText(1, 0), "  1");
}

} // namespace
} // namespace tarn
