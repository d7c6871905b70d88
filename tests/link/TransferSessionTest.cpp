#include "link/TransferSession.h"

#include "radio/VirtualRadio.h"
#include "tests/support/SessionRig.h"
#include "tests/support/TestPrompter.h"

#include <gtest/gtest.h>

#include <functional>

namespace tarn {
namespace {

using test::SessionRig;
using test::TestPrompter;
using Bytes = std::vector<std::uint8_t>;
using Texts = std::vector<std::string>;
using Answers = std::vector<PromptAnswer>;
using Kind = SessionAction::Kind;

// Distinct bytes everywhere, so a misplaced block shows.
void fillPattern(std::span<std::uint8_t> bytes, unsigned seed) {
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<std::uint8_t>((i * 7 + seed + i / 256) & 0xFF);
}

Bytes handshakeBytes() {
    Bytes bytes(RadioTransfer::WakeUp.begin(), RadioTransfer::WakeUp.end());
    bytes.insert(bytes.end(), {'M', 0x02, 0x06});
    return bytes;
}

bool inTransferredRange(std::size_t offset, int blocks) {
    for (int b = 0; b < blocks; ++b) {
        const std::size_t address = RadioImage::blockAddress(b);
        if (offset >= address && offset < address + RadioImage::BlockSize)
            return true;
    }
    return false;
}

Bytes sentBytes(const SessionRig& rig) {
    Bytes all;
    for (const SessionRig::Sent& sent : rig.sent())
        all.insert(all.end(), sent.bytes.begin(), sent.bytes.end());
    return all;
}

struct Rig {
    explicit Rig(const std::vector<std::string>& faults = {}, bool paced = false)
        : radio(plan(faults)) {
        radio.setPacing(paced);
        fillPattern(radio.memory(), 5);
        radio.memory()[RadioImage::ModelTypeOffset] = 4;
        fillPattern(image.bytes(), 11);
        image[RadioImage::ModelTypeOffset] = 0;
    }
    static FaultPlan plan(const std::vector<std::string>& faults) {
        FaultPlan plan;
        for (const std::string& fault : faults)
            plan.add(fault);
        return plan;
    }
    TransferOutcome run(TransferDirection direction, SessionOptions options = {}) {
        return rig.run(direction, image, options);
    }

    VirtualRadio radio;
    TestPrompter prompter;
    SessionRig rig{radio, prompter};
    RadioImage image = RadioImage::newDocument();
};

// ---- complete transfers ------------------------------------------------------------------

TEST(TransferSessionTest, CompleteWriteSendsEveryBlockWithThePrescribedPauses) {
    Rig r;
    ASSERT_EQ(r.run(TransferDirection::Write), TransferOutcome::Completed);

    Bytes expected = handshakeBytes();
    for (int block = 0; block < RadioImage::WriteBlocks; ++block) {
        const std::uint16_t address = RadioImage::blockAddress(block);
        expected.insert(expected.end(), {'W', static_cast<std::uint8_t>(address >> 8),
                                         static_cast<std::uint8_t>(address & 0xFF), 8});
        expected.insert(expected.end(), r.image.bytes().begin() + address,
                        r.image.bytes().begin() + address + 8);
    }
    EXPECT_EQ(sentBytes(r.rig), expected);
    for (std::size_t offset = 0; offset < RadioImage::Size; ++offset)
        ASSERT_EQ(r.radio.memory()[offset],
                  inTransferredRange(offset, 404) ? r.image[offset] : Rig().radio.memory()[offset])
            << offset;

    // 7 ms before the wake-up, 1 ms before each of its bytes, 'M' and 0x02; then 1 ms between
    // command and data and 2 ms after each block. Unpaced, the wire costs nothing.
    EXPECT_EQ(r.rig.nowMs(), 16 + 404 * 3);
    const auto& sent = r.rig.sent();
    EXPECT_EQ(sent[0].atMs, 8);
    EXPECT_EQ(sent[10].atMs + 1, sent[11].atMs) << "command, 1 ms, data";
    EXPECT_EQ(sent[11].atMs + 2, sent[12].atMs) << "data, acknowledge, 2 ms, next command";

    const Texts& texts = r.rig.statusTexts();
    ASSERT_EQ(texts.size(), 3u + 403u + 1u);
    EXPECT_EQ(texts[0], RadioTransfer::DetectingText);
    EXPECT_EQ(texts[1], RadioTransfer::WaitingText);
    EXPECT_EQ(texts[2], RadioTransfer::WaitingText);
    EXPECT_EQ(texts[3], "1");
    EXPECT_EQ(texts[texts.size() - 2], "403");
    EXPECT_EQ(texts.back(), "Written: 404 blocks") << "the write ends by saying so";
    EXPECT_EQ(r.rig.rangeMaximum(), 403);
    EXPECT_EQ(r.rig.progressPosition(), 403);
    EXPECT_EQ(r.rig.session().blocksAcknowledged(), 404);
    EXPECT_TRUE(r.prompter.prompts().empty());
    EXPECT_FALSE(r.rig.session().readCompleted());
}

TEST(TransferSessionTest, CompleteReadFetchesTheChannelRowsAndFortySettingsBytes) {
    Rig r;
    const RadioImage before = r.image;
    ASSERT_EQ(r.run(TransferDirection::Read), TransferOutcome::Completed);

    Bytes expected = handshakeBytes();
    for (int block = 0; block < RadioImage::ReadBlocks; ++block) {
        const std::uint16_t address = RadioImage::blockAddress(block);
        expected.insert(expected.end(), {'R', static_cast<std::uint8_t>(address >> 8),
                                         static_cast<std::uint8_t>(address & 0xFF), 8, 0x06});
    }
    EXPECT_EQ(sentBytes(r.rig), expected);
    const RadioImage& got = r.rig.session().image();
    for (std::size_t offset = 0; offset < RadioImage::Size; ++offset)
        ASSERT_EQ(got[offset],
                  inTransferredRange(offset, 403) ? r.radio.memory()[offset] : before[offset])
            << offset;
    EXPECT_TRUE(r.rig.session().readCompleted());
    EXPECT_EQ(r.rig.nowMs(), 16 + 403 * (15 + 2));
    EXPECT_EQ(r.rig.statusTexts().back(), "403");
    EXPECT_TRUE(r.prompter.prompts().empty());
}

TEST(TransferSessionTest, PacedTransfersCostTheWirePlusThePausesAndNoMore) {
    struct Case {
        TransferDirection direction;
        int bytesPerBlock; // both ways
        int pauseMsPerBlock;
    };
    for (const Case c : {Case{TransferDirection::Write, 4 + 8 + 1, 3},
                         Case{TransferDirection::Read, 4 + 12 + 1 + 1, 17}}) {
        Rig r({}, true);
        ASSERT_EQ(r.run(c.direction), TransferOutcome::Completed);
        const int blocks = c.direction == TransferDirection::Write ? 404 : 403;
        const double wireMs = VirtualRadio::ByteTimeNs9600 / 1e6 * c.bytesPerBlock * blocks;
        const double bound = wireMs + c.pauseMsPerBlock * blocks;
        EXPECT_GE(static_cast<double>(r.rig.nowMs()), bound);
        EXPECT_LE(static_cast<double>(r.rig.nowMs()), bound * 1.03) << int(c.direction);
    }
}

// ---- every fault the radio or the line can show ------------------------------------------

struct FaultCase {
    const char* name = "";
    std::vector<std::string> faults = {};
    TransferDirection direction = TransferDirection::Write;
    Answers answers = {};
    Texts prompts = {};
    TransferOutcome outcome = TransferOutcome::Completed;
    int blocksWritten = -1; // -1: not checked
    int wakeUps = -1;
    int imageBlocks = -1; // blocks of a read that reached the image
    std::function<void(Rig&)> setup = {};
    bool verify = false;
    bool paced = false;
};

// The messages' first lines; the lines that explain them are WriteReportTest's.
Texts firstLines(Texts texts) {
    for (std::string& text : texts)
        text = text.substr(0, text.find('\n'));
    return texts;
}

const std::string NotEnough = RadioTransfer::NotEnoughText;
const std::string CommError = RadioTransfer::CommErrorText;
const std::string Interrupt = RadioTransfer::ProgramInterruptText;
constexpr auto Read = TransferDirection::Read;
constexpr auto Write = TransferDirection::Write;
constexpr auto Ok = PromptAnswer::Ok;
constexpr auto Cancel = PromptAnswer::Cancel;
constexpr auto Retry = PromptAnswer::Retry;
constexpr auto Failed = TransferOutcome::Failed;
constexpr auto Cancelled = TransferOutcome::Cancelled;

auto radioType(std::uint8_t type, std::uint8_t model = 1) {
    return [=](Rig& r) {
        r.radio.setRadioType(type);
        r.image[RadioImage::ModelTypeOffset] = model;
    };
}

auto cancelAfterBlocks(int blocks) {
    return [=](Rig& r) {
        r.rig.cancelWhen(
            [=](const TransferSession& s, double) { return s.progressPosition() >= blocks; });
    };
}

const std::vector<FaultCase>& faultCases() {
    static const std::vector<FaultCase> cases = {
        {.name = "silent radio: fifteen attempts before each question",
         .faults = {"never"},
         .answers = {Retry, Cancel},
         .prompts = {CommError, CommError},
         .outcome = Failed,
         .blocksWritten = 0},
        {.name = "late radio within fifteen attempts", .faults = {"wake-after=14"}, .wakeUps = 15},
        {.name = "acknowledge as second byte",
         .faults = {"ack-second"},
         .direction = Read,
         .wakeUps = 1,
         .imageBlocks = 403},
        {.name = "type mismatch accepted wakes the radio again",
         .answers = {Ok},
         .prompts = {RadioTransfer::TypeMismatchText},
         .blocksWritten = 404,
         .wakeUps = 2,
         .setup = radioType(3)},
        {.name = "type mismatch refused writes nothing",
         .answers = {Cancel},
         .prompts = {RadioTransfer::TypeMismatchText},
         .outcome = Failed,
         .blocksWritten = 0,
         .setup = radioType(3)},
        {.name = "same type", .blocksWritten = 404, .setup = radioType(2, 2)},
        {.name = "no stated type", .blocksWritten = 404, .setup = radioType(0xFF)},
        {.name = "a read checks no type", .direction = Read, .setup = radioType(6)},
        {.name = "missing identity states no type",
         .faults = {"drop-identity"},
         .blocksWritten = 404,
         .setup = radioType(5)},
        {.name = "port that cannot be opened",
         .answers = {Ok},
         .prompts = {RadioTransfer::OpenFailedText},
         .outcome = TransferOutcome::PortUnavailable,
         .blocksWritten = 0,
         .setup = [](Rig& r) { r.rig.failOpen(true); }},
        {.name = "device lost at the identity, back on retry",
         .direction = Read,
         .answers = {Retry},
         .prompts = {CommError},
         .wakeUps = 2,
         .imageBlocks = 403,
         .setup = [](Rig& r) { r.rig.loseAfterWrite(9); }},
        {.name = "device lost at the wake-up and still missing",
         .direction = Read,
         .answers = {Retry, Retry, Cancel},
         .prompts = {CommError, CommError, CommError},
         .outcome = Failed,
         .setup = [](Rig& r) { r.rig.loseAfterWrite(7, true); }},
        {.name = "radio hangs up at the wake-up",
         .faults = {"hang-up-wake"},
         .answers = {Cancel},
         .prompts = {CommError},
         .outcome = Failed,
         .blocksWritten = 0},
        {.name = "wrong final acknowledge",
         .faults = {"bad-final-ack"},
         .direction = Read,
         .answers = {Cancel},
         .prompts = {CommError},
         .outcome = Failed,
         .imageBlocks = 0},
        {.name = "acknowledge cannot be written",
         .answers = {Ok},
         .prompts = {RadioTransfer::SendOrderText},
         .outcome = Failed,
         .blocksWritten = 0,
         .setup = [](Rig& r) { r.rig.failWrite(10); }},
        {.name = "refused write block",
         .faults = {"refuse-write=5"},
         .answers = {Ok, Ok},
         .prompts = {Interrupt, RadioTransfer::partlyWrittenText(5)},
         .outcome = Failed,
         .blocksWritten = 5},
        {.name = "radio hangs up during a write",
         .faults = {"hang-up=10"},
         .answers = {Ok, Ok},
         .prompts = {Interrupt, RadioTransfer::partlyWrittenText(10)},
         .outcome = Failed,
         .blocksWritten = 10},
        {.name = "short reply, even of eleven bytes",
         .faults = {"short-read=7:11"},
         .direction = Read,
         .answers = {Ok},
         .prompts = {NotEnough},
         .outcome = Failed,
         .imageBlocks = 7},
        {.name = "stray byte shifting a reply",
         .faults = {"stray=20"},
         .direction = Read,
         .answers = {Ok},
         .prompts = {NotEnough},
         .outcome = Failed,
         .imageBlocks = 20,
         .paced = true},
        {.name = "a radio that always appends a byte",
         .faults = {"trailing-byte"},
         .direction = Read,
         .imageBlocks = 403},
        {.name = "appended byte plus a stray one",
         .faults = {"trailing-byte", "stray=1"},
         .direction = Read,
         .answers = {Ok},
         .prompts = {NotEnough},
         .outcome = Failed,
         .imageBlocks = 1},
        {.name = "wrong acknowledge after a read block keeps that block",
         .faults = {"bad-read-ack=3"},
         .direction = Read,
         .answers = {Ok},
         .prompts = {RadioTransfer::ReadAckText},
         .outcome = Failed,
         .imageBlocks = 4},
        {.name = "radio hangs up during a read",
         .faults = {"hang-up=10"},
         .direction = Read,
         .answers = {Ok},
         .prompts = {NotEnough},
         .outcome = Failed,
         .imageBlocks = 10},
        {.name = "split replies", .faults = {"split=3:5"}, .direction = Read, .imageBlocks = 403},
        {.name = "a reply for the next block, once block 0 echoed",
         .faults = {"shift=20"},
         .direction = Read,
         .answers = {Ok},
         .prompts = {NotEnough},
         .outcome = Failed,
         .imageBlocks = 20},
        {.name = "a reply for the next block at the last block",
         .faults = {"shift=402"},
         .direction = Read,
         .answers = {Ok},
         .prompts = {NotEnough},
         .outcome = Failed,
         .imageBlocks = 402},
        {.name = "a shortened reply completed by a stray byte",
         .faults = {"trailing-byte", "stray=100", "short-read=100:11"},
         .direction = Read,
         .answers = {Ok},
         .prompts = {NotEnough},
         .outcome = Failed,
         .imageBlocks = 100},
        {.name = "a radio that never echoes",
         .faults = {"no-echo"},
         .direction = Read,
         .imageBlocks = 403},
        // Such radios keep working, shifted reply and all: nothing tells it apart.
        {.name = "a radio that never echoes is never judged",
         .faults = {"no-echo", "shift=20"},
         .direction = Read},
        {.name = "cancel during the handshake",
         .outcome = Cancelled,
         .blocksWritten = 0,
         .wakeUps = 0,
         .setup =
             [](Rig& r) {
                 r.rig.cancelWhen([](const TransferSession&, double now) { return now >= 3; });
             }},
        {.name = "cancel during a write says how far it got",
         .answers = {Ok},
         .prompts = {RadioTransfer::partlyWrittenText(51)},
         .outcome = Cancelled,
         .blocksWritten = 51,
         .setup = cancelAfterBlocks(51)},
        {.name = "cancel during a read keeps the blocks received",
         .direction = Read,
         .outcome = Cancelled,
         .imageBlocks = 21,
         .setup = cancelAfterBlocks(21)},
        {.name = "cancel while waiting after an accepted type mismatch",
         .answers = {Ok},
         .prompts = {RadioTransfer::TypeMismatchText},
         .outcome = Cancelled,
         .blocksWritten = 0,
         .wakeUps = 1,
         .setup =
             [](Rig& r) {
                 radioType(3)(r);
                 r.rig.cancelWhen([](const TransferSession&, double now) { return now >= 100; });
             }},
        {.name = "question left open for minutes, then retried",
         .faults = {"wake-after=15"},
         .answers = {Retry},
         .prompts = {CommError},
         .blocksWritten = 404,
         .setup = [](Rig& r) { r.rig.answerAfter(5 * 60 * 1000); }},
        {.name = "verify: a good radio passes", .blocksWritten = 404, .wakeUps = 2, .verify = true},
        {.name = "verify: a block stored wrongly",
         .faults = {"bad-store=42"},
         .answers = {Ok},
         .prompts = {"Verify failed: 1 block differs, at 0x0150"},
         .verify = true},
        {.name = "verify: the last write block is never read back",
         .faults = {"bad-store=403"},
         .verify = true},
        {.name = "verify: a failed read-back",
         .faults = {"short-read=3"},
         .answers = {Ok, Ok},
         .prompts = {NotEnough, RadioTransfer::VerifyUnreadableText},
         .blocksWritten = 404,
         .verify = true},
        {.name = "verify: the read-back judges echoes on its own",
         .faults = {"shift=30"},
         .answers = {Ok, Ok},
         .prompts = {NotEnough, RadioTransfer::VerifyUnreadableText},
         .blocksWritten = 404,
         .verify = true},
        {.name = "verify: none after an interrupted write",
         .faults = {"refuse-write=2"},
         .answers = {Ok, Ok},
         .prompts = {Interrupt, RadioTransfer::partlyWrittenText(2)},
         .outcome = Failed,
         .wakeUps = 1,
         .verify = true},
    };
    return cases;
}

void expectImageBlocks(const Rig& r, const RadioImage& before, int blocks) {
    const RadioImage& got = r.rig.session().image();
    for (std::size_t offset = 0; offset < RadioImage::Size; ++offset)
        ASSERT_EQ(got[offset],
                  inTransferredRange(offset, blocks) ? r.radio.memory()[offset] : before[offset])
            << "offset " << offset;
}

TEST(TransferSessionFaultTest, EveryFaultEndsAsItShould) {
    for (const FaultCase& c : faultCases()) {
        SCOPED_TRACE(c.name);
        Rig r(c.faults, c.paced);
        if (c.setup)
            c.setup(r);
        for (const PromptAnswer a : c.answers)
            r.prompter.answer(a);
        const RadioImage before = r.image;

        EXPECT_EQ(r.run(c.direction, SessionOptions{c.verify}), c.outcome);

        EXPECT_EQ(firstLines(r.prompter.texts()), c.prompts);
        EXPECT_EQ(r.prompter.pendingAnswers(), 0u);
        if (c.blocksWritten >= 0) {
            EXPECT_EQ(r.radio.blocksWritten(), c.blocksWritten);
        }
        if (c.wakeUps >= 0) {
            EXPECT_EQ(r.radio.wakeUps(), c.wakeUps);
        }
        if (c.imageBlocks >= 0)
            expectImageBlocks(r, before, c.imageBlocks);
        EXPECT_EQ(r.rig.session().readCompleted(),
                  c.direction == Read && c.outcome == TransferOutcome::Completed);
        // However it ends: every open port closed, the window gone once, nothing after.
        EXPECT_TRUE(r.rig.faults().empty()) << r.rig.faults().front();
        EXPECT_TRUE(r.rig.session().hasEnded());
        EXPECT_FALSE(r.rig.isOpen());
        EXPECT_EQ(r.rig.closes(), r.rig.opens());
        EXPECT_EQ(r.rig.windowCloses(), 1);
        EXPECT_FALSE(r.rig.session().nextDeadline());
    }
}

TEST(TransferSessionFaultTest, ASilentRadioCostsFifteenAttemptsOfTwoReadTimeouts) {
    Rig r({"never"});
    r.prompter.answer({Retry, Cancel});
    EXPECT_EQ(r.run(Write), Failed);
    EXPECT_EQ(r.rig.sent().size(), 30u * 7u);
    // Each attempt: 7 + 7 ms of pauses, two 590 ms reads, 2 ms after the failed attempt.
    EXPECT_EQ(r.rig.nowMs(), 30 * (14 + 2 * 590 + 2));
    EXPECT_EQ(r.rig.rangeMaximum(), 0) << "the bar's range is set only once blocks flow";
    EXPECT_EQ(r.prompter.prompts()[0].buttons, PromptButtons::RetryCancel);
    EXPECT_EQ(r.prompter.prompts()[0].icon, PromptIcon::None);
}

TEST(TransferSessionFaultTest, WaitsAfterAFailedAcknowledgeAndAnInterruptedWriteFillsTheBar) {
    Rig slow({"bad-final-ack"});
    slow.prompter.answer(Cancel);
    EXPECT_EQ(slow.run(Read), Failed);
    EXPECT_EQ(slow.rig.nowMs(), 16 + 601);

    Rig refused({"refuse-write=5"});
    refused.prompter.answer({Ok, Ok});
    EXPECT_EQ(refused.run(Write), Failed);
    EXPECT_EQ(refused.rig.session().blocksSent(), 6);
    EXPECT_EQ(refused.rig.session().blocksAcknowledged(), 5);
    EXPECT_EQ(refused.rig.statusTexts().back(), "5");
    EXPECT_EQ(refused.rig.progressPosition(), 403);

    Rig shortRead({"short-read=7"});
    shortRead.prompter.answer(Ok);
    EXPECT_EQ(shortRead.run(Read), Failed);
    EXPECT_EQ(shortRead.rig.progressPosition(), 7) << "a failed read leaves the bar";
}

TEST(TransferSessionFaultTest, VerifyCountsWhatDiffersAndShowsItsOwnProgress) {
    Rig r({"bad-store=42"});
    r.prompter.answer(Ok);
    EXPECT_EQ(r.run(Write, SessionOptions{true}), TransferOutcome::Completed);
    ASSERT_TRUE(r.rig.session().verifyResult());
    EXPECT_EQ(r.rig.session().verifyResult()->differingBlocks, 1);
    EXPECT_EQ(r.rig.session().verifyResult()->firstAddress, 0x0150);

    Rig good;
    EXPECT_EQ(good.run(Write, SessionOptions{true}), TransferOutcome::Completed);
    const Texts& texts = good.rig.statusTexts();
    EXPECT_NE(std::find(texts.begin(), texts.end(), "Verify 403"), texts.end());
    ASSERT_GE(texts.size(), 2u);
    EXPECT_EQ(texts[texts.size() - 2], RadioTransfer::VerifyPassedText);
    EXPECT_EQ(texts.back(), "Written and verified: 403 blocks match");
}

// ---- the session's contract with its drivers ---------------------------------------------

TEST(TransferSessionDriverTest, BytesWaitingAtADeadlineAreNoSilence) {
    TransferSession s;
    s.start(Read, RadioImage(), {}, 0);
    s.portOpened(true, 0);
    // Run the handshake up to the wake-up read by hand.
    double now = 0;
    for (int i = 0; i < 50 && s.step() == TransferSession::Step::WakeUp; ++i) {
        for (const SessionAction& a : s.takeActions())
            if (a.kind == Kind::Write)
                s.written(true, now);
        if (s.nextDeadline() && *s.nextDeadline() > now + 100)
            break;
        if (s.nextDeadline())
            s.timeElapsed(now = *s.nextDeadline());
    }
    ASSERT_EQ(*s.nextDeadline(), now + 590) << "a 1-byte read waits 500 + 90 ms";
    // The driver woke late: the acknowledge came in time, so it counts.
    const std::uint8_t ack = RadioTransfer::Ack;
    s.bytesReceived({&ack, 1}, now + 2000);
    s.timeElapsed(now + 2000);
    EXPECT_EQ(s.step(), TransferSession::Step::Identify);
}

TEST(TransferSessionDriverTest, ThePortVanishingWhileAQuestionIsOpenIsOpenedAgainOnRetry) {
    Rig r({"never"});
    r.prompter.answer({Retry, Cancel});
    bool lostDuringQuestion = false;
    r.rig.cancelWhen([&](const TransferSession& s, double) {
        if (s.step() == TransferSession::Step::Asking && !lostDuringQuestion) {
            lostDuringQuestion = true;
            const_cast<TransferSession&>(s).lineLost(0);
        }
        return false;
    });
    EXPECT_EQ(r.run(Write), Failed);
    EXPECT_TRUE(lostDuringQuestion);
    EXPECT_EQ(r.rig.opens(), 2) << "Retry opens the port afresh";
}

TEST(TransferSessionDriverTest, InputsOutsideTheirWaitChangeNothing) {
    TransferSession s;
    const std::uint8_t byte = 0x06;
    s.bytesReceived({&byte, 1}, 0);
    s.timeElapsed(100);
    s.answer(PromptAnswer::Ok, 100);
    s.written(true, 100);
    s.cancel(100);
    EXPECT_EQ(s.step(), TransferSession::Step::Idle);
    EXPECT_TRUE(s.takeActions().empty());

    s.start(Write, RadioImage(), {}, 0);
    s.start(Read, RadioImage(), {}, 0); // ignored while running
    EXPECT_EQ(s.direction(), Write);
    s.answer(PromptAnswer::Ok, 1); // nothing was asked
    const std::vector<SessionAction> actions = s.takeActions();
    ASSERT_EQ(actions.size(), 1u);
    EXPECT_EQ(actions[0].kind, Kind::OpenPort);
    EXPECT_EQ(s.step(), TransferSession::Step::Opening);
    EXPECT_STREQ(TransferSession::stepName(s.step()), "open");
}

} // namespace
} // namespace tarn
