#include "data/SinFile.h"
#include "link/SerialTrace.h"
#include "link/TraceStore.h"
#include "tools/cli/CliApp.h"
#include "tools/virtual-radio/VirtualRadioProcess.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <unistd.h>

namespace tarn {
namespace {

namespace fs = std::filesystem;

std::string contents(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::size_t count(const std::string& text, const std::string& part) {
    std::size_t found = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++found;
    return found;
}

// tarn-cli's traces against the wire log of tarn-virtual-radio, the program itself.
class CliTraceTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("cli-trace-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir);
        RadioImage image = RadioImage::newDocument();
        for (std::size_t i = 0; i < RadioImage::ChannelAreaEnd; ++i)
            image[i] = static_cast<std::uint8_t>(i * 7 % 253);
        SinFile::store(path("in.sin"), image);
    }
    void TearDown() override { fs::remove_all(dir); }

    int cli(std::vector<std::string> args, fs::path traces = {}) {
        err.str({});
        std::ostringstream out;
        cli::CliContext context{.out = out,
                                .err = err,
                                .dumpDirectory = dir,
                                .backupFolder = dir / "backups",
                                .traceFolder = traces.empty() ? dir / "traces" : traces};
        return cli::CliApp().run(args, context);
    }
    [[nodiscard]] std::string path(const char* name) const { return (dir / name).string(); }

    fs::path dir;
    std::ostringstream err;
};

TEST_F(CliTraceTest, ReadTraceCarriesTheBytesTheRadioLogged) {
    VirtualRadioProcess radio(TARN_VIRTUAL_RADIO,
                              {"--image", path("in.sin"), "--wire-log", path("radio.log")});
    ASSERT_EQ(cli({"read", "--port", radio.devicePath(), "--trace", path("asked.trace"),
                   path("out.sin")}),
              0)
        << err.str();
    ASSERT_EQ(radio.stop(), 0);

    const std::string asked = contents(path("asked.trace"));
    const std::vector<WireRun> trace = SerialTrace::parse(asked);
    const std::vector<WireRun> wire = SerialTrace::parse(contents(path("radio.log")));
    ASSERT_FALSE(trace.empty()) << asked;
    // Runs split differently on each side of the pseudo-terminal; the bytes each way agree.
    for (const TraceDirection direction : {TraceDirection::ToRadio, TraceDirection::FromRadio}) {
        const auto ours = SerialTrace::stream(trace, direction);
        EXPECT_FALSE(ours.empty());
        EXPECT_EQ(ours, SerialTrace::stream(wire, direction));
    }
    // A read sends its commands and gets 403 blocks of data back.
    EXPECT_GT(SerialTrace::stream(trace, TraceDirection::FromRadio).size(), 403U * 8U);
    EXPECT_EQ(trace.front().step, "wake-up");
    EXPECT_EQ(trace.back().step, "read");
    for (std::size_t i = 1; i < trace.size(); ++i)
        ASSERT_GE(trace[i].ms, trace[i - 1].ms) << "line " << i;
    EXPECT_NE(asked.find("# read, port " + radio.devicePath() + ", outcome: completed\n"),
              std::string::npos)
        << asked.substr(0, 300);

    // The same trace is kept in the folder.
    const std::vector<fs::path> kept = TraceStore(dir / "traces", SystemWallClock()).list();
    ASSERT_EQ(kept.size(), 1U);
    EXPECT_EQ(contents(kept.front()), asked);
    EXPECT_TRUE(kept.front().filename().string().ends_with("-read.trace"));
}

TEST_F(CliTraceTest, UnwritableTraceFolderWarnsOnceAndTheWriteSucceeds) {
    std::ofstream(path("plain")) << "not a folder";
    VirtualRadioProcess first(TARN_VIRTUAL_RADIO, {});
    VirtualRadioProcess second(TARN_VIRTUAL_RADIO, {});
    EXPECT_EQ(
        cli({"write", "--port", first.devicePath(), "--port", second.devicePath(), path("in.sin")},
            dir / "plain" / "traces"),
        0)
        << err.str();
    EXPECT_EQ(count(err.str(), "no serial trace kept"), 1U) << err.str();
    EXPECT_EQ(first.stop(), 0);
    EXPECT_EQ(second.stop(), 0);
}

TEST_F(CliTraceTest, FleetWriteKeepsOneTracePerPort) {
    VirtualRadioProcess first(TARN_VIRTUAL_RADIO, {"--wire-log", path("first.log")});
    VirtualRadioProcess second(TARN_VIRTUAL_RADIO, {"--wire-log", path("second.log")});
    ASSERT_EQ(
        cli({"write", "--port", first.devicePath(), "--port", second.devicePath(), path("in.sin")}),
        0)
        << err.str();
    ASSERT_EQ(first.stop(), 0);
    ASSERT_EQ(second.stop(), 0);
    const std::vector<fs::path> kept = TraceStore(dir / "traces", SystemWallClock()).list();
    ASSERT_EQ(kept.size(), 2U);
    for (const auto& [radio, log] : {std::pair{&first, "first.log"}, {&second, "second.log"}}) {
        const std::string label = BackupName::portLabel(radio->devicePath());
        const auto trace = std::find_if(kept.begin(), kept.end(), [&](const fs::path& file) {
            return file.filename().string().find("-write-" + label) != std::string::npos;
        });
        ASSERT_NE(trace, kept.end()) << label;
        const auto runs = SerialTrace::parse(contents(*trace));
        const auto wire = SerialTrace::parse(contents(path(log)));
        EXPECT_EQ(SerialTrace::stream(runs, TraceDirection::ToRadio),
                  SerialTrace::stream(wire, TraceDirection::ToRadio))
            << label;
    }
}

TEST_F(CliTraceTest, TraceFileIsCheckedBeforeTheRadioIsTouched) {
    VirtualRadioProcess radio(TARN_VIRTUAL_RADIO, {"--wire-log", path("radio.log")});
    EXPECT_EQ(cli({"read", "--port", radio.devicePath(), "--trace", path("no/such/dir/t.trace"),
                   path("out.sin")}),
              1);
    EXPECT_NE(err.str().find("cannot write the trace"), std::string::npos) << err.str();
    EXPECT_EQ(cli({"write", "--port", "/dev/a", "--port", "/dev/b", "--trace", path("t"),
                   path("in.sin")}),
              2)
        << "a fleet's traces go to the folder only";
    ASSERT_EQ(radio.stop(), 0);
    EXPECT_TRUE(SerialTrace::parse(contents(path("radio.log"))).empty());
    EXPECT_FALSE(fs::exists(path("out.sin")));
}

} // namespace
} // namespace tarn
