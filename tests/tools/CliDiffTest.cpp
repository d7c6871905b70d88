#include "data/SinFile.h"
#include "tests/tools/CliFixture.h"

#include <gtest/gtest.h>

#include <sstream>

namespace tarn::cli {
namespace {

class CliDiffTest : public CliFixture {
protected:
    std::string store(const char* name, const RadioImage& image) {
        SinFile::store(dir / name, image);
        return dir.file(name);
    }
};

TEST_F(CliDiffTest, ListsChannelsSettingsAndOtherBytesAndExitsAsDiffDoes) {
    RadioImage a = RadioImage::newDocument();
    const std::uint8_t rx[4] = {0x00, 0x20, 0x65, 0x14}; // 146.52000
    std::copy(std::begin(rx), std::end(rx), a.row(11).begin());
    RadioImage b = a;
    b.row(11)[1] = 0x25;
    b[0x1FC1] = 7;
    b.row(3)[14] = 0x00;
    b[0x1FF0] = 0x00;
    const std::string fileA = store("a.sin", a);
    const std::string fileB = store("b.sin", b);

    EXPECT_EQ(run({"diff", fileA, fileA}), 0);
    EXPECT_EQ(out.str(), "");

    EXPECT_EQ(run({"diff", fileA, fileB}), 1);
    EXPECT_EQ(out.str(), "CH 12  RX Freq  146.52000 -> 146.52500\n"
                         "Squelch Level  4 -> 7\n"
                         "1 other byte differs in the transferred ranges\n"
                         "1 byte differs outside the transferred ranges (kept in files only)\n");

    EXPECT_EQ(run({"diff", "--json", fileA, fileB}), 1);
    EXPECT_EQ(out.str(), "{\n"
                         "  \"equal\": false,\n"
                         "  \"channels\": [\n"
                         "    {\"channel\": 12, \"field\": \"RX Freq\", \"from\": \"146.52000\", "
                         "\"to\": \"146.52500\"}\n"
                         "  ],\n"
                         "  \"settings\": [\n"
                         "    {\"name\": \"Squelch Level\", \"from\": \"4\", \"to\": \"7\"}\n"
                         "  ],\n"
                         "  \"otherBytes\": 1,\n"
                         "  \"untransferredBytes\": 1\n"
                         "}\n");

    RadioImage c = a;
    c[0x1000] = 0x00;
    EXPECT_EQ(run({"diff", "--json", fileA, store("c.sin", c)}), 0) << "files-only bytes";
    EXPECT_NE(out.str().find("\"channels\": [],"), std::string::npos) << out.str();
}

TEST_F(CliDiffTest, UsageAndFileErrorsExitTwo) {
    const std::string fileA = store("a.sin", RadioImage::newDocument());
    dir.write("short.sin", "not an image");
    EXPECT_EQ(run({"diff", fileA}), 2);
    EXPECT_EQ(run({"diff", fileA, fileA, fileA}), 2);
    EXPECT_EQ(run({"diff", "--brief", fileA, fileA}), 2);
    EXPECT_EQ(run({"diff", fileA, dir.file("short.sin")}), 2);
    EXPECT_NE(err.str().find("not a channel file"), std::string::npos) << err.str();
    EXPECT_EQ(run({"diff", dir.file("missing.sin"), fileA}), 2);
    EXPECT_EQ(run({"diff", "--help"}), 0);
    EXPECT_NE(out.str().find("\"otherBytes\""), std::string::npos) << "the JSON is documented";
}

} // namespace
} // namespace tarn::cli
