#include "data/SinFile.h"
#include "tests/tools/CliFixture.h"

#include <gmock/gmock.h>

#include <sstream>

namespace tarn::cli {
namespace {

using ::testing::HasSubstr;

constexpr const char* Header =
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
    "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE\r\n";

class CliCsvTest : public CliFixture {
protected:
    std::string path(const char* name) const { return dir.file(name); }
    // A file "a.sin" whose channel 1 is programmed through the table, with power bits 11.
    void makeImage() {
        ASSERT_EQ(run({"new", path("a.sin")}), 0);
        RadioImage image = SinFile::load(dir / "a.sin");
        const std::uint8_t row[16] = {0x00, 0x00, 0x50, 0x14, 0x00, 0x00, 0x50, 0x14,
                                      0xFF, 0xFF, 0xFF, 0xFF, 0x38, 0xFF, 0xFF, 0xFF};
        std::copy(std::begin(row), std::end(row), image.row(0).begin());
        SinFile::store(dir / "a.sin", image);
    }
};

TEST_F(CliCsvTest, ImportWritesImageAndDumpThenExportGivesTheListBack) {
    makeImage();
    dir.write(
        "in.csv",
        std::string(Header) +
            "1,,146.520000,-,0.600000,Tone,100.0,88.5,023,NN,023,Tone->Tone,FM,5.00,,,,,,,\r\n"
            "2,Club,440.000000,+,5.000000,DTCS,88.5,88.5,754,NR,023,Tone->Tone,FM,5.00,,"
            "Low,,,,,\r\n");
    const auto before = dir.read("a.sin");
    ASSERT_EQ(run({"import", path("a.sin"), path("in.csv"), "-o", path("b.sin")}), 0) << err.str();
    EXPECT_THAT(err.str(), HasSubstr("Channels placed: 2 (1-2)."));
    EXPECT_THAT(err.str(), HasSubstr("  Name: a value on 1 line"));
    EXPECT_EQ(dir.read("a.sin"), before);
    EXPECT_TRUE(dir.has("1.txt"));

    ASSERT_EQ(run({"show", path("b.sin")}), 0);
    EXPECT_THAT(out.str(), HasSubstr("  1\t146.52000\t145.92000\t\t100.0\t\tLock\n"));
    EXPECT_THAT(out.str(), HasSubstr("  2\t440.00000\t445.00000\tD754I\tD754N\tLow\tLock\n"));

    // The power bits 11 of channel 1 were kept and export as an empty Power.
    ASSERT_EQ(run({"export", path("b.sin"), path("out.csv")}), 0) << err.str();
    EXPECT_EQ(err.str(), "Channels written: 2.\n");
    EXPECT_EQ(
        dir.read("out.csv"),
        std::string(Header) +
            "1,,146.520000,-,0.600000,Tone,100.0,88.5,023,NN,023,Tone->Tone,FM,5.00,,,,,,,\r\n"
            "2,,440.000000,+,5.000000,DTCS,88.5,88.5,754,NR,023,Tone->Tone,FM,5.00,,Low,,,,,"
            "\r\n");
    // Standard output without a file or with "-".
    ASSERT_EQ(run({"export", path("b.sin")}), 0);
    EXPECT_EQ(out.str(), dir.read("out.csv"));
    ASSERT_EQ(run({"export", path("b.sin"), "-"}), 0);
    EXPECT_EQ(out.str(), dir.read("out.csv"));

    // Without -o the image itself changes; --replace empties what the list does not name.
    dir.write("one.csv", "Location,Frequency\n0,433.5\n");
    ASSERT_EQ(run({"import", path("b.sin"), path("one.csv"), "--replace", "--first", "3"}), 0);
    ASSERT_EQ(run({"export", path("b.sin")}), 0);
    EXPECT_EQ(out.str(), std::string(Header) + "3,,433.500000,,0.000000,,88.5,88.5,023,NN,023,"
                                               "Tone->Tone,FM,5.00,,High,,,,,\r\n");
}

TEST_F(CliCsvTest, ARefusedImportWritesNothing) {
    makeImage();
    const auto before = dir.read("a.sin");
    dir.write("bad.csv", "Location,Frequency,Tone\n1,146.52,DTCS-R\n2,146.5212\n");
    EXPECT_EQ(run({"import", path("a.sin"), path("bad.csv")}), Failure);
    EXPECT_EQ(err.str(), path("bad.csv") +
                             ": line 2, column Tone: \"DTCS-R\" is reverse squelch, which the "
                             "radio does not have\n" +
                             path("bad.csv") + ": line 3: 2 fields where the first line has 3\n" +
                             "tarn-cli: nothing written\n");
    EXPECT_EQ(dir.read("a.sin"), before);
    EXPECT_FALSE(dir.has("1.txt"));

    EXPECT_EQ(run({"import", path("a.sin"), path("missing.csv")}), Failure);
    EXPECT_THAT(err.str(), HasSubstr("missing.csv"));
    EXPECT_EQ(run({"import", path("a.sin"), dir.path().string()}), Failure);
    EXPECT_THAT(err.str(), HasSubstr("not a regular file"));
    EXPECT_EQ(dir.read("a.sin"), before);
    EXPECT_FALSE(dir.has("1.txt"));
}

TEST_F(CliCsvTest, UsageErrors) {
    makeImage();
    dir.write("in.csv", "Location,Frequency\n1,146.52\n");
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"import", path("a.sin")},
          {"import", path("a.sin"), path("in.csv"), "--first", "0"},
          {"import", path("a.sin"), path("in.csv"), "--first", "x"},
          {"import", path("a.sin"), path("in.csv"), "--first"},
          {"import", path("a.sin"), path("in.csv"), "--bogus"},
          {"export"},
          {"export", path("a.sin"), "--bogus"},
          {"export", path("a.sin"), path("x.csv"), path("y.csv")}}) {
        EXPECT_EQ(run(args), UsageError) << args.back();
        EXPECT_THAT(err.str(), HasSubstr("Usage: tarn-cli " + args[0]));
    }
    for (const char* first : {"0", "200"}) {
        EXPECT_EQ(run({"import", path("a.sin"), path("in.csv"), "--first", first}), UsageError);
        EXPECT_THAT(err.str(), HasSubstr("tarn-cli import: --first takes a channel from 1 to "
                                         "199, not \"" +
                                         std::string(first) + "\""));
    }
}

TEST_F(CliCsvTest, ExportNamesTheChannelsItCannotWrite) {
    makeImage();
    RadioImage image = SinFile::load(dir / "a.sin");
    std::fill(image.row(0).begin(), image.row(0).begin() + 4, std::uint8_t{0xFF});
    SinFile::store(dir / "a.sin", image);
    ASSERT_EQ(run({"export", path("a.sin")}), 0);
    EXPECT_EQ(out.str(), Header);
    EXPECT_THAT(err.str(), HasSubstr("Left out, having only a TX frequency, which the list cannot "
                                     "hold: channel 1."));
    EXPECT_EQ(run({"export", path("a.sin"), path("no/such/folder.csv")}), Failure);
}

} // namespace
} // namespace tarn::cli
