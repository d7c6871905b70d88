// Moving, sorting, editing many and filling channels, the band plan and the ready-made lists,
// as a user drives them: menu items, their keys and the dialogs' answers.
#include "tests/shell/KeyboardFixture.h"

#include "data/ChannelBulkEdit.h"
#include "data/ChannelCodec.h"
#include "data/ChannelEdits.h"
#include "data/ChannelFill.h"
#include "data/StockChannelLists.h"
#include "qtsupport/CommandIds.h"
#include "shell/TarnDocument.h"
#include "view/BandPlanSetting.h"
#include "view/ChannelClipboard.h"
#include "view/ChannelCommands.h"
#include "view/FindBar.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QTest>
#include <QToolButton>

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
    // The channels the rows show, in their order.
    [[nodiscard]] std::vector<int> shown() { return firstShown(view().channels().rowCount()); }
    [[nodiscard]] std::vector<int> firstShown(int rows) {
        std::vector<int> channels;
        ChannelProxyModel& model = view().channels();
        for (int row = 0; row < rows; ++row)
            channels.push_back(model.sheetCell(model.index(row, 0)).first);
        return channels;
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

TEST_F(ManageChannels, FindShowsOnlyMatchingChannelsAndCountsThem) {
    programThree();
    press(Qt::CTRL | Qt::Key_F);
    FindBar& bar = view().findBar();
    ASSERT_TRUE(bar.isVisible());
    EXPECT_EQ(focused(), &bar.field());
    struct Case {
        const char* text;
        std::vector<int> shown;
        const char* count;
    };
    const std::vector<Case> cases = {
        {"146.52", {1}, "1 of 199 channels"},
        {"146.5", {}, "No channel matches \"146.5\"."},
        {"145.50000", {2}, "1 of 199 channels"},
        {" HIGH ", {1, 2, 3}, "3 of 199 channels"},
        {"33.5", {}, "No channel matches \"33.5\"."},
        {"zzz", {}, "No channel matches \"zzz\"."},
    };
    for (const Case& c : cases) {
        bar.field().setText(QString::fromUtf8(c.text));
        EXPECT_EQ(shown(), c.shown) << c.text;
        EXPECT_EQ(bar.countText().toStdString(), c.count) << c.text;
    }
    EXPECT_EQ(grid().currentCell().row, 0) << "no rows, no current cell";
    EXPECT_EQ(undoText(), "&Undo\tCtrl+Z") << "finding changes nothing";

    // Escape shows every channel again and the table takes the focus.
    QTest::keyClick(&bar.field(), Qt::Key_Escape);
    EXPECT_FALSE(bar.isVisible());
    EXPECT_EQ(view().channels().rowCount(), 199);
    EXPECT_FALSE(view().channels().isArranged());
    EXPECT_EQ(focused(), &grid());

    // The close button does the same, and so does Escape on the table.
    press(Qt::CTRL | Qt::Key_F);
    bar.field().setText(QStringLiteral("433.5"));
    EXPECT_EQ(shown(), std::vector<int>{3});
    EXPECT_EQ(grid().currentCell(), (ChannelTableView::Cell{3, 1}));
    bar.findChild<QToolButton*>(QStringLiteral("findClose"))->click();
    EXPECT_EQ(view().channels().rowCount(), 199);
    EXPECT_EQ(grid().currentCell().row, 3) << "the channel found stays current";
    press(Qt::CTRL | Qt::Key_F);
    bar.field().setText(QStringLiteral("433.5"));
    press(Qt::Key_Return);
    EXPECT_EQ(focused(), &grid());
    press(Qt::Key_Escape);
    EXPECT_FALSE(bar.isVisible());
    EXPECT_EQ(view().channels().rowCount(), 199);
}

TEST_F(ManageChannels, AnEditOfFoundChannelsNeverReachesAHiddenOne) {
    programThree();
    document().storeCell(7, ChannelCodec::RxFreqColumn, "145.50000");
    ChannelClipboard::put(
        ChannelClip::of(document().sheet(), document().image(), std::vector{1, 2}));
    press(Qt::CTRL | Qt::Key_F);
    view().findBar().field().setText(QStringLiteral("145.5"));
    ASSERT_EQ(shown(), (std::vector{2, 7}));

    // The commands on channels in order are off, and the status bar says why.
    main().refreshCommands();
    for (const int id : {cmd::InsertChannel, cmd::DeleteChannel, cmd::MoveUp, cmd::MoveDown,
                         cmd::SortChannels, cmd::FillChannels})
        EXPECT_FALSE(main().commandAction(id)->isEnabled()) << id;
    EXPECT_TRUE(main().commandAction(cmd::EditSelected)->isEnabled());
    EXPECT_FALSE(main().orderPane().isHidden());
    EXPECT_EQ(main().orderPane().text().toStdString(), ChannelCommands::ArrangedText);

    // Tab and Enter walk the rows shown: channel 2's last cell leads to channel 7.
    focusGrid(2, ChannelCodec::LockColumn);
    press(Qt::Key_Tab);
    EXPECT_EQ(grid().currentCell(), (ChannelTableView::Cell{7, 1}));
    press(Qt::SHIFT | Qt::Key_Tab);
    EXPECT_EQ(grid().currentCell(), (ChannelTableView::Cell{2, ChannelCodec::LockColumn}));

    // Edit Selected and Clear over every row shown.
    m_dialogs.windowDialogs.onEdit = [](int selected, ChannelBulkEdit& edit) {
        EXPECT_EQ(selected, 2);
        edit.power = "Low";
        return true;
    };
    grid().selectAll();
    trigger(cmd::EditSelected);
    const auto power = [this](int channel) {
        return document().sheet().cellText(channel, ChannelCodec::PowerColumn);
    };
    EXPECT_EQ((std::vector{power(1), power(2), power(3), power(7)}),
              (std::vector<std::string>{"High", "Low", "High", "Low"}));

    // Several channels pasted would land on hidden ones: refused, and said why.
    m_prompter.answer(PromptAnswer::Ok);
    focusGrid(2, 1);
    press(Qt::CTRL | Qt::Key_V);
    EXPECT_EQ(m_prompter.texts(), std::vector<std::string>{ChannelEdits::ArrangedPasteText});
    EXPECT_EQ(rx(3), "433.50000");
    // One channel pastes onto the row it is pasted on.
    ChannelClipboard::put(ChannelClip::of(document().sheet(), document().image(), std::vector{3}));
    focusGrid(7, 1);
    press(Qt::CTRL | Qt::Key_V);
    EXPECT_EQ(rx(7), "433.50000");
    EXPECT_EQ(rx(8), "");

    view().findBar().field().setText(QStringLiteral("145.5"));
    ASSERT_EQ(shown(), std::vector{2});
    grid().selectAll();
    press(Qt::Key_Delete);
    EXPECT_EQ((std::vector{rx(1), rx(2), rx(3), rx(7)}),
              (std::vector<std::string>{"146.52000", "", "433.50000", "433.50000"}));
    EXPECT_EQ(marker(1), 0xA1);
    EXPECT_EQ(marker(3), 0xA3);
    EXPECT_EQ(shown(), std::vector<int>{}) << "the emptied channel matches no more";

    // Saving writes every channel, found or not.
    m_dialogs.saveNames.push_back(QString::fromStdString(file("found.sin").string()));
    trigger(cmd::FileSave);
    const std::vector<unsigned char> saved = readBytes(file("found.sin"));
    ASSERT_EQ(saved.size(), 8192U);
    const auto savedRx = [&saved](int channel) {
        const auto at = static_cast<std::size_t>(channel - 1) * 16;
        const std::array<std::uint8_t, 4> bytes{saved[at], saved[at + 1], saved[at + 2],
                                                saved[at + 3]};
        return ChannelCodec::renderFrequency(bytes);
    };
    EXPECT_EQ((std::vector{savedRx(1), savedRx(3), savedRx(7)}),
              (std::vector<std::string>{"146.52000", "433.50000", "433.50000"}));

    press(Qt::Key_Escape);
    main().refreshCommands();
    EXPECT_TRUE(main().commandAction(cmd::MoveUp)->isEnabled());
    EXPECT_TRUE(main().orderPane().isHidden());
}

TEST_F(ManageChannels, HeaderClicksSortTheViewOnlyAndEmptyChannelsStayLast) {
    programThree();
    document().storeCell(5, ChannelCodec::RxFreqColumn, "145.50000");
    QHeaderView* header = grid().horizontalHeader();
    const auto clickRxHeader = [header] {
        const int column = ChannelCodec::RxFreqColumn - 1;
        QTest::mouseClick(
            header->viewport(), Qt::LeftButton, {},
            QPoint(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                   header->height() / 2));
    };
    focusGrid(2, 3);
    const QString undo = undoText();
    clickRxHeader();
    // Equal values keep channel order; channels without a value come last.
    EXPECT_EQ(firstShown(5), (std::vector{2, 5, 1, 3, 4}));
    EXPECT_TRUE(header->isSortIndicatorShown());
    EXPECT_EQ(header->sortIndicatorOrder(), Qt::AscendingOrder);
    EXPECT_EQ(grid().selectedChannels(), std::vector{2}) << "a header click selects no column";
    clickRxHeader();
    EXPECT_EQ(firstShown(5), (std::vector{3, 1, 2, 5, 4}));
    EXPECT_EQ(header->sortIndicatorOrder(), Qt::DescendingOrder);
    EXPECT_EQ(grid().verticalHeader()->model()->headerData(0, Qt::Vertical).toInt(), 3)
        << "the numbers stay with their channels";
    EXPECT_EQ(rx(1), "146.52000") << "the document keeps its order";
    EXPECT_EQ(undoText(), undo) << "no undo step";
    main().refreshCommands();
    EXPECT_FALSE(main().commandAction(cmd::InsertChannel)->isEnabled());

    // Enter on the table walks the rows as sorted: channel 3 leads to channel 1.
    focusGrid(3, ChannelCodec::LockColumn);
    press(Qt::Key_Return);
    EXPECT_EQ(grid().currentCell(), (ChannelTableView::Cell{1, 1}));

    clickRxHeader();
    EXPECT_EQ(firstShown(5), (std::vector{1, 2, 3, 4, 5}));
    EXPECT_FALSE(header->isSortIndicatorShown());
    EXPECT_FALSE(view().channels().isArranged());
}

TEST_F(ManageChannels, DraggingSelectedNumbersMovesTheChannelsAsOneStep) {
    programThree();
    QHeaderView* numbers = grid().verticalHeader();
    QWidget* area = numbers->viewport();
    const auto middleOf = [numbers](int row, int dy) {
        return QPoint(numbers->width() / 2,
                      numbers->sectionViewportPosition(row) + numbers->sectionSize(row) / 2 + dy);
    };
    // As a pointer does it: the table reads the buttons held from the application.
    const auto send = [area](QEvent::Type type, QPoint at) {
        if (type == QEvent::MouseButtonPress)
            QTest::mousePress(area, Qt::LeftButton, {}, at);
        else if (type == QEvent::MouseMove)
            QTest::mouseMove(area, at);
        else
            QTest::mouseRelease(area, Qt::LeftButton, {}, at);
    };
    focusGrid(1, 2);
    grid().selectChannels(1, 2);
    // Channels 1 and 2 dropped on the lower half of channel 4: they follow it.
    send(QEvent::MouseButtonPress, middleOf(0, 0));
    send(QEvent::MouseMove, middleOf(2, 0));
    send(QEvent::MouseMove, middleOf(3, 2));
    send(QEvent::MouseButtonRelease, middleOf(3, 2));
    EXPECT_EQ((std::vector{rx(1), rx(2), rx(3), rx(4)}),
              (std::vector<std::string>{"433.50000", "", "146.52000", "145.50000"}));
    EXPECT_EQ((std::vector{marker(1), marker(3), marker(4)}),
              (std::vector<std::uint8_t>{0xA3, 0xA1, 0xA2}))
        << "whole rows move";
    EXPECT_EQ(grid().selectedChannels(), (std::vector{3, 4}));
    EXPECT_EQ(grid().currentCell(), (ChannelTableView::Cell{3, 2})) << "with its channel";
    EXPECT_EQ(undoText(), "&Undo Move 2 Channels\tCtrl+Z");
    press(Qt::CTRL | Qt::Key_Z);
    EXPECT_EQ(rx(1), "146.52000");
    EXPECT_EQ(rx(3), "433.50000");
    EXPECT_EQ(marker(1), 0xA1);

    // A press on a number outside the selection selects it, and a drag from it moves nothing.
    grid().selectChannels(1, 1);
    send(QEvent::MouseButtonPress, middleOf(2, 0));
    send(QEvent::MouseMove, middleOf(4, 0));
    send(QEvent::MouseButtonRelease, middleOf(4, 0));
    EXPECT_EQ(rx(1), "146.52000");
    EXPECT_EQ(rx(3), "433.50000");
    EXPECT_EQ(grid().selectedChannels(), (std::vector{3, 4, 5}));
    // A click on a selected number without a drag chooses that channel alone.
    send(QEvent::MouseButtonPress, middleOf(3, 0));
    send(QEvent::MouseButtonRelease, middleOf(3, 0));
    EXPECT_EQ(grid().selectedChannels(), (std::vector{4}));
    EXPECT_EQ(rx(3), "433.50000");
}

} // namespace
} // namespace tarn::test
