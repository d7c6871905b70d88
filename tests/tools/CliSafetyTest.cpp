#include "data/BackupStore.h"
#include "data/SinFile.h"
#include "link/RadioTransfer.h"
#include "tests/support/PtyRadioFixture.h"
#include "tests/support/TempDir.h"
#include "tools/cli/CliApp.h"
#include "tools/cli/TransferReport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <set>
#include <sstream>

namespace tarn::cli {
namespace {

namespace fs = std::filesystem;
using test::PtyRadioFixture;

class CliSafetyTest : public ::testing::Test {
protected:
    int run(std::vector<std::string> args) {
        out.str({});
        err.str({});
        CliContext context{
            .out = out, .err = err, .dumpDirectory = dir.path(), .backupFolder = backups()};
        return CliApp().run(args, context);
    }
    [[nodiscard]] fs::path backups() const { return dir / "backups"; }
    [[nodiscard]] std::vector<fs::path> backupFiles() const {
        std::vector<fs::path> files;
        // The backups themselves, not the records beside them.
        if (fs::exists(backups()))
            for (const auto& entry : fs::directory_iterator(backups()))
                if (entry.path().extension() == ".sin")
                    files.push_back(entry.path());
        std::sort(files.begin(), files.end());
        return files;
    }
    std::string patternFile() {
        RadioImage image = RadioImage::newDocument();
        for (std::size_t i = 0; i < RadioImage::ChannelAreaEnd; ++i)
            image[i] = static_cast<std::uint8_t>(i * 13 + 1);
        SinFile::store(dir / "in.sin", image);
        return dir.file("in.sin");
    }
    [[nodiscard]] bool errSays(const std::string& text) const {
        return err.str().find(text) != std::string::npos;
    }

    test::TempDir dir;
    std::ostringstream out;
    std::ostringstream err;
};

TEST_F(CliSafetyTest, ReadAndWriteKeepBackupsAndNameThem) {
    PtyRadioFixture radio;
    radio.start();
    const std::string in = patternFile();
    ASSERT_EQ(run({"write", "--port", radio.devicePath(), in}), 0) << err.str();
    ASSERT_EQ(backupFiles().size(), 1u);
    EXPECT_TRUE(backupFiles()[0].filename().string().ends_with("-write.sin"));
    EXPECT_TRUE(errSays("tarn-cli: backup " + backupFiles()[0].string())) << err.str();
    EXPECT_EQ(SinFile::load(backupFiles()[0]), SinFile::load(in));

    ASSERT_EQ(run({"read", "--port", radio.devicePath(), dir.file("out.sin")}), 0) << err.str();
    const std::vector<fs::path> files = backupFiles();
    ASSERT_EQ(files.size(), 2u);
    const auto read = std::find_if(files.begin(), files.end(), [](const fs::path& p) {
        return p.filename().string().ends_with("-read.sin");
    });
    ASSERT_NE(read, files.end());
    EXPECT_EQ(SinFile::load(*read), SinFile::load(dir / "out.sin"));
}

// Channel 22 of this file shows 145.500 MHz in and out, so a bad store there shows.
std::string programmedFile(const test::TempDir& dir) {
    RadioImage image = RadioImage::newDocument();
    for (int row = 0; row < RadioImage::MaxChannels; ++row)
        for (const std::size_t at : {0U, 4U}) {
            image.row(row)[at] = 0x00;
            image.row(row)[at + 1] = 0x00;
            image.row(row)[at + 2] = 0x55;
            image.row(row)[at + 3] = 0x14;
        }
    SinFile::store(dir / "programmed.sin", image);
    return dir.file("programmed.sin");
}

TEST_F(CliSafetyTest, WritesCountTheirBlocksOnStderrAndNameWhatWentWrong) {
    const std::string in = programmedFile(dir);
    {
        PtyRadioFixture good;
        good.start();
        ASSERT_EQ(run({"write", "--port", good.devicePath(), in}), 0) << err.str();
        EXPECT_TRUE(errSays("Written: 404 blocks\n")) << err.str();
        EXPECT_EQ(out.str().find("Written"), std::string::npos) << "stdout stays as it was";
        ASSERT_EQ(run({"write", "--verify", "--port", good.devicePath(), in}), 0) << err.str();
        EXPECT_TRUE(errSays("Written and verified: 403 blocks match\n")) << err.str();
    }
    {
        FaultPlan faults;
        faults.badStoreBlock = 42;
        PtyRadioFixture bad(faults);
        bad.start();
        EXPECT_EQ(run({"write", "--verify", "--port", bad.devicePath(), in}), 6) << err.str();
        EXPECT_TRUE(errSays("Verify failed: 1 block differs, at 0x0150\n"
                            "Channel 22: RX Freq, TX Freq\n"))
            << err.str();
        EXPECT_FALSE(errSays("Written")) << err.str();
    }
    {
        FaultPlan faults;
        faults.refuseWriteBlock = 45;
        PtyRadioFixture stops(faults);
        stops.start();
        EXPECT_EQ(run({"write", "--port", stops.devicePath(), in}), 4) << err.str();
        EXPECT_TRUE(errSays(RadioTransfer::partlyWrittenText(45) +
                            "\nThe last channel written is channel 22.\n"))
            << err.str();
    }
    // Each backup has its record: three writes that went well or not, the port they used.
    const SystemWallClock clock;
    const std::vector<BackupEntry> entries = BackupStore(backups(), clock).list();
    ASSERT_EQ(entries.size(), 4u);
    std::multiset<BackupOutcome> outcomes;
    for (const BackupEntry& entry : entries) {
        ASSERT_TRUE(entry.record) << entry.file;
        EXPECT_TRUE(entry.record->port.starts_with("/dev/")) << entry.record->port;
        outcomes.insert(entry.record->outcome);
    }
    EXPECT_EQ(outcomes, (std::multiset<BackupOutcome>{
                            BackupOutcome::Complete, BackupOutcome::Verified,
                            BackupOutcome::VerifyFailed, BackupOutcome::PartlyWritten}));
}

TEST_F(CliSafetyTest, ABackupThatCannotBeKeptIsOnlyAWarning) {
    PtyRadioFixture radio;
    radio.start();
    dir.write("backups", "a file where the folder should be");
    EXPECT_EQ(run({"read", "--port", radio.devicePath(), dir.file("out.sin")}), 0) << err.str();
    EXPECT_TRUE(errSays("tarn-cli: warning: no backup kept: cannot create the backups folder"))
        << err.str();
    EXPECT_TRUE(fs::exists(dir / "out.sin"));
}

TEST_F(CliSafetyTest, VerifyPassesFailsOrCannotReadBack) {
    const std::string in = patternFile();
    {
        PtyRadioFixture good;
        good.start();
        EXPECT_EQ(run({"write", "--verify", "--port", good.devicePath(), in}), 0) << err.str();
        EXPECT_TRUE(errSays(RadioTransfer::VerifyPassedText)) << err.str();
        EXPECT_TRUE(errSays("(verified)")) << err.str();
    }
    {
        FaultPlan faults;
        faults.badStoreBlock = 42;
        PtyRadioFixture bad(faults);
        bad.start();
        EXPECT_EQ(run({"write", "--verify", "--port", bad.devicePath(), in}), 6) << err.str();
        EXPECT_TRUE(errSays("Verify failed: 1 block differs, at 0x0150")) << err.str();
        EXPECT_FALSE(errSays("wrote ")) << err.str();
    }
    {
        FaultPlan faults;
        faults.shortReadBlock = 2;
        PtyRadioFixture unreadable(faults);
        unreadable.start();
        EXPECT_EQ(run({"write", "--verify", "--port", unreadable.devicePath(), in}), 7)
            << err.str();
        EXPECT_TRUE(errSays(RadioTransfer::VerifyUnreadableText)) << err.str();
        EXPECT_FALSE(errSays("wrote ")) << err.str();
    }
    EXPECT_EQ(run({"read", "--verify", "--port", "COM1", dir.file("x.sin")}), 2);
}

TEST_F(CliSafetyTest, AWriteThatStopsPartWaySaysSoAndExitsFour) {
    FaultPlan faults;
    faults.refuseWriteBlock = 120;
    PtyRadioFixture radio(faults);
    radio.start();
    EXPECT_EQ(run({"write", "--port", radio.devicePath(), patternFile()}), 4) << err.str();
    EXPECT_TRUE(errSays(RadioTransfer::partlyWrittenText(120))) << err.str();
    EXPECT_EQ(backupFiles().size(), 1u) << "part of it reached the radio";
}

TEST_F(CliSafetyTest, AFleetWriteProgramsEveryRadioAndTabulatesTheOutcomes) {
    std::vector<std::unique_ptr<PtyRadioFixture>> radios;
    std::vector<std::string> args = {"write", "--verify"};
    for (int i = 0; i < 3; ++i) {
        radios.push_back(std::make_unique<PtyRadioFixture>());
        radios.back()->start();
        args.insert(args.end(), {"--port", radios.back()->devicePath()});
    }
    const std::string in = patternFile();
    args.push_back(in);
    ASSERT_EQ(run(args), 0) << err.str();

    const RadioImage sent = SinFile::load(in);
    for (const auto& radio : radios) {
        radio->stop();
        const auto memory = radio->radio().memory();
        EXPECT_TRUE(std::equal(memory.begin(), memory.begin() + RadioImage::ChannelAreaEnd,
                               sent.bytes().begin()))
            << radio->devicePath();
        EXPECT_NE(out.str().find(radio->devicePath()), std::string::npos) << out.str();
    }
    EXPECT_EQ(backupFiles().size(), 3u) << "a backup per radio, named after its port";
    EXPECT_TRUE(backupFiles()[0].filename().string().find("-write-pts_") != std::string::npos);
    EXPECT_EQ(out.str().find("PORT"), 0u) << out.str();
    EXPECT_NE(out.str().find("written and verified"), std::string::npos) << out.str();
}

TEST_F(CliSafetyTest, AFleetWriteExitsWithTheGravestOutcome) {
    FaultPlan refusing;
    refusing.refuseWriteBlock = 3;
    PtyRadioFixture good;
    PtyRadioFixture stopped(refusing);
    good.start();
    stopped.start();
    const int status = run({"write", "--port", good.devicePath(), "--port", stopped.devicePath(),
                            "--port", dir.file("no-such-port"), patternFile()});
    EXPECT_EQ(status, 4) << out.str() << err.str();
    EXPECT_TRUE(errSays(stopped.devicePath() + ": " + RadioTransfer::partlyWrittenText(3)))
        << err.str();
    EXPECT_NE(out.str().find("the port could not be opened"), std::string::npos) << out.str();
    good.stop();
    EXPECT_EQ(good.radio().blocksWritten(), RadioImage::WriteBlocks);

    EXPECT_EQ(TransferReport::gravest({0, 1, 5, 3, 7, 6}), 6);
    EXPECT_EQ(TransferReport::gravest({0, 1, 5}), 5);
    EXPECT_EQ(TransferReport::gravest({0, 0}), 0);
}

TEST_F(CliSafetyTest, OneDeviceTwiceIsAUsageError) {
    ::setenv("TARN_COM2", "/dev/pts/77", 1);
    EXPECT_EQ(run({"write", "--port", "COM2", "--port", "/dev/pts/77", patternFile()}), 2);
    ::unsetenv("TARN_COM2");
    EXPECT_TRUE(errSays("same device")) << err.str();

    std::vector<std::string> nine = {"write"};
    for (int i = 0; i < 9; ++i)
        nine.insert(nine.end(), {"--port", "/dev/ttyS" + std::to_string(i)});
    nine.push_back(patternFile());
    EXPECT_EQ(run(nine), 2);
    EXPECT_TRUE(errSays("at most 8")) << err.str();
    EXPECT_TRUE(backupFiles().empty());
}

} // namespace
} // namespace tarn::cli
