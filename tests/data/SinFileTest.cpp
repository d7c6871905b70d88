#include "data/SinFile.h"
#include "data/ChannelDocument.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fstream>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tarn {
namespace {

namespace fs = std::filesystem;

class SinFileTest : public ::testing::Test {
protected:
    void writeBytes(const fs::path& file, std::size_t count, char value) {
        std::ofstream(file, std::ios::binary) << std::string(count, value);
    }
    std::string readAll(const fs::path& file) {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    test::TempDir dir;
};

TEST_F(SinFileTest, StoresExactlyTheImage) {
    RadioImage image = RadioImage::newDocument();
    image[0x1FFF] = 0x42;
    SinFile::store(dir / "a.sin", image);
    EXPECT_EQ(fs::file_size(dir / "a.sin"), 8192u);
    EXPECT_EQ(SinFile::load(dir / "a.sin"), image);
    EXPECT_EQ(dir.entries(), 1u);
}

TEST_F(SinFileTest, LoadTakesTheFirst8192BytesAndRefusesLess) {
    writeBytes(dir / "long.sin", 8200, '\x05');
    const RadioImage image = SinFile::load(dir / "long.sin");
    EXPECT_EQ(image[0], 5);
    EXPECT_EQ(image[8191], 5);

    writeBytes(dir / "short.sin", 1024, '\x00');
    try {
        (void)SinFile::load(dir / "short.sin");
        FAIL() << "a short file loaded";
    } catch (const SinFileError& e) {
        EXPECT_NE(std::string(e.what()).find("short.sin"), std::string::npos);
        EXPECT_NE(std::string(e.what()).find("1024 bytes"), std::string::npos);
    }
    EXPECT_THROW((void)SinFile::load(dir / "missing.sin"), SinFileError);
}

TEST_F(SinFileTest, FailedStoreLeavesTheOldFileAndNoLeftovers) {
    writeBytes(dir / "old.sin", 8192, '\x11');
    // A file size limit makes the write fail half-way, as a full disk would.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{4096, 4096};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        try {
            SinFile::store(dir / "old.sin", RadioImage::newDocument());
        } catch (const SinFileError&) {
            ::_exit(3);
        }
        ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 3) << "the failed store was not reported";
    EXPECT_EQ(readAll(dir / "old.sin"), std::string(8192, '\x11'));
    EXPECT_EQ(dir.entries(), 1u);
}

TEST_F(SinFileTest, StoreIntoAMissingFolderOrOverAFolderFails) {
    EXPECT_THROW(SinFile::store(dir / "none" / "a.sin", RadioImage()), SinFileError);
    fs::create_directories(dir / "taken" / "inside");
    EXPECT_THROW(SinFile::store(dir / "taken", RadioImage()), SinFileError);
    EXPECT_TRUE(fs::is_directory(dir / "taken" / "inside"));
    EXPECT_EQ(dir.entries(), 1u);
}

TEST_F(SinFileTest, StoreThroughALinkReplacesItsTargetAndKeepsPermissions) {
    writeBytes(dir / "real.sin", 8192, '\x01');
    fs::permissions(dir / "real.sin", fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink(dir / "real.sin", dir / "link.sin");
    SinFile::store(dir / "link.sin", RadioImage());
    EXPECT_TRUE(fs::is_symlink(dir / "link.sin"));
    EXPECT_EQ(readAll(dir / "real.sin"), std::string(8192, '\xFF'));
    EXPECT_EQ(fs::status(dir / "real.sin").permissions(),
              fs::perms::owner_read | fs::perms::owner_write);
}

TEST_F(SinFileTest, DocumentFollowsTheModelByteWhenLoading) {
    ChannelDocument document;
    document.initNew();
    EXPECT_EQ(document.channelCount(), 199);
    EXPECT_EQ(document.image(), RadioImage::newDocument());

    const std::pair<int, int> cases[] = {{5, 160}, {4, 160}, {3, 199}, {7, 199}, {0xFF, 199}};
    for (const auto& [model, count] : cases) {
        RadioImage image;
        image[RadioImage::ModelTypeOffset] = static_cast<std::uint8_t>(model);
        SinFile::store(dir / "m.sin", image);
        document.loadFile(dir / "m.sin");
        EXPECT_EQ(document.channelCount(), count) << model;
    }
    // Above 7 keeps the count it had.
    document.setChannelCount(160);
    RadioImage image;
    image[RadioImage::ModelTypeOffset] = 8;
    document.takeImage(image);
    EXPECT_EQ(document.channelCount(), 160);
    // A failed load leaves the document alone.
    EXPECT_THROW(document.loadFile(dir / "none.sin"), SinFileError);
    EXPECT_EQ(document.image(), image);
}

} // namespace
} // namespace tarn
