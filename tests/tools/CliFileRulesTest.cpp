// What the verbs take in as channel files and how they let their output go.
#include "data/SinFile.h"
#include "tests/tools/CliFixture.h"

#include <gmock/gmock.h>

#include <fstream>
#include <sstream>
#include <sys/stat.h>

namespace tarn::cli {
namespace {

using ::testing::HasSubstr;
namespace fs = std::filesystem;

const std::string Header =
    "Channel NO.\tRX Freq\tTX Freq\tQT/DQT Dec\tQT/DQT Enc\tTX Power\tCHN Lock\n";

class CliFileRulesTest : public CliFixture {
protected:
    // A file of size bytes whose first 8192 are a valid image.
    std::string sized(const std::string& name, std::size_t size) {
        RadioImage image = RadioImage::newDocument();
        std::string bytes(reinterpret_cast<const char*>(image.bytes().data()), RadioImage::Size);
        bytes.resize(size, '\x5A');
        dir.write(name, bytes);
        return dir.file(name);
    }
    // Every verb that reads a channel file, with the file in its place; a fresh output each.
    std::vector<std::vector<std::string>> verbsReading(const std::string& file) {
        dir.write("t.txt", Header);
        dir.write("l.csv", "Location,Frequency\n1,146.52\n");
        return {{"show", file},
                {"apply", file, dir.file("t.txt"), "-o", dir.file("out1.sin")},
                {"import", file, dir.file("l.csv"), "-o", dir.file("out2.sin")},
                {"export", file, dir.file("out.csv")},
                {"write", "--port", dir.file("no-port"), file},
                {"check", file},
                {"sort", file, "--by", "rx", "-o", dir.file("out3.sin")}};
    }
};

TEST_F(CliFileRulesTest, OnlyFilesOf8192BytesAreChannelFilesUnlessAnySizeIsGiven) {
    struct Case {
        std::size_t size;
        bool anySizeLoads;
    };
    const Case cases[] = {{0, false}, {8191, false}, {8193, true}, {50000, true}};
    const std::string good = sized("good.sin", RadioImage::Size);
    // check reports what it finds in the image itself; the size rule is what matters here.
    const int checked = run({"check", good});
    ASSERT_NE(checked, Failure) << err.str();
    for (const Case& c : cases) {
        const std::string file = sized("f" + std::to_string(c.size) + ".sin", c.size);
        const std::string named = " " + std::to_string(c.size) + " bytes";
        for (std::vector<std::string> args : verbsReading(file)) {
            EXPECT_EQ(run(args), Failure) << args[0] << named;
            EXPECT_THAT(err.str(), HasSubstr(named)) << args[0];
            args.push_back("--any-size");
            const int status = run(args);
            // write gets past the file only to meet a port that is not there.
            const int loaded = args[0] == "write"   ? NoRadio
                               : args[0] == "check" ? checked
                                                    : Success;
            EXPECT_EQ(status, c.anySizeLoads ? loaded : Failure) << args[0] << named << err.str();
        }
        // What tarn-cli stores is the image alone, whatever it was taken from.
        for (const char* out : {"out1.sin", "out2.sin", "out3.sin"}) {
            if (c.anySizeLoads) {
                EXPECT_EQ(fs::file_size(dir / out), RadioImage::Size) << out << named;
            }
        }
        // 1 means "different" to diff.
        EXPECT_EQ(run({"diff", good, file}), UsageError) << named;
        EXPECT_THAT(err.str(), HasSubstr(named));
        EXPECT_EQ(run({"diff", "--any-size", good, file}), c.anySizeLoads ? Success : UsageError)
            << named;
    }
    EXPECT_EQ(run({"new", "--any-size", dir.file("n.sin")}), UsageError);
}

TEST_F(CliFileRulesTest, WhatIsNoRegularFileIsRefusedBeforeReadingAnySizeOrNot) {
    ASSERT_EQ(::mkfifo(dir.file("fifo").c_str(), 0600), 0); // a read would wait for a writer
    fs::create_directory(dir / "folder");
    for (const char* name : {"fifo", "folder"})
        for (const bool anySize : {false, true})
            for (std::vector<std::string> args : verbsReading(dir.file(name))) {
                if (anySize)
                    args.push_back("--any-size");
                EXPECT_EQ(run(args), Failure) << args[0] << " " << name;
                EXPECT_THAT(err.str(), HasSubstr("not a channel file")) << args[0];
            }
    EXPECT_EQ(run({"show", "--any-size", "/dev/zero"}), Failure);
}

TEST_F(CliFileRulesTest, ExportRefusesAListTheUserMayNotWrite) {
    const std::string image = sized("a.sin", RadioImage::Size);
    dir.write("list.csv", "mine\n");
    fs::permissions(dir / "list.csv", fs::perms::owner_read);
    EXPECT_EQ(run({"export", image, dir.file("list.csv")}), Failure);
    EXPECT_THAT(err.str(), HasSubstr("read-only"));
    EXPECT_EQ(dir.read("list.csv"), "mine\n");
    EXPECT_EQ(fs::status(dir / "list.csv").permissions() & fs::perms::all, fs::perms::owner_read);

    // A link leads to its file, which keeps its mode.
    dir.write("target.csv", "old\n");
    fs::permissions(dir / "target.csv",
                    fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_symlink(dir / "target.csv", dir / "link.csv");
    ASSERT_EQ(run({"export", image, dir.file("link.csv")}), Success) << err.str();
    EXPECT_TRUE(fs::is_symlink(dir / "link.csv"));
    EXPECT_THAT(dir.read("target.csv"), HasSubstr("Location"));
    EXPECT_EQ(fs::status(dir / "target.csv").permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(CliFileRulesTest, OutputThatCannotBeWrittenIsSaidAndNeverCountsAsAResult) {
    const std::string a = sized("a.sin", RadioImage::Size);
    RadioImage other = RadioImage::newDocument();
    other[0x1FC1] = 7;
    SinFile::store(dir / "b.sin", other);
    struct Case {
        std::vector<std::string> args;
        int status;
    };
    const Case cases[] = {
        {{"diff", "--json", a, dir.file("b.sin")}, UsageError}, // not "different"
        {{"diff", "--json", a, a}, UsageError},
        {{"export", a}, Failure},
        {{"show", a}, Failure},
        {{"apply", a, "-", "-o", "-"}, Failure},
    };
    std::istringstream table(Header);
    for (const Case& c : cases) {
        std::ofstream full("/dev/full");
        ASSERT_TRUE(full.is_open());
        err.str({});
        CliContext context{full, err, dir.path()};
        context.in = &table;
        EXPECT_EQ(CliApp().run(c.args, context), c.status) << c.args[0];
        EXPECT_THAT(err.str(), HasSubstr("tarn-cli: cannot write")) << c.args[0];
        EXPECT_THAT(err.str(), HasSubstr("No space left on device")) << c.args[0];
    }
}

} // namespace
} // namespace tarn::cli
