#include "radio/VirtualRadio.h"

#include <gtest/gtest.h>

#include <array>

namespace tarn {
namespace {

using Bytes = std::vector<std::uint8_t>;
constexpr std::int64_t Byte = VirtualRadio::ByteTimeNs9600;
const Bytes WakeUp = {0x02, 'P', 'R', 'O', 'G', 'R', 'A'};

// Drives a radio through the handshake into command mode.
Bytes handshake(VirtualRadio& radio, std::int64_t at = 0) {
    radio.receive(WakeUp, at);
    radio.receive(Bytes{'M', 0x02}, at);
    radio.receive(Bytes{0x06}, at);
    return radio.takeOutput(INT64_MAX);
}

TEST(VirtualRadioTest, AnswersTheHandshakeAndBothBlockCommands) {
    VirtualRadio radio;
    radio.setRadioType(4);
    EXPECT_EQ(handshake(radio), (Bytes{0x06, 'V', 'R', '0', '1', 4, 0, 0, 0, 0x06}));

    radio.receive(Bytes{'W', 0x1F, 0xC0, 8, 1, 2, 3, 4, 5, 6, 7, 8}, 0);
    EXPECT_EQ(radio.takeOutput(0), Bytes{0x06});
    EXPECT_EQ(radio.memory()[0x1FC7], 8);

    radio.receive(Bytes{'R', 0x1F, 0xC0, 8}, 0);
    EXPECT_EQ(radio.takeOutput(0), (Bytes{'W', 0x1F, 0xC0, 8, 1, 2, 3, 4, 5, 6, 7, 8}));
    radio.receive(Bytes{0x06}, 0);
    EXPECT_EQ(radio.takeOutput(0), Bytes{0x06});
    EXPECT_EQ(radio.blocksWritten(), 1);
    EXPECT_EQ(radio.blocksRead(), 1);
}

TEST(VirtualRadioTest, FindsTheWakeUpAfterNoiseAndAcrossSessions) {
    VirtualRadio radio;
    radio.receive(Bytes{0x02, 'P', 0x02, 0x00, 'R'}, 0);
    EXPECT_FALSE(radio.hasOutput());
    (void)handshake(radio);
    radio.receive(Bytes{'W', 0, 0, 8, 'P', 'R', 'O', 'G', 'R', 'A', 0x02, 'R'}, 0);
    EXPECT_EQ(radio.takeOutput(0), Bytes{0x06}) << "data bytes are never commands";
    // A new session starts while the radio waits for commands; 'R' inside the wake-up
    // is no read command.
    EXPECT_EQ(handshake(radio).front(), 0x06);
    EXPECT_EQ(radio.wakeUps(), 2);
    EXPECT_EQ(radio.blocksRead(), 0);
}

TEST(VirtualRadioTest, PacingTakesTenBitTimesPerByteEachWay) {
    VirtualRadio radio;
    radio.setPacing(true);
    (void)handshake(radio);
    const std::int64_t start = 1'000'000'000;
    radio.receive(Bytes{'R', 0, 0x08, 8}, start);
    ASSERT_TRUE(radio.hasOutput());
    // 4 bytes in, then 12 bytes out, back to back.
    EXPECT_EQ(radio.nextOutputNs(), start + 5 * Byte);
    EXPECT_TRUE(radio.takeOutput(start + 15 * Byte).size() == 11);
    EXPECT_EQ(radio.takeOutput(start + 16 * Byte).size(), 1u);
}

TEST(VirtualRadioTest, SplitRepliesLeaveGapsBetweenPieces) {
    FaultPlan faults;
    faults.splitPieceBytes = 5;
    faults.splitGapMs = 20;
    VirtualRadio radio(faults);
    (void)handshake(radio);
    const std::int64_t t = 1'000'000'000;
    radio.receive(Bytes{'R', 0, 0, 8}, t);
    EXPECT_EQ(radio.takeOutput(t).size(), 5u);
    EXPECT_EQ(radio.takeOutput(t + 19'000'000).size(), 0u);
    EXPECT_EQ(radio.takeOutput(t + 20'000'000).size(), 5u);
    EXPECT_EQ(radio.takeOutput(t + 40'000'000).size(), 2u);
}

TEST(VirtualRadioTest, FaultsMisbehaveAtTheirBlock) {
    FaultPlan faults;
    faults.refuseWriteBlock = 1;
    faults.shortReadBlock = 2;
    faults.shortReadLength = 10;
    faults.wrongReadAckBlock = 3;
    faults.hangUpBlock = 4;
    VirtualRadio radio(faults);
    (void)handshake(radio);
    const Bytes write = {'W', 0, 0, 8, 9, 9, 9, 9, 9, 9, 9, 9};
    radio.receive(write, 0);
    EXPECT_EQ(radio.takeOutput(0), Bytes{0x06});
    radio.receive(write, 0);
    EXPECT_EQ(radio.takeOutput(0), Bytes{0x15});
    radio.receive(Bytes{'R', 0, 0, 8}, 0);
    EXPECT_EQ(radio.takeOutput(0).size(), 10u);
    radio.receive(Bytes{0x06, 'R', 0, 0, 8}, 0);
    EXPECT_EQ(radio.takeOutput(0).size(), 1u + 12u);
    radio.receive(Bytes{0x06}, 0);
    EXPECT_EQ(radio.takeOutput(0), Bytes{0x15});
    EXPECT_FALSE(radio.hungUp());
    radio.receive(Bytes{'R', 0, 0, 8}, 0);
    EXPECT_TRUE(radio.hungUp());
    EXPECT_FALSE(radio.hasOutput());
    EXPECT_EQ(radio.blocksWritten(), 1);
}

TEST(VirtualRadioTest, ReplyHeaderFaultsMisplaceOrHideTheEcho) {
    struct Case {
        const char* fault;
        Bytes secondReply;
    };
    const Case cases[] = {
        {"shift=1", {'W', 0x00, 0x10, 8, 16, 17, 18, 19, 20, 21, 22, 23}},
        {"no-echo", {'W', 0, 0, 0, 8, 9, 10, 11, 12, 13, 14, 15}},
    };
    for (const Case& c : cases) {
        FaultPlan faults;
        faults.add(c.fault);
        VirtualRadio radio(faults);
        for (std::size_t i = 0; i < 32; ++i)
            radio.memory()[i] = static_cast<std::uint8_t>(i);
        (void)handshake(radio);
        radio.receive(Bytes{'R', 0, 0, 8}, 0);
        const Bytes first = radio.takeOutput(0);
        EXPECT_EQ(first.size(), 12u) << c.fault;
        radio.receive(Bytes{0x06, 'R', 0, 0x08, 8}, 0);
        const Bytes second = radio.takeOutput(0);
        EXPECT_EQ(Bytes(second.begin() + 1, second.end()), c.secondReply) << c.fault;
    }
}

TEST(VirtualRadioTest, HandshakeFaults) {
    FaultPlan faults;
    faults.ignoredWakeUps = 1;
    faults.ackAsSecondByte = true;
    faults.dropIdentity = true;
    faults.wrongFinalAck = true;
    VirtualRadio radio(faults);
    radio.receive(WakeUp, 0);
    EXPECT_FALSE(radio.hasOutput());
    EXPECT_EQ(handshake(radio), (Bytes{0x00, 0x06, 0x15}));

    FaultPlan silent;
    silent.neverAnswer = true;
    VirtualRadio mute(silent);
    EXPECT_TRUE(handshake(mute).empty());
    EXPECT_EQ(mute.wireLog().bytes(WireDirection::ToRadio).size(), 10u);
}

TEST(VirtualRadioTest, ABadStoreIsAcknowledgedButKeptWrongly) {
    FaultPlan faults;
    faults.add("bad-store=1");
    EXPECT_EQ(faults.badStoreBlock, 1);
    VirtualRadio radio(faults);
    (void)handshake(radio);
    radio.receive(Bytes{'W', 0, 0, 8, 1, 2, 3, 4, 5, 6, 7, 8}, 0);
    radio.receive(Bytes{'W', 0, 8, 8, 1, 2, 3, 4, 5, 6, 7, 8}, 0);
    EXPECT_EQ(radio.takeOutput(0), (Bytes{0x06, 0x06}));
    EXPECT_EQ(radio.memory()[7], 8);
    EXPECT_EQ(radio.memory()[8], 0xFE);
    EXPECT_EQ(radio.memory()[15], 0xF7);
}

TEST(FaultPlanTest, ParsesEveryFault) {
    FaultPlan plan;
    for (const char* fault :
         {"never", "wake-after=3", "ack-second", "drop-identity", "bad-final-ack", "refuse-write=7",
          "short-read=9:4", "bad-read-ack=2", "hang-up=100", "split=4:12", "stray=20",
          "trailing-byte", "hang-up-wake", "shift=5", "no-echo"})
        plan.add(fault);
    EXPECT_TRUE(plan.neverAnswer);
    EXPECT_EQ(plan.ignoredWakeUps, 3);
    EXPECT_TRUE(plan.ackAsSecondByte && plan.dropIdentity && plan.wrongFinalAck);
    EXPECT_EQ(plan.refuseWriteBlock, 7);
    EXPECT_EQ(plan.shortReadBlock, 9);
    EXPECT_EQ(plan.shortReadLength, 4);
    EXPECT_EQ(plan.wrongReadAckBlock, 2);
    EXPECT_EQ(plan.hangUpBlock, 100);
    EXPECT_EQ(plan.splitPieceBytes, 4);
    EXPECT_EQ(plan.splitGapMs, 12);
    EXPECT_EQ(plan.strayBeforeReadBlock, 20);
    EXPECT_TRUE(plan.trailingByte && plan.hangUpOnWakeUp && plan.noEcho);
    EXPECT_EQ(plan.shiftReadBlock, 5);

    FaultPlan defaults;
    defaults.add("short-read=1");
    EXPECT_EQ(defaults.shortReadLength, 11);
}

TEST(FaultPlanTest, RejectsMalformedFaults) {
    for (const char* fault : {"", "bogus", "never=1", "hang-up", "hang-up=", "hang-up=-1",
                              "hang-up=x", "short-read=1:12", "split=0:5", "refuse-write=3x",
                              "stray", "trailing-byte=1", "shift", "no-echo=1"}) {
        FaultPlan plan;
        EXPECT_THROW(plan.add(fault), FaultPlanError) << fault;
    }
}

} // namespace
} // namespace tarn
