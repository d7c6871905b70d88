#include "view/ChannelView.h"

#include "data/ChannelCodec.h"
#include "data/ChannelDocument.h"
#include "data/ToneTable.h"
#include "qtsupport/CommandIds.h"
#include "qtsupport/DialogUnits.h"
#include "tests/support/FakeDocumentDialogs.h"
#include "tests/support/TestPrompter.h"
#include "view/ChannelProxyModel.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace tarn {
namespace {

class ChannelViewTest : public ::testing::Test {
protected:
    ChannelViewTest() { document.initNew(); }

    // Controls inside the view carrying the given id.
    [[nodiscard]] std::vector<QWidget*> controls(int id) const {
        std::vector<QWidget*> found;
        for (QWidget* w : view.findChildren<QWidget*>()) {
            if (w->property("controlId").toInt() == id)
                found.push_back(w);
        }
        return found;
    }

    [[nodiscard]] QString cell(int row, int col) { return view.grid().cellText(row, col); }

    void showView(QSize size = {700, 520}) {
        view.resize(size);
        view.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    }

    ChannelDocument document;
    const ToneTable tones;
    test::TestPrompter prompter;
    test::FakeDocumentDialogs dialogs;
    ChannelView view{document, tones, prompter, dialogs};
};

// The warning of a channel outside the model's band: its own mark, which follows every change
// of the cell and of the band, and which Compare With's marks leave alone.
TEST_F(ChannelViewTest, FrequenciesOutsideTheModelsBandCarryAWarningOfTheirOwn) {
    view.initialUpdate();
    ChannelProxyModel& channels = view.channels();
    // A warned cell has its tooltip and its own colour; others have neither.
    const auto warned = [&](int row, int col) {
        const QModelIndex index = channels.indexOf(row, col);
        const bool tip = !index.data(Qt::ToolTipRole).toString().isEmpty();
        EXPECT_EQ(tip, index.data(Qt::ForegroundRole).isValid()) << row << "," << col;
        return tip;
    };
    const auto set = [&](int row, int col, const char* text) {
        document.sheet().setCellText(row, col, text);
    };
    set(3, 1, "146.52000");
    set(3, 2, "174.00625"); // one step above "VHF: 136-174MHz"
    set(4, 1, "136.00000"); // the edges belong to the band
    set(4, 2, "174.00000");
    set(5, 1, "446.00000");
    EXPECT_FALSE(warned(3, 1));
    EXPECT_TRUE(warned(3, 2));
    EXPECT_EQ(channels.indexOf(3, 2).data(Qt::ToolTipRole).toString().toStdString(),
              "Outside the band of the model (VHF: 136-174MHz): the radio cannot use this channel");
    EXPECT_FALSE(warned(4, 1));
    EXPECT_FALSE(warned(4, 2));
    EXPECT_TRUE(warned(5, 1));
    EXPECT_EQ(view.outOfBandChannels(), 2);

    channels.setCellMarked(3, 2, true);
    channels.clearMarks();
    EXPECT_TRUE(warned(3, 2)) << "clearing the comparison's marks keeps it";

    set(3, 2, "146.52000");
    EXPECT_FALSE(warned(3, 2));
    EXPECT_EQ(view.outOfBandChannels(), 1);

    // Another band, chosen in Model Information: the marks follow it.
    dialogs.onModelInformation = [](ChannelDocument& d) { d.image()[RadioImage::BandOffset] = 1; };
    view.runCommand(cmd::ModelInformation);
    EXPECT_FALSE(warned(5, 1));
    EXPECT_TRUE(warned(3, 1));
    EXPECT_EQ(view.outOfBandChannels(), 2);
    // A band the lists do not hold checks nothing.
    dialogs.onModelInformation = [](ChannelDocument& d) { d.image()[RadioImage::BandOffset] = 9; };
    view.runCommand(cmd::ModelInformation);
    EXPECT_EQ(view.outOfBandChannels(), 0);
    EXPECT_FALSE(warned(3, 1));
}

TEST_F(ChannelViewTest, RowsFollowTheChannelCount) {
    document.setChannelCount(RadioImage::ReducedChannels);
    document.setUpRowsForChannelCount();
    view.initialUpdate();
    EXPECT_EQ(view.grid().model()->rowCount(), 160);
    EXPECT_EQ(cell(1, 0), "  1");
    EXPECT_EQ(cell(42, 0), " 42");
    EXPECT_EQ(cell(160, 0), "160");

    document.setChannelCount(RadioImage::MaxChannels);
    document.setUpRowsForChannelCount();
    EXPECT_EQ(view.grid().model()->rowCount(), 199);
    EXPECT_EQ(cell(199, 0), "199");
}

TEST_F(ChannelViewTest, FormHoldsTheGridControlAtItsPlace) {
    EXPECT_EQ(controls(ChannelView::GridControlId), std::vector<QWidget*>{&view.grid()});
    EXPECT_EQ(view.font().family(), "Times New Roman");
    EXPECT_EQ(view.font().pointSize(), 9);
    const DialogUnits units(view.font());
    EXPECT_EQ(view.grid().geometry(), units.rect(7, 7, 326, 227));
    EXPECT_EQ(view.sizeHint(), units.size(439, 250));
    EXPECT_EQ(view.handlesCommand(cmd::EditData), true);
    EXPECT_TRUE(view.handlesCommand(cmd::ModelInformation));
    EXPECT_TRUE(view.handlesCommand(cmd::OptionalFeatures));
    EXPECT_FALSE(view.handlesCommand(57600)); // File New belongs to the application
}

TEST_F(ChannelViewTest, ColumnsGetHeadersProportionsAndAlignment) {
    view.initialUpdate();
    showView();
    ChannelTableView& grid = view.grid();
    const std::vector<QString> headers = {"Channel NO.", "RX Freq",  "TX Freq", "QT/DQT Dec",
                                          "QT/DQT Enc",  "TX Power", "CHN Lock"};
    for (int col = 0; col < 7; ++col)
        EXPECT_EQ(cell(0, col), headers[col]);
    EXPECT_EQ(grid.model()->columnCount(), 6);

    // RX and TX Freq half as wide again as TX Power, the tone columns a quarter.
    const auto width = [&](int col) { return grid.columnWidth(col - 1); };
    const int w = width(ChannelCodec::PowerColumn);
    EXPECT_NEAR(width(ChannelCodec::RxFreqColumn), w * 3 / 2, 2);
    EXPECT_NEAR(width(ChannelCodec::TxFreqColumn), w * 3 / 2, 2);
    EXPECT_NEAR(width(ChannelCodec::DecColumn), w * 5 / 4, 2);
    EXPECT_NEAR(width(ChannelCodec::EncColumn), w * 5 / 4, 2);
    EXPECT_NEAR(width(ChannelCodec::LockColumn), w, 2);
    // The numbers are as wide as TX Power, or as their header needs.
    EXPECT_GE(grid.verticalHeader()->width(), w - 2);

    const QModelIndex first = grid.model()->index(0, 0);
    EXPECT_EQ(first.data(Qt::TextAlignmentRole).value<Qt::Alignment>(),
              Qt::AlignHCenter | Qt::AlignTop);
    EXPECT_EQ(grid.horizontalHeader()->height(), grid.rowHeight(1) * 5 / 4);
}

TEST_F(ChannelViewTest, EditorsAreCreatedHiddenOnTheGridWithTheirLists) {
    EXPECT_EQ(view.toneBox(), nullptr);
    view.initialUpdate();
    QLineEdit* edit = view.frequencyEdit();
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(controls(ChannelView::FrequencyEditId), std::vector<QWidget*>{edit});
    EXPECT_EQ(controls(ChannelView::PowerBoxId), std::vector<QWidget*>{view.powerBox()});
    EXPECT_EQ(controls(ChannelView::LockBoxId), std::vector<QWidget*>{view.lockBox()});
    EXPECT_EQ(controls(ChannelView::ToneBoxId), std::vector<QWidget*>{view.toneBox()});
    for (QWidget* editor :
         std::vector<QWidget*>{edit, view.powerBox(), view.lockBox(), view.toneBox()}) {
        EXPECT_EQ(editor->parentWidget(), view.grid().viewport());
        EXPECT_TRUE(editor->isHidden());
        EXPECT_EQ(editor->font(), view.font());
    }
    EXPECT_FALSE(view.powerBox()->isEditable());
    EXPECT_FALSE(view.lockBox()->isEditable());
    EXPECT_TRUE(view.toneBox()->isEditable());

    // An editor open while the grid scrolls would float over the wrong cell.
    showView();
    view.grid().setCurrentCell({1, ChannelCodec::DecColumn});
    view.editing().showEditor(0);
    ASSERT_FALSE(view.toneBox()->isHidden());
    view.grid().scrollToBottom();
    EXPECT_TRUE(view.toneBox()->isHidden());

    const auto items = [](const QComboBox* box) {
        QStringList texts;
        for (int i = 0; i < box->count(); ++i)
            texts << box->itemText(i);
        return texts;
    };
    EXPECT_EQ(items(view.powerBox()), (QStringList{"High", "Middle", "Low"}));
    EXPECT_EQ(items(view.lockBox()), (QStringList{"Lock", "UnLock"}));
    const QStringList toneItems = items(view.toneBox());
    ASSERT_EQ(toneItems.size(), ToneTable::Size);
    for (int i = 0; i < ToneTable::Size; ++i)
        ASSERT_EQ(toneItems[i].toStdString(), tones.at(i)) << i;
}

// A later initial update shows the document's sheet as it stands: it renders nothing anew.
TEST_F(ChannelViewTest, SecondInitialUpdateCreatesNothingTwiceAndShowsTheSheet) {
    view.initialUpdate();
    QComboBox* toneBox = view.toneBox();
    view.frequencyEdit()->setText("typed");
    view.powerBox()->show();
    document.storeCell(3, 1, "145.00000");
    view.grid().horizontalHeader()->resizeSection(3, 200);
    ChannelCodec::encodeFrequency(14652500, document.image().row(4).subspan<4, 4>());

    view.initialUpdate();
    EXPECT_EQ(view.toneBox(), toneBox);
    EXPECT_EQ(controls(ChannelView::ToneBoxId).size(), 1u);
    EXPECT_EQ(controls(ChannelView::PowerBoxId).size(), 1u);
    EXPECT_EQ(toneBox->count(), ToneTable::Size);
    EXPECT_EQ(view.powerBox()->count(), 3);
    EXPECT_TRUE(view.powerBox()->isHidden());
    EXPECT_EQ(view.frequencyEdit()->text(), "");
    EXPECT_EQ(cell(3, 1), "145.00000");
    EXPECT_EQ(cell(5, 2), "") << "the image reaches the sheet only when rendered";
    EXPECT_EQ(view.grid().columnWidth(3), 200) << "a width the user chose stays";
}

TEST_F(ChannelViewTest, GridKeepsItsCornerAndATwelvePixelMargin) {
    const QRect before = view.grid().geometry();
    view.resize(900, 700);
    EXPECT_EQ(view.grid().geometry(), before) << "no sizing before the first initial update";

    view.initialUpdate();
    showView({640, 480});
    const QPoint corner = view.grid().pos();
    EXPECT_EQ(corner, before.topLeft());
    for (const QSize size : {QSize(1000, 600), QSize(420, 300)}) {
        view.resize(size);
        EXPECT_EQ(view.grid().geometry(),
                  QRect(corner, QSize(size.width() - corner.x() - ChannelView::GridMargin,
                                      size.height() - corner.y() - ChannelView::GridMargin)));
    }
}

// The frame is shrunk the way it is opened: initial update first, then shown.
TEST_F(ChannelViewTest, InitialUpdateShrinksTheFrameToTheForm) {
    QMdiArea area;
    area.resize(1600, 1000);
    auto* frame = new QMdiSubWindow;
    auto* child = new ChannelView(document, tones, prompter, dialogs);
    frame->setWidget(child);
    area.addSubWindow(frame);
    frame->resize(1080, 520);
    const QSize form = child->sizeHint();
    ASSERT_LT(form.width(), 1080);
    ASSERT_LT(form.height(), 520);

    child->initialUpdate();
    area.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&area));
    EXPECT_EQ(child->size(), form);
    EXPECT_EQ(child->grid().width(), child->width() - child->grid().x() - ChannelView::GridMargin);
    EXPECT_EQ(child->grid().height(),
              child->height() - child->grid().y() - ChannelView::GridMargin);

    // Shrink only: a frame already smaller than the form keeps its size.
    frame->resize(300, 200);
    const QSize small = frame->size();
    child->initialUpdate();
    EXPECT_EQ(frame->size(), small);
}

TEST_F(ChannelViewTest, StatusTextFollowsThePointer) {
    view.initialUpdate();
    showView();
    QSignalSpy texts(&view, &ChannelView::statusText);
    // On a real display the pointer moves through the X server: wait for the text to follow.
    const auto textAfterMovingTo = [&](QWidget* widget, QPoint at, const char* expected) {
        texts.clear();
        QTest::mouseMove(widget, at);
        const auto last = [&] {
            return texts.isEmpty() ? QString() : texts.last().at(0).toString();
        };
        (void)QTest::qWaitFor([&] { return last() == QString::fromUtf8(expected); }, 2000);
        return last().toStdString();
    };
    const char* gridHelp = "Please Click the cell to edit or input data，For help，please press F1";
    const char* boxHelp = "Please click the CommBox to choose value，For help，please press F1";
    const char* generalHelp = "For help，please press F1";

    EXPECT_EQ(textAfterMovingTo(view.grid().viewport(), {30, 30}, gridHelp), gridHelp);
    view.powerBox()->setGeometry(300, 60, 80, 24);
    view.powerBox()->show();
    EXPECT_EQ(textAfterMovingTo(view.powerBox(), {10, 10}, boxHelp), boxHelp);
    view.frequencyEdit()->setGeometry(300, 120, 80, 24);
    view.frequencyEdit()->show();
    EXPECT_EQ(textAfterMovingTo(view.frequencyEdit(), {10, 10}, generalHelp), generalHelp);
    EXPECT_EQ(textAfterMovingTo(&view, {view.width() - 4, view.height() - 4}, generalHelp),
              generalHelp);
}

TEST_F(ChannelViewTest, EditDataAsksForADoubleClickAndGoesToTheFirstCell) {
    view.initialUpdate();
    showView();
    view.grid().setCurrentCell({17, 4});
    view.setFocus();

    prompter.answer(PromptAnswer::Ok);
    view.runCommand(cmd::EditData);

    ASSERT_EQ(prompter.prompts().size(), 1u);
    EXPECT_EQ(prompter.prompts()[0].text, "Please directly double click inside the table");
    EXPECT_EQ(prompter.prompts()[0].caption, "Vizuruzu DizaRido");
    EXPECT_EQ(prompter.prompts()[0].buttons, PromptButtons::Ok);
    EXPECT_EQ(view.grid().currentCell(), (CellEditRules::Cell{1, 1}));
    // Where the keyboard goes once the window is active (no window manager may activate it).
    EXPECT_EQ(view.focusWidget(), &view.grid());
    EXPECT_TRUE(view.frequencyEdit()->isHidden());
}

// Hiding and deleting the editors under the pointer raises pointer events; a view on its way
// out must not answer them.
TEST_F(ChannelViewTest, ClosingUnderThePointerCallsNothingBack) {
    auto child = std::make_unique<ChannelView>(document, tones, prompter, dialogs);
    child->initialUpdate();
    child->resize(600, 400);
    child->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(child.get()));
    child->powerBox()->setGeometry(100, 100, 80, 24);
    child->powerBox()->show();
    QTest::mouseMove(child->powerBox(), {10, 10});
    int lateTexts = 0;
    QObject::connect(child.get(), &ChannelView::statusText, [&] { ++lateTexts; });
    child.reset();
    EXPECT_EQ(lateTexts, 0);
}

} // namespace
} // namespace tarn
