#include "tools/cli/SessionLoop.h"

#include "link/SerialPortLine.h"
#include "link/TransferObserver.h"
#include "link/TransferUi.h"
#include "tests/support/PtyRadioFixture.h"
#include "tests/support/TestPrompter.h"

#include <gtest/gtest.h>

#include <QCoreApplication>

#include <map>

namespace tarn {
namespace {

// Counts the bytes of each step, both ways, and checks that time never runs backwards.
class StepCounter final : public TransferObserver {
public:
    void bytesOut(std::span<const std::uint8_t> bytes, double nowMs,
                  TransferSession::Step step) override {
        record(out, bytes, nowMs, step);
    }
    void bytesIn(std::span<const std::uint8_t> bytes, double nowMs,
                 TransferSession::Step step) override {
        record(in, bytes, nowMs, step);
    }
    std::map<std::string, std::size_t> out;
    std::map<std::string, std::size_t> in;
    bool monotonic = true;

private:
    void record(std::map<std::string, std::size_t>& counts, std::span<const std::uint8_t> bytes,
                double nowMs, TransferSession::Step step) {
        counts[TransferSession::stepName(step)] += bytes.size();
        monotonic = monotonic && nowMs >= m_last;
        m_last = nowMs;
    }
    double m_last = 0;
};

class QuietUi final : public TransferUi {
public:
    explicit QuietUi(Prompter& prompter)
        : m_prompter(prompter) {}
    void setStatusText(const std::string&) override {}
    void setProgressRange(int, int maximum) override { this->maximum = maximum; }
    void setProgressPosition(int position) override { m_position = position; }
    [[nodiscard]] int progressPosition() const override { return m_position; }
    void stepProgress() override { ++m_position; }
    [[nodiscard]] bool cancelRequested() const override { return false; }
    [[nodiscard]] Prompter& prompter() override { return m_prompter; }
    void closeWindow() override { ++windowCloses; }
    int maximum = 0;
    int windowCloses = 0;

private:
    Prompter& m_prompter;
    int m_position = 0;
};

TEST(SessionLoopTest, TwoPortsRunSideBySideAndEveryByteIsObservedWithItsStep) {
    int argc = 1;
    char name[] = "test";
    char* argv[] = {name, nullptr};
    const QCoreApplication app(argc, argv);
    test::PtyRadioFixture good;
    FaultPlan refuse;
    refuse.add("refuse-write=3");
    test::PtyRadioFixture refusing(refuse);
    good.start();
    refusing.start();
    test::TestPrompter prompter;
    prompter.answer(PromptAnswer::Ok); // the interrupted write
    prompter.answer(PromptAnswer::Ok); // and how far it got
    SerialPortLine goodLine;
    SerialPortLine refusingLine;
    QuietUi goodUi(prompter);
    QuietUi refusingUi(prompter);
    StepCounter counter;
    RadioImage image = RadioImage::newDocument();
    image[RadioImage::ModelTypeOffset] = 0;

    cli::SessionLoop loop;
    loop.setObserver(&counter);
    loop.add(good.devicePath(), goodLine, goodUi, TransferDirection::Write, image, {});
    loop.add(refusing.devicePath(), refusingLine, refusingUi, TransferDirection::Write, image, {});
    loop.run();
    good.stop();
    refusing.stop();

    EXPECT_EQ(loop.session(0).outcome(), TransferOutcome::Completed);
    EXPECT_EQ(loop.session(1).outcome(), TransferOutcome::Failed);
    EXPECT_EQ(loop.session(1).blocksAcknowledged(), 3);
    EXPECT_EQ(good.radio().blocksWritten(), RadioImage::WriteBlocks);
    EXPECT_EQ(refusing.radio().blocksWritten(), 3);
    EXPECT_EQ(goodUi.maximum, RadioTransfer::ProgressMaximum);
    EXPECT_EQ(goodUi.windowCloses, 1);
    EXPECT_FALSE(goodLine.isOpen());
    EXPECT_FALSE(refusingLine.isOpen());
    // Wake-up bytes of both ports, then 'M' 0x02 and the acknowledge; 12 bytes a block.
    EXPECT_EQ(counter.out["wake-up"], 2u * 7u);
    EXPECT_EQ(counter.out["identify"], 2u * 2u);
    EXPECT_EQ(counter.out["write"], 12u * (RadioImage::WriteBlocks + 4));
    EXPECT_EQ(counter.in["write"], static_cast<std::size_t>(RadioImage::WriteBlocks + 4));
    EXPECT_TRUE(counter.monotonic);
}

} // namespace
} // namespace tarn
