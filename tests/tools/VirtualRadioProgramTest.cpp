#include "common/SerialTrace.h"
#include "data/SinFile.h"
#include "data/TraceStore.h"
#include "link/RadioTransfer.h"
#include "tools/cli/CliApp.h"
#include "tools/virtual-radio/VirtualRadioProcess.h"

#include <gtest/gtest.h>

#include <sstream>
#include <unistd.h>

namespace tarn {
namespace {

namespace fs = std::filesystem;

class VirtualRadioProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("virtual-radio-" + std::to_string(::getpid()));
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    int cli(std::vector<std::string> args) {
        err.str({});
        std::ostringstream out;
        cli::CliContext context{
            .out = out, .err = err, .dumpDirectory = dir, .backupFolder = dir / "backups"};
        context.traceFolder = dir / "traces";
        return cli::CliApp().run(args, context);
    }
    [[nodiscard]] std::string path(const char* name) const { return (dir / name).string(); }

    fs::path dir;
    std::ostringstream err;
};

TEST_F(VirtualRadioProgramTest, ServesAnImageAndStoresItsMemoryWhenStopped) {
    RadioImage image = RadioImage::newDocument();
    for (std::size_t i = 0; i < RadioImage::ChannelAreaEnd; ++i)
        image[i] = static_cast<std::uint8_t>(i % 251);
    image[RadioImage::ModelTypeOffset] = 5;
    SinFile::store(path("in.sin"), image);

    VirtualRadioProcess radio(TARN_VIRTUAL_RADIO, {"--image", path("in.sin"), "--save",
                                                   path("saved.sin"), "--type", "5"});
    ASSERT_EQ(cli({"read", "--port", radio.devicePath(), path("read.sin")}), 0) << err.str();
    EXPECT_NE(err.str().find("(160 channels)"), std::string::npos) << err.str();
    const RadioImage read = SinFile::load(path("read.sin"));
    EXPECT_TRUE(
        std::equal(read.bytes().begin(), read.bytes().begin() + 0x0C70, image.bytes().begin()));

    // The identity names type 5; a file of another model asks first.
    SinFile::store(path("other.sin"), RadioImage::newDocument());
    EXPECT_EQ(cli({"write", "--port", radio.devicePath(), path("other.sin")}), 3)
        << "a refused radio type, nothing written";
    EXPECT_NE(err.str().find(RadioTransfer::TypeMismatchText), std::string::npos);

    EXPECT_EQ(radio.stop(), 0);
    EXPECT_EQ(SinFile::load(path("saved.sin")), image);
}

// The runs without their times: the two ends see the same bytes at different moments.
std::vector<TraceRun> untimed(std::vector<TraceRun> runs) {
    for (TraceRun& run : runs)
        run.timeMs = 0;
    return runs;
}

TEST_F(VirtualRadioProgramTest, AReadsTraceMatchesTheRadiosWireLogRunByRun) {
    VirtualRadioProcess radio(TARN_VIRTUAL_RADIO, {"--wire-log", path("radio.log")});
    ASSERT_EQ(cli({"read", "--port", radio.devicePath(), "--trace", path("read.trace"),
                   path("read.sin")}),
              0)
        << err.str();
    EXPECT_EQ(radio.stop(), 0);
    const auto ours = SerialTrace::parse(TraceStore::read(path("read.trace")));
    const auto theirs = SerialTrace::parse(TraceStore::read(path("radio.log")));
    // Wake-up, mode, identity, acknowledge both ways, then per block a request, the block,
    // and the acknowledge both ways.
    ASSERT_EQ(ours.size(), 6U + 4U * RadioImage::ReadBlocks);
    EXPECT_EQ(untimed(ours), untimed(theirs));
    EXPECT_EQ(ours[6].step, "read request 0x0000");
    EXPECT_EQ(ours[7].step, "block 0x0000");
    // The traces folder holds the same trace.
    const SystemWallClock clock;
    const TraceStore kept(dir / "traces", clock);
    ASSERT_TRUE(kept.latest());
    EXPECT_EQ(TraceStore::read(*kept.latest()), TraceStore::read(path("read.trace")));
    EXPECT_NE(err.str().find("tarn-cli: trace " + kept.latest()->string()), std::string::npos);
}

TEST_F(VirtualRadioProgramTest, RefusesBadArgumentsWithoutADevice) {
    EXPECT_THROW(VirtualRadioProcess(TARN_VIRTUAL_RADIO, {"--fault", "bogus"}), std::runtime_error);
    EXPECT_THROW(VirtualRadioProcess(TARN_VIRTUAL_RADIO, {"--image", path("missing.sin")}),
                 std::runtime_error);
}

} // namespace
} // namespace tarn
