#include "dialogs/OptionalFeaturesDialog.h"
#include "data/ChannelDocument.h"
#include "tests/dialogs/DialogControls.h"
#include "tests/support/TestPrompter.h"

#include <gtest/gtest.h>

#include <map>

namespace tarn {
namespace {

using test::box;
using test::clickButton;
using test::shown;

constexpr int Ok = 1;
constexpr int Cancel = 2;

enum Box {
    TimeOut = 1013,
    Squelch = 1016,
    Beep = 1076,
    CallTone = 1073,
    BatterySave = 1071,
    Busy = 1078,
    Encoder = 1079,
    VoxGain = 1012,
    ScanMode = 1072,
    KeypadLock = 1074,
    Led = 1075,
    Mode = 1077,
    Step = 1081,
    ChannelName = 1070,
    VoxDelay = 1014
};

class OptionalFeaturesDialogTest : public ::testing::Test {
protected:
    OptionalFeaturesDialogTest() { document.initNew(); }

    std::uint8_t& byte(std::size_t offset) { return document.image()[offset]; }

    // Offsets whose byte differs from the given image.
    std::vector<std::size_t> changedSince(const RadioImage& before) {
        std::vector<std::size_t> changed;
        for (std::size_t offset = 0; offset < RadioImage::Size; ++offset) {
            if (document.image()[offset] != before[offset])
                changed.push_back(offset);
        }
        return changed;
    }

    ChannelDocument document;
    test::TestPrompter prompter;
};

TEST_F(OptionalFeaturesDialogTest, NewDocumentShowsItsDefaultsAndOkChangesOnlyTheVoxBytes) {
    const RadioImage before = document.image();
    OptionalFeaturesDialog dialog(document, prompter, nullptr);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Optional Features");
    const std::map<int, QString> expected = {
        {TimeOut, "1m"},      {Squelch, "4"},         {Beep, "On"},     {CallTone, "1"},
        {BatterySave, "0.4"}, {Busy, "Off"},          {Encoder, "On"},  {VoxGain, "Off"},
        {ScanMode, "TO"},     {KeypadLock, "Manual"}, {Led, "Auto"},    {Mode, "Memory"},
        {Step, "25k"},        {ChannelName, "Off"},   {VoxDelay, "0.3"}};
    for (const auto& [id, text] : expected) {
        EXPECT_EQ(shown(dialog, id), text) << id;
        EXPECT_EQ(box(dialog, id)->isVisible(), id != VoxDelay) << id;
    }

    clickButton(dialog, Ok);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(changedSince(before), (std::vector<std::size_t>{0x1FE4, 0x1FE7}));
    EXPECT_EQ(byte(0x1FE4), 0);
    EXPECT_EQ(byte(0x1FE7), 0);
    EXPECT_TRUE(document.isModified());
}

TEST_F(OptionalFeaturesDialogTest, OutOfListValuesOpenAsTheirFallbacks) {
    byte(0x1FC3) = 4;     // one past "10m"
    byte(0x1FE0) = 5;     // one past "25k"
    byte(0x1FE1) |= 0x30; // both scan-mode bits
    byte(0x1FE7) = 3;
    OptionalFeaturesDialog dialog(document, prompter, nullptr);
    EXPECT_EQ(shown(dialog, TimeOut), "Off");
    EXPECT_EQ(shown(dialog, Step), "");
    EXPECT_EQ(shown(dialog, ScanMode), "TO");

    clickButton(dialog, Ok);
    EXPECT_EQ(byte(0x1FC3), 0);
    EXPECT_EQ(byte(0x1FE0), 5) << "a box that opened empty and stays so keeps its byte";
    EXPECT_EQ(byte(0x1FE1), 0xE5); // only the high scan bit left
    EXPECT_EQ(byte(0x1FE7), 3);    // the hidden delay goes back as it was
}

TEST_F(OptionalFeaturesDialogTest, ChoicesAreWrittenIntoTheirBitsOnly) {
    byte(0x1FC0) = 0xA5;
    byte(0x1FE2) = 0xDE;
    OptionalFeaturesDialog dialog(document, prompter, nullptr);
    QTest::keyClick(box(dialog, Mode), Qt::Key_Up);         // "Frequency"
    QTest::keyClick(box(dialog, Beep), Qt::Key_Up);         // "Off"
    QTest::keyClick(box(dialog, KeypadLock), Qt::Key_Down); // "Auto"
    QTest::keyClick(box(dialog, Led), Qt::Key_Down);        // "On"
    for (int i = 0; i < 5; ++i)
        QTest::keyClick(box(dialog, Squelch), Qt::Key_Down); // to "9"
    EXPECT_EQ(shown(dialog, Mode), "Frequency");
    EXPECT_EQ(shown(dialog, Squelch), "9");

    clickButton(dialog, Ok);
    EXPECT_EQ(byte(0x1FE2), 0xDD);
    EXPECT_EQ(byte(0x1FC0), 0xA4);
    EXPECT_EQ(byte(0x1FE1), 0xEB);
    EXPECT_EQ(byte(0x1FC1), 9);
}

TEST_F(OptionalFeaturesDialogTest, ModeMemoryToChannelClearsBothBits) {
    OptionalFeaturesDialog dialog(document, prompter, nullptr);
    QTest::keyClick(box(dialog, Mode), Qt::Key_Up);
    QTest::keyClick(box(dialog, Mode), Qt::Key_Up);
    EXPECT_EQ(shown(dialog, Mode), "Channel");
    clickButton(dialog, Ok);
    EXPECT_EQ(byte(0x1FE2), 0x20);
}

TEST_F(OptionalFeaturesDialogTest, OkThatChangesNoByteLeavesTheDocumentUnmodified) {
    byte(0x1FE4) = 0;
    byte(0x1FE7) = 0;
    const RadioImage before = document.image();
    OptionalFeaturesDialog dialog(document, prompter, nullptr);
    clickButton(dialog, Ok);
    EXPECT_EQ(document.image(), before);
    EXPECT_FALSE(document.isModified());
}

TEST_F(OptionalFeaturesDialogTest, CancelAfterChangesLeavesTheImage) {
    const RadioImage before = document.image();
    OptionalFeaturesDialog dialog(document, prompter, nullptr);
    dialog.show();
    QTest::keyClick(box(dialog, TimeOut), Qt::Key_Down);
    QTest::keyClick(box(dialog, Busy), Qt::Key_Down);
    test::typeInto(*box(dialog, Step), "12.5k");
    clickButton(dialog, Cancel);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(document.image(), before);
    EXPECT_FALSE(document.isModified());
}

TEST_F(OptionalFeaturesDialogTest, TypedTextNeverAddsEntriesAndCountsOnlyWhenItNamesOne) {
    OptionalFeaturesDialog dialog(document, prompter, nullptr);
    dialog.show();
    test::typeInto(*box(dialog, Step), "12.5K");
    test::typeInto(*box(dialog, VoxGain), " 16 ");
    // Enter in a box's text field is OK, and adds nothing to its list.
    QTest::keyClick(box(dialog, VoxGain)->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(box(dialog, Step)->count(), 5);
    EXPECT_EQ(box(dialog, VoxGain)->count(), 17);
    EXPECT_EQ(byte(0x1FE0), 3);
    EXPECT_EQ(byte(0x1FE4), 16);
}

TEST_F(OptionalFeaturesDialogTest, OkRefusesATextNamingNoEntryAndStoresNothing) {
    struct Case {
        int box;
        const char* typed;
        std::string refusal; // empty: accepted
        std::size_t offset;
        std::uint8_t stored;
    };
    const std::vector<Case> cases = {
        {TimeOut, "10M", "", 0x1FC3, 3},
        {TimeOut, "7m", "Time out timer(TOT): choose a value from the list", 0, 0},
        {TimeOut, "", "Time out timer(TOT): choose a value from the list", 0, 0},
        {Step, "", "Step: choose a value from the list", 0, 0}, // it opened on "25k"
        {Mode, "memory", "", 0x1FE2, 0x22},
        {BatterySave, "1", "Battery Save: choose a value from the list", 0, 0},
    };
    for (const Case& c : cases) {
        document.initNew();
        prompter.clear();
        const RadioImage before = document.image();
        OptionalFeaturesDialog dialog(document, prompter, nullptr);
        dialog.show();
        test::typeInto(*box(dialog, c.box), c.typed);
        if (!c.refusal.empty())
            prompter.answer(PromptAnswer::Ok);
        clickButton(dialog, Ok);
        if (c.refusal.empty()) {
            EXPECT_EQ(dialog.result(), QDialog::Accepted) << c.typed;
            EXPECT_EQ(byte(c.offset), c.stored) << c.typed;
            continue;
        }
        EXPECT_EQ(prompter.texts(), std::vector<std::string>{c.refusal}) << c.typed;
        EXPECT_TRUE(dialog.isVisible()) << c.typed << ": the dialog stays open";
        EXPECT_EQ(document.image(), before) << c.typed;
        EXPECT_TRUE(dialog.focusWidget() == box(dialog, c.box) ||
                    dialog.focusWidget() == box(dialog, c.box)->lineEdit())
            << c.typed;
        EXPECT_EQ(box(dialog, c.box)->lineEdit()->selectedText(), c.typed) << c.typed;
    }
}

TEST_F(OptionalFeaturesDialogTest, TwoColumnsOfLabelledBoxesAboveTheButtons) {
    OptionalFeaturesDialog dialog(document, prompter, nullptr);
    dialog.show();
    const std::vector<std::pair<QString, int>> left = {{"Time out timer(TOT)", TimeOut},
                                                       {"Squelch Level", Squelch},
                                                       {"Beep", Beep},
                                                       {"Call Tone", CallTone},
                                                       {"Battery Save", BatterySave},
                                                       {"Busy", Busy},
                                                       {"Encoder", Encoder}};
    const std::vector<std::pair<QString, int>> right = {{"Vox Gain Level", VoxGain},
                                                        {"Scan Mode", ScanMode},
                                                        {"Keypad lock", KeypadLock},
                                                        {"LED", Led},
                                                        {"Mode", Mode},
                                                        {"Step", Step},
                                                        {"Channel Name", ChannelName}};
    const int buttonsTop = test::control<QWidget>(dialog, Ok)->geometry().top();
    for (const auto* column : {&left, &right}) {
        int previousBottom = -1;
        for (const auto& [text, id] : *column) {
            QLabel* label = test::label(dialog, text);
            ASSERT_NE(label, nullptr);
            const QRect boxRect = box(dialog, id)->geometry();
            EXPECT_LT(label->geometry().right(), boxRect.left()) << text.toStdString();
            EXPECT_GT(boxRect.top(), previousBottom) << text.toStdString();
            EXPECT_LT(boxRect.bottom(), buttonsTop) << text.toStdString();
            EXPECT_TRUE(dialog.rect().contains(boxRect)) << text.toStdString();
            previousBottom = boxRect.bottom();
        }
    }
    EXPECT_LT(box(dialog, TimeOut)->geometry().right(),
              test::label(dialog, "Vox Gain Level")->geometry().left());
    EXPECT_FALSE(test::label(dialog, "Vox delay time")->isVisible());
}

} // namespace
} // namespace tarn
