#include "data/ChannelCodec.h"
#include "data/SinFile.h"
#include "link/RadioTransfer.h"
#include "tests/support/PtyRadioFixture.h"
#include "tools/cli/CliApp.h"
#include "tools/cli/ConsoleTransferUi.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <fcntl.h>
#include <sstream>
#include <sys/file.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <thread>
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
        CliContext context{.out = out,
                           .err = err,
                           .dumpDirectory = dir,
                           .backupFolder = dir / "backups",
                           .ports = ports};
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
    PortLister ports; // empty: the system's
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

    EXPECT_EQ(run({"write", "--port", radio.devicePath(), in}), NoRadio);
    EXPECT_NE(err.str().find(RadioTransfer::TypeMismatchText), std::string::npos) << err.str();

    EXPECT_EQ(run({"write", "--force-type", "--port", radio.devicePath(), in}), 0) << err.str();
    radio.stop();
    EXPECT_EQ(radio.radio().blocksWritten(), RadioImage::WriteBlocks);
}

TEST_F(CliTransferTest, FailuresExitWithTheirStatusAndTheMessage) {
    FaultPlan faults;
    faults.hangUpBlock = 5;
    PtyRadioFixture radio(faults);
    radio.start();
    EXPECT_EQ(run({"read", "--port", radio.devicePath(), path("out.sin")}), NoRadio);
    EXPECT_NE(err.str().find(RadioTransfer::NotEnoughText), std::string::npos) << err.str();
    EXPECT_FALSE(fs::exists(path("out.sin"))) << "nothing is stored after a failed read";

    EXPECT_EQ(run({"read", "--port", path("no-such-port"), path("out.sin")}), NoRadio);
    EXPECT_NE(err.str().find(RadioTransfer::OpenFailedText), std::string::npos) << err.str();

    EXPECT_EQ(run({"write", "--port", radio.devicePath(), path("missing.sin")}), Failure);
    EXPECT_NE(err.str().find("missing.sin"), std::string::npos) << err.str();
}

TEST_F(CliTransferTest, AChannelOutsideTheBandIsWrittenAfterOneWarningLine) {
    PtyRadioFixture radio;
    radio.start();
    RadioImage image = RadioImage::newDocument();
    for (const int channel : {3, 3, 12}) {
        auto row = image.row(static_cast<std::size_t>(channel - 1));
        ChannelCodec::encodeFrequency(44600000, row.subspan<0, 4>());
        ChannelCodec::encodeFrequency(channel == 3 ? 14652000 : 17400000, row.subspan<4, 4>());
    }
    SinFile::store(path("uhf.sin"), image);
    ASSERT_EQ(run({"write", "--port", radio.devicePath(), path("uhf.sin")}), Success) << err.str();
    const std::string warning = "tarn-cli: warning: channels outside the band VHF: 136-174MHz "
                                "of the model, which the radio cannot use: 3, 12\n";
    const auto at = err.str().find(warning);
    ASSERT_NE(at, std::string::npos) << err.str();
    EXPECT_EQ(err.str().find("warning", at + 1 + warning.size()), std::string::npos);
    EXPECT_NE(err.str().find("wrote"), std::string::npos) << "written as it is";

    // In the band, edges included: no warning.
    image = RadioImage::newDocument();
    auto row = image.row(0);
    ChannelCodec::encodeFrequency(13600000, row.subspan<0, 4>());
    ChannelCodec::encodeFrequency(17400000, row.subspan<4, 4>());
    SinFile::store(path("vhf.sin"), image);
    ASSERT_EQ(run({"write", "--port", radio.devicePath(), path("vhf.sin")}), Success) << err.str();
    EXPECT_EQ(err.str().find("warning"), std::string::npos) << err.str();
}

TEST_F(CliTransferTest, AWriteThatStopsPartWayExitsWithItsOwnStatus) {
    FaultPlan faults;
    faults.hangUpBlock = 5;
    PtyRadioFixture radio(faults);
    radio.start();
    EXPECT_EQ(run({"write", "--port", radio.devicePath(), patternFile("in.sin", 0)}), WriteStopped);
    EXPECT_NE(err.str().find("the radio is partly programmed"), std::string::npos) << err.str();
}

TEST_F(CliTransferTest, CancelBeforeAnythingWasWrittenExitsCleanly) {
    FaultPlan faults;
    faults.neverAnswer = true;
    PtyRadioFixture radio(faults);
    radio.start();
    // Ctrl-C pressed again and again until the command gives up, whenever it looks.
    std::atomic<bool> done{false};
    std::thread presser([&] {
        while (!done)
            ConsoleTransferUi::requestCancel();
    });
    const int status = run({"write", "--port", radio.devicePath(), patternFile("in.sin", 0)});
    done = true;
    presser.join();
    EXPECT_EQ(status, CancelledClean) << err.str();
}

TEST_F(CliTransferTest, AReadThatCannotBeStoredAfterAllIsKeptInTheTemporaryFolder) {
    PtyRadioFixture radio;
    radio.radio().memory()[3] = 0x33;
    radio.start();
    fs::create_directories(dir / "gone");
    fs::create_directories(dir / "tmp");
    // Once the read has checked its output folder, the folder goes away.
    const int watch = ::inotify_init1(IN_CLOEXEC);
    ASSERT_GE(watch, 0);
    ASSERT_GE(::inotify_add_watch(watch, (dir / "gone").c_str(), IN_DELETE), 0);
    std::thread remover([&] {
        alignas(inotify_event) char events[4096];
        if (::read(watch, events, sizeof events) > 0)
            fs::remove_all(dir / "gone");
    });
    ::setenv("TMPDIR", (dir / "tmp").c_str(), 1);
    const int status = run({"read", "--port", radio.devicePath(), path("gone/out.sin")});
    ::unsetenv("TMPDIR");
    remover.join();
    ::close(watch);
    EXPECT_EQ(status, Failure);
    ASSERT_EQ(std::distance(fs::directory_iterator(dir / "tmp"), {}), 1);
    const fs::path kept = fs::directory_iterator(dir / "tmp")->path();
    EXPECT_NE(err.str().find(kept.string()), std::string::npos) << err.str();
    EXPECT_EQ(SinFile::load(kept)[3], 0x33);
}

TEST_F(CliTransferTest, ReadRefusesAnOutputItCouldNotStoreBeforeTouchingTheRadio) {
    PtyRadioFixture radio;
    radio.start();
    ASSERT_EQ(::mkfifo(path("pipe.sin").c_str(), 0600), 0);
    EXPECT_EQ(run({"read", "--port", radio.devicePath(), path("pipe.sin")}), Failure);
    EXPECT_NE(err.str().find("a pipe"), std::string::npos) << err.str();
    EXPECT_EQ(run({"read", "--port", radio.devicePath(), path("no/such/folder.sin")}), Failure);
    EXPECT_NE(err.str().find("cannot create a file in its folder"), std::string::npos);
    radio.stop();
    EXPECT_EQ(radio.radio().wakeUps(), 0);
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

TEST_F(CliTransferTest, PortsKeepsItsFiveFieldsAndGivesJsonWithTheChip) {
    ports = [] {
        return std::vector<PortIdentity>{
            {"/dev/ttyUSB0", "USB2.0-Serial", "QinHeng", 0x1a86, 0x7523, ""},
            {"/dev/ttyS0", "", "", std::nullopt, std::nullopt, ""},
            {"/dev/ttyUSB1", "Cable \"B\" \\ 2", "Maker\x01", 0x0403, 0x6001, "A50285BI"},
            {"/dev/ttyACM0", "\xe4\xb8\xb2\xe5\x8f\xa3", "", 0x2341, 0x0043, ""}};
    };
    ASSERT_EQ(run({"ports"}), 0);
    EXPECT_EQ(out.str(), "/dev/ttyUSB0\tUSB2.0-Serial\t1a86:7523\tQinHeng\t-\n"
                         "/dev/ttyS0\t-\t-\t-\t-\n"
                         "/dev/ttyUSB1\tCable \"B\" \\ 2\t0403:6001\tMaker\x01\tA50285BI\n"
                         "/dev/ttyACM0\t\xe4\xb8\xb2\xe5\x8f\xa3\t2341:0043\t-\t-\n");

    ASSERT_EQ(run({"ports", "--json"}), 0);
    EXPECT_EQ(
        out.str(),
        "[\n"
        "  {\"device\": \"/dev/ttyUSB0\", \"description\": \"USB2.0-Serial\", "
        "\"manufacturer\": \"QinHeng\", \"vendor_id\": \"1a86\", \"product_id\": \"7523\", "
        "\"serial_number\": null, \"chip\": \"CH340/CH341\"},\n"
        "  {\"device\": \"/dev/ttyS0\", \"description\": null, \"manufacturer\": null, "
        "\"vendor_id\": null, \"product_id\": null, \"serial_number\": null, \"chip\": null},\n"
        "  {\"device\": \"/dev/ttyUSB1\", \"description\": \"Cable \\\"B\\\" \\\\ 2\", "
        "\"manufacturer\": \"Maker\\u0001\", \"vendor_id\": \"0403\", \"product_id\": "
        "\"6001\", \"serial_number\": \"A50285BI\", \"chip\": \"FTDI FT232R\"},\n"
        "  {\"device\": \"/dev/ttyACM0\", \"description\": \"\xe4\xb8\xb2\xe5\x8f\xa3\", "
        "\"manufacturer\": null, \"vendor_id\": \"2341\", \"product_id\": \"0043\", "
        "\"serial_number\": null, \"chip\": null}\n"
        "]\n");

    ports = [] { return std::vector<PortIdentity>{}; };
    ASSERT_EQ(run({"ports", "--json"}), 0);
    EXPECT_EQ(out.str(), "[]\n");
    EXPECT_NE(err.str().find("no serial ports"), std::string::npos);
    EXPECT_EQ(run({"ports", "--json", "extra"}), UsageError);
}

TEST_F(CliTransferTest, APortThatWillNotOpenSaysWhyAndExitsThree) {
    EXPECT_EQ(run({"read", "--port", path("no-such-port"), path("out.sin")}), NoRadio);
    const std::string missing = std::string(RadioTransfer::OpenFailedText) +
                                "\n\nNo such device: is the cable plugged in? (" +
                                path("no-such-port") + ")\n";
    EXPECT_NE(err.str().find(missing), std::string::npos) << err.str();

    // Another program holds the device: this process, as the system can tell.
    PtyRadioFixture radio;
    radio.start();
    const int held = ::open(radio.devicePath().c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    ASSERT_GE(held, 0);
    ASSERT_EQ(::flock(held, LOCK_EX | LOCK_NB), 0);
    EXPECT_EQ(run({"read", "--port", radio.devicePath(), path("out.sin")}), NoRadio);
    ::close(held);
    const std::string busy = std::string(RadioTransfer::OpenFailedText) + "\n\nThe port " +
                             radio.devicePath() + " is in use by ";
    EXPECT_NE(err.str().find(busy), std::string::npos) << err.str();
    EXPECT_NE(err.str().find("(process " + std::to_string(::getpid()) + ")"), std::string::npos)
        << err.str();
    EXPECT_EQ(err.str().find("Permission error while locking"), std::string::npos) << err.str();
    EXPECT_FALSE(fs::exists(path("out.sin")));
}

} // namespace
} // namespace tarn::cli
