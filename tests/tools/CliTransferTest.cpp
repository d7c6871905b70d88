#include "data/SinFile.h"
#include "link/RadioTransfer.h"
#include "tests/support/PtyRadioFixture.h"
#include "tools/cli/CliApp.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <unistd.h>

namespace tarn::cli {
namespace {

namespace fs = std::filesystem;
using test::PtyRadioFixture;

class CliTransferTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("cli-link-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    int run(std::vector<std::string> args) {
        out.str({});
        err.str({});
        CliContext context{out, err, dir, false, dir / "backups"};
        return CliApp().run(args, context);
    }
    [[nodiscard]] std::string path(const char* name) const { return (dir / name).string(); }
    // A file whose every byte differs from its neighbours, with the given model type.
    std::string patternFile(const char* name, std::uint8_t model) {
        RadioImage image;
        for (std::size_t i = 0; i < RadioImage::Size; ++i)
            image[i] = static_cast<std::uint8_t>(i * 29 + 7);
        image[RadioImage::ModelTypeOffset] = model;
        SinFile::store(path(name), image);
        return path(name);
    }

    fs::path dir;
    std::ostringstream out;
    std::ostringstream err;
};

TEST_F(CliTransferTest, WriteThenReadRoundTripsTheTransferredBytes) {
    PtyRadioFixture radio;
    radio.start();
    const std::string in = patternFile("in.sin", 4);
    ASSERT_EQ(run({"write", "--port", radio.devicePath(), in}), 0) << err.str();
    EXPECT_NE(err.str().find("Writing 100%"), std::string::npos) << err.str();

    ::setenv("TARN_COM3", radio.devicePath().c_str(), 1);
    const int status = run({"read", "--port", "COM3", path("out.sin")});
    ::unsetenv("TARN_COM3");
    ASSERT_EQ(status, 0) << err.str();
    EXPECT_NE(err.str().find("(160 channels)"), std::string::npos) << err.str();

    const RadioImage sent = SinFile::load(in);
    const RadioImage got = SinFile::load(path("out.sin"));
    const RadioImage fresh = RadioImage::newDocument();
    for (std::size_t offset = 0; offset < RadioImage::Size; ++offset) {
        const bool read = offset < RadioImage::ChannelAreaEnd ||
                          (offset >= RadioImage::SettingsBegin && offset < 0x1FE8);
        ASSERT_EQ(got[offset], read ? sent[offset] : fresh[offset]) << "offset " << offset;
    }
}

TEST_F(CliTransferTest, RadioTypePromptIsAnsweredByForceType) {
    PtyRadioFixture radio;
    radio.radio().setRadioType(3);
    radio.start();
    const std::string in = patternFile("in.sin", 0);

    EXPECT_EQ(run({"write", "--port", radio.devicePath(), in}), 3);
    EXPECT_NE(err.str().find(RadioTransfer::TypeMismatchText), std::string::npos) << err.str();

    EXPECT_EQ(run({"write", "--force-type", "--port", radio.devicePath(), in}), 0) << err.str();
    radio.stop();
    EXPECT_EQ(radio.radio().blocksWritten(), RadioImage::WriteBlocks);
}

TEST_F(CliTransferTest, FailuresExitNonZeroWithTheMessage) {
    FaultPlan faults;
    faults.hangUpBlock = 5;
    PtyRadioFixture radio(faults);
    radio.start();
    EXPECT_EQ(run({"read", "--port", radio.devicePath(), path("out.sin")}), 3);
    EXPECT_NE(err.str().find(RadioTransfer::NotEnoughText), std::string::npos) << err.str();
    EXPECT_FALSE(fs::exists(path("out.sin"))) << "nothing is stored after a failed read";

    EXPECT_EQ(run({"read", "--port", path("no-such-port"), path("out.sin")}), 3);
    EXPECT_NE(err.str().find(RadioTransfer::OpenFailedText), std::string::npos) << err.str();

    EXPECT_EQ(run({"write", "--port", radio.devicePath(), path("missing.sin")}), 1);
    EXPECT_NE(err.str().find("missing.sin"), std::string::npos) << err.str();
}

TEST_F(CliTransferTest, BadArgumentsAreUsageErrors) {
    EXPECT_EQ(run({"read", path("out.sin")}), 2);
    EXPECT_NE(err.str().find("--port"), std::string::npos);
    EXPECT_EQ(run({"write", "--port"}), 2);
    EXPECT_EQ(run({"write", "--port", "COM1", "--retry", "x", path("a.sin")}), 2);
    EXPECT_EQ(run({"read", "--port", "COM1", "a.sin", "b.sin"}), 2);
    EXPECT_EQ(run({"ports", "extra"}), 2);
    EXPECT_EQ(run({"read", "--help"}), 0);
    EXPECT_NE(out.str().find("--force-type"), std::string::npos);
}

TEST_F(CliTransferTest, PortsListsWhereTheComNamesLead) {
    ::setenv("TARN_COM2", "/dev/pts/99", 1);
    EXPECT_EQ(run({"ports"}), 0);
    ::unsetenv("TARN_COM2");
    EXPECT_NE(err.str().find("COM2 is /dev/pts/99"), std::string::npos) << err.str();
}

} // namespace
} // namespace tarn::cli
