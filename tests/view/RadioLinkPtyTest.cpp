#include "link/RadioLink.h"

#include "data/ChannelCodec.h"
#include "data/ChannelDocument.h"
#include "qtsupport/CommandIds.h"
#include "tests/support/FakeDocumentDialogs.h"
#include "tests/support/PtyRadioFixture.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestPrompter.h"

#include <QSignalSpy>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

namespace tarn {
namespace {

// A window's link with its real serial port, against the virtual radio on a pseudo-terminal.
TEST(RadioLinkPtyTest, ReadEditAndWriteBack) {
    test::PtyRadioFixture radio;
    radio.radio().setRadioType(0xFF);
    ChannelCodec::encodeFrequency(43512500, radio.radio().memory().subspan<0, 4>());
    radio.start();
    qputenv("TARN_COM2", QByteArray::fromStdString(radio.devicePath()));

    test::TempDir dumpDir;
    ChannelDocument document;
    document.initNew();
    document.setDumpDirectory(dumpDir.path());
    test::TestPrompter prompter;
    test::FakeDocumentDialogs dialogs;
    QWidget window;
    window.show();
    RadioLink link(document, prompter, dialogs, window, window);
    TransferProgressDialog& dialog = link.progressDialog();
    const auto transfer = [&](int command) {
        link.runCommand(command);
        QSignalSpy ended(&link, &RadioLink::transferEnded);
        QTest::mouseClick(&dialog.startButton(), Qt::LeftButton);
        ASSERT_TRUE(ended.wait(60000));
        // A good write waits, confirming, for the user's Close.
        EXPECT_EQ(dialog.hasWindow(), command == cmd::WriteToRadio);
        EXPECT_TRUE(prompter.texts().empty());
    };

    link.runCommand(cmd::Com2);
    transfer(cmd::ReadFromRadio);
    EXPECT_EQ(document.sheet().cellText(1, ChannelCodec::RxFreqColumn), "435.12500");

    document.storeCell(2, ChannelCodec::RxFreqColumn, "438.50000");
    transfer(cmd::WriteToRadio);
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
