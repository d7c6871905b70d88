#include "link/WriteReport.h"

#include "link/TransferSession.h"
#include "radio/VirtualRadio.h"
#include "tests/support/SessionRig.h"
#include "tests/support/TestPrompter.h"

#include <gtest/gtest.h>

namespace tarn {
namespace {

using test::SessionRig;
using test::TestPrompter;

// 145.500 MHz in and out on every channel, so any flipped byte changes what a cell shows.
RadioImage programmed(std::uint8_t modelType = 0) {
    RadioImage image = RadioImage::newDocument();
    for (int row = 0; row < RadioImage::MaxChannels; ++row) {
        const std::uint8_t frequency[] = {0x00, 0x00, 0x55, 0x14};
        for (std::size_t i = 0; i < 4; ++i) {
            image.row(row)[i] = frequency[i];
            image.row(row)[4 + i] = frequency[i];
        }
    }
    image[RadioImage::ModelTypeOffset] = modelType;
    return image;
}

void flipBlock(RadioImage& image, std::uint16_t address) {
    for (std::size_t i = 0; i < RadioImage::BlockSize; ++i)
        image[address + i] ^= 0xFF;
}

TEST(WriteReportTest, ConfirmationsCountWhatTheSessionCounted) {
    EXPECT_EQ(WriteReport::confirmation(404, nullptr), "Written: 404 blocks");
    VerifyResult verified{true, 0, 0, 403};
    EXPECT_EQ(WriteReport::confirmation(404, &verified), "Written and verified: 403 blocks match");
}

TEST(WriteReportTest, VerifyDetailsNameChannelsColumnsAndSettings) {
    const RadioImage sent = programmed();
    RadioImage back = sent;
    flipBlock(back, 0x0150);  // channel 22's frequencies
    back.row(40)[12] ^= 0x30; // channel 41's power
    back[0x1FC1] ^= 0x01;     // squelch
    EXPECT_EQ(WriteReport::verifyDetails(sent, back),
              "Channel 22: RX Freq, TX Freq\nChannel 41: TX Power\nSettings: Squelch Level");

    // Bytes past the read never came back, so they cannot differ.
    RadioImage unread = sent;
    unread[0x1FE8] ^= 0xFF;
    EXPECT_EQ(WriteReport::verifyDetails(sent, unread), "");

    // Bits no cell shows still name their channel; those of the settings area are counted.
    RadioImage hidden = sent;
    hidden.row(3)[14] ^= 0x01;
    hidden[0x1FD0] ^= 0x80;
    EXPECT_EQ(WriteReport::verifyDetails(sent, hidden),
              "Channel 4: bytes no cell shows\nBytes no cell or setting shows: 1");
}

TEST(WriteReportTest, ALongListIsCut) {
    const RadioImage sent = programmed();
    RadioImage back = sent;
    for (int row = 0; row < 30; ++row)
        flipBlock(back, static_cast<std::uint16_t>(row * RadioImage::RowSize));
    const std::string details = WriteReport::verifyDetails(sent, back);
    EXPECT_EQ(std::count(details.begin(), details.end(), '\n'), 10);
    EXPECT_TRUE(details.starts_with("Channel 1: RX Freq, TX Freq\n")) << details;
    EXPECT_NE(details.find("Channel 10: RX Freq, TX Freq\nand 20 more"), std::string::npos)
        << details;
}

TEST(WriteReportTest, TheLastChannelWrittenFollowsTheAcknowledgedBlocks) {
    const RadioImage full = programmed();
    EXPECT_EQ(WriteReport::lastChannelWritten(0, full), "No channel was written whole.");
    EXPECT_EQ(WriteReport::lastChannelWritten(1, full), "No channel was written whole.")
        << "half a row is not the channel";
    EXPECT_EQ(WriteReport::lastChannelWritten(2, full), "The last channel written is channel 1.");
    EXPECT_EQ(WriteReport::lastChannelWritten(43, full), "The last channel written is channel 21.");
    EXPECT_EQ(WriteReport::lastChannelWritten(397, full),
              "The last channel written is channel 198.");
    EXPECT_EQ(WriteReport::lastChannelWritten(398, full),
              "Every channel was written; the settings were not.");
    EXPECT_EQ(WriteReport::lastChannelWritten(403, full),
              "Every channel was written; the settings were not.");
    // A 160-channel model shows none of the rows written after its last channel.
    EXPECT_EQ(WriteReport::lastChannelWritten(340, programmed(4)),
              "Every channel was written; the settings were not.");
}

TEST(WriteReportTest, BackupOutcomesFollowTheTransfer) {
    using D = TransferDirection;
    using O = TransferOutcome;
    EXPECT_EQ(WriteReport::backupOutcome(D::Read, O::Completed, {}), BackupOutcome::Complete);
    EXPECT_EQ(WriteReport::backupOutcome(D::Write, O::Completed, {}), BackupOutcome::Complete);
    EXPECT_EQ(WriteReport::backupOutcome(D::Write, O::Completed, VerifyResult{true, 0, 0, 403}),
              BackupOutcome::Verified);
    EXPECT_EQ(WriteReport::backupOutcome(D::Write, O::Completed, VerifyResult{true, 2, 0x10, 403}),
              BackupOutcome::VerifyFailed);
    EXPECT_EQ(WriteReport::backupOutcome(D::Write, O::Completed, VerifyResult{}),
              BackupOutcome::NotVerified);
    EXPECT_EQ(WriteReport::backupOutcome(D::Write, O::Failed, {}), BackupOutcome::PartlyWritten);
    EXPECT_EQ(WriteReport::backupOutcome(D::Write, O::Cancelled, {}), BackupOutcome::PartlyWritten);
}

// The reports as a session against the virtual radio gives them.
struct Radio {
    explicit Radio(const char* fault = nullptr)
        : radio(plan(fault)) {}
    static FaultPlan plan(const char* fault) {
        FaultPlan faults;
        if (fault)
            faults.add(fault);
        return faults;
    }
    VirtualRadio radio;
    TestPrompter prompter;
    SessionRig session{radio, prompter};
    SessionRig* rig = &session;
};

TEST(WriteReportSessionTest, AGoodWriteConfirmsWithItsCounts) {
    Radio plain;
    ASSERT_EQ(plain.rig->run(TransferDirection::Write, programmed()), TransferOutcome::Completed);
    EXPECT_TRUE(plain.rig->session().writeConfirmed());
    EXPECT_EQ(plain.rig->statusTexts().back(), "Written: 404 blocks");
    EXPECT_TRUE(plain.prompter.texts().empty());

    Radio verified;
    ASSERT_EQ(verified.rig->run(TransferDirection::Write, programmed(), SessionOptions{true}),
              TransferOutcome::Completed);
    EXPECT_TRUE(verified.rig->session().writeConfirmed());
    EXPECT_EQ(verified.rig->statusTexts().back(), "Written and verified: 403 blocks match");

    Radio read;
    ASSERT_EQ(read.rig->run(TransferDirection::Read, RadioImage()), TransferOutcome::Completed);
    EXPECT_FALSE(read.rig->session().writeConfirmed()) << "a read shows its channels instead";
}

TEST(WriteReportSessionTest, ABadStoreIsNamedByItsChannel) {
    Radio r("bad-store=42");
    r.prompter.answer(PromptAnswer::Ok);
    ASSERT_EQ(r.rig->run(TransferDirection::Write, programmed(), SessionOptions{true}),
              TransferOutcome::Completed);
    EXPECT_FALSE(r.rig->session().writeConfirmed());
    EXPECT_EQ(r.prompter.texts(),
              std::vector<std::string>{"Verify failed: 1 block differs, at 0x0150\n"
                                       "Channel 22: RX Freq, TX Freq"});
    EXPECT_NE(r.rig->statusTexts().back(), "Written: 404 blocks");

    Radio settings("bad-store=398");
    settings.prompter.answer(PromptAnswer::Ok);
    (void)settings.rig->run(TransferDirection::Write, programmed(), SessionOptions{true});
    ASSERT_EQ(settings.prompter.texts().size(), 1u);
    EXPECT_TRUE(settings.prompter.texts()[0].starts_with(
        "Verify failed: 1 block differs, at 0x1FC0\nSettings: "))
        << settings.prompter.texts()[0];
}

TEST(WriteReportSessionTest, AStoppedWriteNamesTheLastChannel) {
    Radio refused("refuse-write=45");
    refused.prompter.answer({PromptAnswer::Ok, PromptAnswer::Ok});
    ASSERT_EQ(refused.rig->run(TransferDirection::Write, programmed()), TransferOutcome::Failed);
    EXPECT_FALSE(refused.rig->session().writeConfirmed());
    ASSERT_EQ(refused.prompter.texts().size(), 2u);
    EXPECT_EQ(refused.prompter.texts()[1],
              RadioTransfer::partlyWrittenText(45) + "\nThe last channel written is channel 22.");
}

} // namespace
} // namespace tarn
