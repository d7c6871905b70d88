#include "data/SinFile.h"
#include "link/RadioTransfer.h"
#include "tools/cli/CliApp.h"
#include "tools/virtual-radio/VirtualRadioProcess.h"

#include <gtest/gtest.h>

#include <fstream>
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

TEST_F(VirtualRadioProgramTest, RefusesBadArgumentsWithoutADevice) {
    EXPECT_THROW(VirtualRadioProcess(TARN_VIRTUAL_RADIO, {"--fault", "bogus"}), std::runtime_error);
    EXPECT_THROW(VirtualRadioProcess(TARN_VIRTUAL_RADIO, {"--image", path("missing.sin")}),
                 std::runtime_error);
    // The memory of a whole session would be lost on exit.
    EXPECT_THROW(VirtualRadioProcess(TARN_VIRTUAL_RADIO, {"--save", dir.string()}),
                 std::runtime_error);
    EXPECT_THROW(VirtualRadioProcess(TARN_VIRTUAL_RADIO, {"--save", path("no/such/out.sin")}),
                 std::runtime_error);
}

TEST_F(VirtualRadioProgramTest, AnImageOfAnotherSizeNeedsAnySize) {
    RadioImage image = RadioImage::newDocument();
    image[0x10] = 0x42;
    SinFile::store(path("long.sin"), image);
    std::ofstream(path("long.sin"), std::ios::app | std::ios::binary) << "trailer";
    EXPECT_THROW(VirtualRadioProcess(TARN_VIRTUAL_RADIO, {"--image", path("long.sin")}),
                 std::runtime_error);
    VirtualRadioProcess radio(TARN_VIRTUAL_RADIO,
                              {"--image", path("long.sin"), "--any-size", "--save", path("s.sin")});
    EXPECT_EQ(radio.stop(), 0);
    EXPECT_EQ(SinFile::load(path("s.sin")), image);
    EXPECT_EQ(std::filesystem::file_size(path("s.sin")), 8192u) << "saved files are exact";
}

} // namespace
} // namespace tarn
