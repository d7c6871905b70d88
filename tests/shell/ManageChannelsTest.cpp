// Moving, sorting, editing many and filling channels, the band plan and the ready-made lists,
// as a user drives them: menu items, their keys and the dialogs' answers.
#include "tests/shell/KeyboardFixture.h"

#include "data/ChannelBulkEdit.h"
#include "data/ChannelCodec.h"
#include "data/ChannelFill.h"
#include "data/StockChannelLists.h"
#include "qtsupport/CommandIds.h"
#include "shell/TarnDocument.h"
#include "view/BandPlanSetting.h"

#include <QAction>
#include <QDir>
#include <QFile>

namespace tarn::test {
namespace {

class ManageChannels : public KeyboardFixture {
protected:
    [[nodiscard]] TarnDocument& document() { return active()->document(); }
    [[nodiscard]] std::string rx(int channel) {
        return document().sheet().cellText(channel, ChannelCodec::RxFreqColumn);
    }
    [[nodiscard]] std::string tx(int channel) {
        return document().sheet().cellText(channel, ChannelCodec::TxFreqColumn);
    }
    // Channels 1-3 at 146.52, 145.5 and 433.5 MHz, each marked in a byte no cell shows.
    void programThree() {
        const char* frequencies[] = {"146.52", "145.5", "433.5"};
        for (int ch = 1; ch <= 3; ++ch) {
            const std::string f =
                ChannelCodec::formatFrequency(ChannelCodec::frequencyUnits(frequencies[ch - 1]));
            for (int c = 1; c <= 6; ++c)
                document().sheet().setCellText(
                    ch, c, std::vector<std::string>{"", f, f, "OFF", "OFF", "High", "Lock"}[c]);
        }
        document().parseSheet();
        for (std::size_t r = 0; r < 3; ++r)
            document().image().row(r)[14] = static_cast<std::uint8_t>(0xA1 + r);
    }
    [[nodiscard]] std::uint8_t marker(int channel) {
        return document().image().row(static_cast<std::size_t>(channel - 1))[14];
    }
    [[nodiscard]] QString undoText() {
        main().refreshCommands();
        return main().commandAction(cmd::EditUndo)->text();
    }
};

TEST_F(ManageChannels, CtrlShiftArrowsMoveTheSelectedChannelsAndTheSelectionFollows) {
    programThree();
    grid().selectChannels(2, 3);
    focusGrid(2);
    grid().selectChannels(2, 3);
    press(Qt::CTRL | Qt::SHIFT | Qt::Key_Up);
    EXPECT_EQ(rx(1), "145.50000");
    EXPECT_EQ(rx(2), "433.50000");
    EXPECT_EQ(rx(3), "146.52000");
    EXPECT_EQ(marker(1), 0xA2) << "whole rows move";
    EXPECT_EQ(grid().selectedChannels(), (std::vector{1, 2}));
    EXPECT_EQ(undoText(), "&Undo Move Up\tCtrl+Z");

    press(Qt::CTRL | Qt::SHIFT | Qt::Key_Up);
    EXPECT_EQ(undoText(), "&Undo Move Up\tCtrl+Z") << "a block at the top stays: no step";
    press(Qt::CTRL | Qt::SHIFT | Qt::Key_Down);
    press(Qt::CTRL | Qt::SHIFT | Qt::Key_Down);
    EXPECT_EQ(rx(1), "146.52000");
    EXPECT_EQ(rx(3), "145.50000");
    EXPECT_EQ(grid().selectedChannels(), (std::vector{3, 4}));
    press(Qt::CTRL | Qt::Key_Z);
    press(Qt::CTRL | Qt::Key_Z);
    press(Qt::CTRL | Qt::Key_Z);
    EXPECT_EQ(rx(1), "146.52000");
    EXPECT_EQ(marker(3), 0xA3);
}

TEST_F(ManageChannels, SortEditSelectedAndFillRunTheirDialogsAnswers) {
    programThree();
    m_dialogs.windowDialogs.onSort = [](int selected, ChannelSortChoice& choice) {
        EXPECT_EQ(selected, 0);
        choice.sort.key = ChannelOrder::Key::RxFreq;
        return true;
    };
    trigger(cmd::SortChannels);
    EXPECT_EQ(rx(1), "145.50000");
    EXPECT_EQ(rx(3), "433.50000");
    EXPECT_EQ(marker(1), 0xA2);
    EXPECT_EQ(undoText(), "&Undo Sort Channels\tCtrl+Z");

    // Region 2 / US, chosen in Setup > Band Plan, gives 70 cm repeaters 5 MHz.
    trigger(cmd::BandPlanRegion1 + 1);
    EXPECT_EQ(BandPlanSetting::region(), BandPlan::Region::Iaru2Us);
    main().refreshCommands();
    EXPECT_TRUE(main().commandAction(cmd::BandPlanRegion1 + 1)->isChecked());
    EXPECT_FALSE(main().commandAction(cmd::BandPlanRegion1)->isChecked());
    m_dialogs.windowDialogs.onEdit = [](int selected, ChannelBulkEdit& edit) {
        EXPECT_EQ(selected, 4);
        edit.offset = TxOffset::plan('+');
        edit.power = "Low";
        return true;
    };
    grid().selectChannels(1, 4);
    trigger(cmd::EditSelected);
    EXPECT_EQ(tx(1), "146.10000");
    EXPECT_EQ(tx(3), "438.50000");
    EXPECT_EQ(rx(4), "") << "an empty channel stays empty";
    EXPECT_EQ(undoText(), "&Undo Edit 4 Channels\tCtrl+Z");

    // A refused edit says why and changes nothing.
    document().storeCell(2, ChannelCodec::RxFreqColumn, "155.50000");
    m_prompter.answer(PromptAnswer::Ok);
    trigger(cmd::EditSelected);
    ASSERT_EQ(m_prompter.texts().size(), 1U);
    EXPECT_EQ(m_prompter.texts().back(),
              "Nothing was changed. Channel 2: No standard repeater offset for 155.50000 MHz in "
              "IARU Region 2 / US: only the 144-148 MHz and 420-450 MHz bands have one.");

    // Fill from the first selected channel; replacing programmed ones asks first.
    m_dialogs.windowDialogs.onFill = [](int count, ChannelFill& fill) {
        EXPECT_EQ(count, 199);
        EXPECT_EQ(fill.first, 3);
        EXPECT_EQ(fill.count, 2);
        fill.count = 16;
        fill.startUnits = 44600625;
        fill.stepUnits = 1250;
        return true;
    };
    grid().selectChannels(3, 4);
    m_prompter.answer(PromptAnswer::Cancel);
    trigger(cmd::FillChannels);
    EXPECT_EQ(m_prompter.texts().back(), "Fill Channels replaces 1 programmed channel.");
    EXPECT_EQ(rx(4), "");
    m_prompter.answer(PromptAnswer::Ok);
    trigger(cmd::FillChannels);
    EXPECT_EQ(rx(3), "446.00625");
    EXPECT_EQ(rx(18), "446.19375");
    EXPECT_EQ(grid().selectedChannels().size(), 16U);
    EXPECT_EQ(undoText(), "&Undo Fill 16 Channels\tCtrl+Z");
}

TEST_F(ManageChannels, PlusOrMinusInTxFreqTakesTheBandPlansOffset) {
    programThree();
    focusGrid(3, 2);
    QTest::keyClick(&grid(), Qt::Key_Minus);
    EXPECT_TRUE(m_prompter.texts().empty()) << "no \"Please input Number\"";
    ASSERT_TRUE(view().frequencyEdit()->isVisible());
    EXPECT_EQ(view().frequencyEdit()->text(), "-");
    QTest::keyClick(focused(), Qt::Key_Return);
    EXPECT_EQ(tx(3), "425.90000") << "IARU Region 1 by default: 7.6 MHz on 70 cm";

    // Outside the bands with an offset: refused, and the TX frequency stays.
    document().storeCell(2, ChannelCodec::RxFreqColumn, "155.50000");
    focusGrid(2, 2);
    QTest::keyClick(&grid(), Qt::Key_Plus);
    m_prompter.answer(PromptAnswer::Ok);
    QTest::keyClick(focused(), Qt::Key_Return);
    EXPECT_EQ(m_prompter.texts(),
              std::vector<std::string>{"No standard repeater offset for 155.50000 MHz in IARU "
                                       "Region 1: only the 144-148 MHz and 420-450 MHz bands "
                                       "have one."});
    EXPECT_EQ(tx(2), "145.50000");
}

TEST_F(ManageChannels, AReadyMadeListImportsFromTheDataFolder) {
    // The lists as installed, in the data folder this test's environment names.
    const QString folder = qEnvironmentVariable("XDG_DATA_HOME") + "/tarn/channel-lists";
    ASSERT_TRUE(QDir().mkpath(folder));
    for (const StockChannelList& list : StockChannelLists) {
        const QString name = QString::fromUtf8(list.file.data(), qsizetype(list.file.size()));
        ASSERT_TRUE(
            QFile::copy(QStringLiteral(TARN_CHANNEL_LISTS "/") + name, folder + "/" + name));
    }
    main().refreshCommands();
    EXPECT_EQ(main().commandAction(cmd::ChannelList1)->text(), "PMR446 (16 channels)");
    ASSERT_TRUE(enabled(cmd::ChannelList1));
    trigger(cmd::ChannelList1);
    EXPECT_EQ(m_dialogs.importReports.value(0), "pmr446.csv");
    EXPECT_EQ(rx(1), "446.00625");
    EXPECT_EQ(rx(16), "446.19375");
    EXPECT_EQ(document().sheet().cellText(16, ChannelCodec::PowerColumn), "Low");
    EXPECT_EQ(undoText(), "&Undo Import Channels\tCtrl+Z");
}

TEST_F(ManageChannels, AReadyMadeListLargerThanTheRadioIsRefusedWithItsCount) {
    const QString folder = qEnvironmentVariable("XDG_DATA_HOME") + "/tarn/channel-lists";
    ASSERT_TRUE(QDir().mkpath(folder));
    QFile list(folder + "/pmr446.csv");
    ASSERT_TRUE(list.open(QIODevice::WriteOnly));
    list.write("Location,Name,Frequency\n");
    for (int n = 1; n <= 200; ++n)
        list.write(QStringLiteral("%1,,446.00625\n").arg(n).toUtf8());
    list.close();
    m_prompter.answer(PromptAnswer::Ok);
    trigger(cmd::ChannelList1);
    ASSERT_EQ(m_prompter.texts().size(), 1U);
    EXPECT_NE(m_prompter.texts().front().find("The list holds 200 channels; the radio has 199."),
              std::string::npos)
        << m_prompter.texts().front();
    EXPECT_TRUE(m_dialogs.importReports.isEmpty()) << "no report: refused before";
    EXPECT_EQ(rx(1), "");
}

} // namespace
} // namespace tarn::test
