#include "view/ChannelView.h"

#include "data/ChannelCodec.h"
#include "data/ChannelDocument.h"
#include "data/ToneTable.h"
#include "tests/support/PtyRadioFixture.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestPrompter.h"

#include <QTest>

#include <gtest/gtest.h>

namespace tarn {
namespace {

// The real view with its real serial port, against the virtual radio on a pseudo-terminal.
TEST(ViewRadioLinkPtyTest, ReadEditAndWriteBack) {
    test::PtyRadioFixture radio;
    radio.radio().setRadioType(0xFF);
    ChannelCodec::encodeFrequency(43512500, radio.radio().memory().subspan<0, 4>());
    radio.start();
    qputenv("TARN_COM2", QByteArray::fromStdString(radio.devicePath()));

    test::TempDir dumpDir;
    ChannelDocument document;
    document.initNew();
    const ToneTable tones;
    test::TestPrompter prompter;
    ChannelView view(document, tones, prompter);
    view.setDumpDirectory(dumpDir.path());
    view.initialUpdate();
    view.show();
    TransferProgressDialog& dialog = view.radioLink().progressDialog();
    const auto transfer = [&](int command) {
        view.runCommand(command);
        QTest::mouseClick(&dialog.startButton(), Qt::LeftButton);
        QCoreApplication::processEvents();
        EXPECT_FALSE(dialog.hasWindow());
        EXPECT_TRUE(prompter.texts().empty());
    };

    view.runCommand(ViewRadioLink::Com2Command);
    transfer(ViewRadioLink::ReadCommand);
    EXPECT_EQ(view.grid().textMatrix(1, ChannelCodec::RxFreqColumn), "435.12500");

    view.grid().setTextMatrix(2, ChannelCodec::RxFreqColumn, "438.50000");
    transfer(ViewRadioLink::WriteCommand);
    radio.stop();
    qunsetenv("TARN_COM2");
    std::array<std::uint8_t, 4> expected{};
    ChannelCodec::encodeFrequency(43850000, expected);
    const auto row2 = radio.radio().memory().subspan(RadioImage::RowSize, 4);
    EXPECT_TRUE(std::equal(row2.begin(), row2.end(), expected.begin()));
    EXPECT_EQ(radio.radio().blocksWritten(), RadioImage::WriteBlocks);
}

} // namespace
} // namespace tarn
