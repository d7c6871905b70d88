#include "data/ChannelCsvImport.h"
#include "data/CsvText.h"
#include "data/StrictNumber.h"
#include "tests/data/ChannelCsvFixture.h"

#include <gmock/gmock.h>

namespace tarn {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

class ChannelCsvImportTest : public test::ChannelCsvFixture {
protected:
    // The problems of a list that must be refused, checking that nothing changed.
    std::vector<std::string> refused(const std::string& text,
                                     const ChannelCsvOptions& options = {}) {
        const RadioImage before = image;
        const auto result = importText(text, options);
        EXPECT_FALSE(result.accepted());
        EXPECT_TRUE(result.channels().empty() || !result.accepted());
        EXPECT_EQ(image, before);
        return result.problems();
    }
};

TEST_F(ChannelCsvImportTest, LocationsNumberTheChannels) {
    auto result = importText(std::string(Header) + line({{"Location", "5"}}) +
                             line({{"Location", "7"}, {"Frequency", "145.5"}}));
    ASSERT_TRUE(result.accepted());
    EXPECT_EQ(channel(5), "146.52000|146.52000|||High|Lock");
    EXPECT_EQ(channel(7), "145.50000|145.50000|||High|Lock");
    EXPECT_THAT(result.report().lines()[0],
                HasSubstr("are channel numbers (the first is Location 5)"));

    // Location 0 moves every Location up by one.
    result = importText(std::string(Header) + line({{"Location", "0"}, {"Frequency", "440"}}) +
                        line({{"Location", "3"}, {"Frequency", "441"}}));
    EXPECT_EQ(channel(1), "440.00000|440.00000|||High|Lock");
    EXPECT_EQ(channel(4), "441.00000|441.00000|||High|Lock");
    EXPECT_THAT(result.report().lines()[0], HasSubstr("starts at Location 0"));

    // A chosen first channel takes the lowest Location.
    result = importText(std::string(Header) + line({{"Location", "0"}, {"Frequency", "430"}}) +
                            line({{"Location", "2"}, {"Frequency", "431"}}),
                        {false, 150});
    EXPECT_EQ(channel(150), "430.00000|430.00000|||High|Lock");
    EXPECT_EQ(channel(152), "431.00000|431.00000|||High|Lock");
    EXPECT_EQ(result.report().placed, (std::vector<int>{150, 152}));
}

TEST_F(ChannelCsvImportTest, InListOrderTheLocationsAreIgnored) {
    const std::string list = "Frequency,Location\n440,7\n441,3\n442,x\n\n443,3\n";
    EXPECT_TRUE(ChannelCsvImport::isChannelList(list));
    EXPECT_FALSE(ChannelCsvImport::isChannelList("Channel NO.\tRX Freq\n1\t146.52\n"));
    auto result = importText(list, {false, 197, true});
    ASSERT_TRUE(result.accepted()) << result.problems().front();
    EXPECT_EQ(channel(197), "440.00000|440.00000|||High|Lock");
    EXPECT_EQ(channel(198), "441.00000|441.00000|||High|Lock");
    EXPECT_EQ(channel(199), "442.00000|442.00000|||High|Lock");
    ASSERT_EQ(result.report().leftOut.size(), 1u);
    EXPECT_EQ(result.report().leftOut[0].line, 6);
    EXPECT_EQ(result.report().lines()[0],
              "Numbering: the lines go to channel 197 and on, in list order.");
    result = importText("Frequency\n430\n", {false, 0, true});
    EXPECT_EQ(channel(1), "430.00000|430.00000|||High|Lock");
}

TEST_F(ChannelCsvImportTest, LocationsBeyondTheDocumentAreLeftOutAndReported) {
    count = RadioImage::ReducedChannels;
    const auto result = importText(std::string(Header) + line({{"Location", "160"}}) +
                                   line({{"Location", "161"}, {"Frequency", "bad"}}) +
                                   line({{"Location", "99999999999999999999999"}}));
    ASSERT_TRUE(result.accepted()) << result.problems().front();
    EXPECT_EQ(result.report().placed, std::vector<int>{160});
    ASSERT_EQ(result.report().leftOut.size(), 2u);
    EXPECT_EQ(result.report().leftOut[0].line, 3);
    EXPECT_EQ(result.report().leftOut[0].location, 161u);
    const auto lines = result.report().lines();
    EXPECT_THAT(lines, ::testing::Contains("Lines left out: 2, beyond the 160 channels:"));
    EXPECT_THAT(lines, ::testing::Contains("  line 3, Location 161"));
}

TEST_F(ChannelCsvImportTest, DuplexGivesTheTransmitFrequency) {
    const auto result = importText(
        std::string(Header) + line({{"Location", "1"}, {"Duplex", ""}, {"Offset", "5"}}) +
        line({{"Location", "2"}, {"Frequency", "145.29"}, {"Duplex", "-"}, {"Offset", "0.6"}}) +
        line({{"Location", "3"}, {"Frequency", "442.1"}, {"Duplex", "+"}, {"Offset", "5.000000"}}) +
        line({{"Location", "4"},
              {"Frequency", "145.5"},
              {"Duplex", "split"},
              {"Offset", "435.006250"}}) +
        line({{"Location", "5"}, {"Frequency", "162.55"}, {"Duplex", "off"}}) +
        line(
            {{"Location", "6"}, {"Frequency", "145.5"}, {"Duplex", "SPLIT"}, {"Offset", "145.5"}}));
    ASSERT_TRUE(result.accepted()) << result.problems().front();
    EXPECT_EQ(channel(1), "146.52000|146.52000|||High|Lock");
    EXPECT_EQ(channel(2), "145.29000|144.69000|||High|Lock");
    EXPECT_EQ(channel(3), "442.10000|447.10000|||High|Lock");
    EXPECT_EQ(channel(4), "145.50000|435.00625|||High|Lock");
    EXPECT_EQ(channel(5), "162.55000||||High|Lock");
    EXPECT_EQ(channel(6), "145.50000|145.50000|||High|Lock");
}

TEST_F(ChannelCsvImportTest, ToneModesGiveBothTones) {
    for (const ToneCase& c : ToneCases) {
        const auto result = importText(std::string(Header) + line(toneCells(c.columns)));
        ASSERT_TRUE(result.accepted()) << result.problems().front();
        EXPECT_EQ(channel(1),
                  std::string("146.52000|146.52000|") + c.dec + "|" + c.enc + "|High|Lock")
            << c.columns;
    }
    // Names in any case, codes without their leading zeros, whole tones; columns a mode
    // does not use may hold anything.
    const char* const spellings[][3] = {
        {"tsql,x,67,x,x,x,x", "67.0", "67.0"},
        {"dtcs,x,x,17,rn,x,x", "D017N", "D017I"},
        {"cross,x,x,x,nr,65,->dtcs", "D065I", ""},
        {"Cross,77,x,x,x,x,Tone->", "", "77.0"}, // export writes this one as Tone
    };
    for (const auto& s : spellings) {
        ASSERT_TRUE(importText(std::string(Header) + line(toneCells(s[0]))).accepted()) << s[0];
        EXPECT_EQ(channel(1),
                  std::string("146.52000|146.52000|") + s[1] + "|" + s[2] + "|High|Lock");
    }
}

TEST_F(ChannelCsvImportTest, OlderFilesWithoutTheNewerToneColumns) {
    const std::string header = "Location,Frequency,Tone,rToneFreq,cToneFreq,DtcsCode\n";
    // Without RxDtcsCode the receive code is DtcsCode; without CrossMode, Cross is Tone->Tone;
    // without DtcsPolarity both are normal.
    auto result =
        importText(header + "1,146.52,Cross,82.5,85.4,023\n2,146.52,DTCS,88.5,88.5,244\n");
    ASSERT_TRUE(result.accepted()) << result.problems().front();
    EXPECT_EQ(channel(1), "146.52000|146.52000|85.4|82.5|High|Lock");
    EXPECT_EQ(channel(2), "146.52000|146.52000|D244N|D244N|High|Lock");
    result =
        importText("Location,Frequency,Tone,DtcsCode,CrossMode\n3,146.52,Cross,245,DTCS->DTCS\n");
    ASSERT_TRUE(result.accepted()) << result.problems().front();
    EXPECT_EQ(channel(3), "146.52000|146.52000|D245N|D245N|High|Lock");
}

TEST_F(ChannelCsvImportTest, PowerNamesFiguresAndTheKeptPower) {
    program(1, "146.52000|146.52000|||Low|UnLock");
    program(2, "146.52000|146.52000|||Middle|UnLock");
    image[1 * 16 + 12] |= 0x30; // channel 2: the unnamed fourth power value
    auto result = importText(
        std::string(Header) + line({{"Location", "1"}, {"Power", ""}}) +
        line({{"Location", "2"}, {"Frequency", "430"}}) + line({{"Location", "3"}, {"Power", ""}}) +
        line({{"Location", "4"}, {"Power", "mid"}}) + line({{"Location", "5"}, {"Power", "MED"}}) +
        line({{"Location", "6"}, {"Power", "Middle"}}) +
        line({{"Location", "7"}, {"Power", "low"}}) + line({{"Location", "8"}, {"Power", "HIGH"}}));
    ASSERT_TRUE(result.accepted()) << result.problems().front();
    EXPECT_EQ(channel(1), "146.52000|146.52000|||Low|Lock");
    EXPECT_EQ(image[1 * 16 + 12] & 0x30, 0x30);
    EXPECT_EQ(channel(3), "146.52000|146.52000|||High|Lock");
    for (int n : {4, 5, 6})
        EXPECT_EQ(channel(n), "146.52000|146.52000|||Middle|Lock");
    EXPECT_EQ(channel(7), "146.52000|146.52000|||Low|Lock");
    EXPECT_EQ(channel(8), "146.52000|146.52000|||High|Lock");

    // Figures rank against each other; one figure alone is High.
    result = importText(std::string(Header) + line({{"Location", "1"}, {"Power", "50W"}}) +
                        line({{"Location", "2"}, {"Power", "5.0W"}}) +
                        line({{"Location", "3"}, {"Power", "25 w"}}) +
                        line({{"Location", "4"}, {"Power", "50.0W"}}));
    ASSERT_TRUE(result.accepted()) << result.problems().front();
    EXPECT_EQ(channel(1), "146.52000|146.52000|||High|Lock");
    EXPECT_EQ(channel(2), "146.52000|146.52000|||Low|Lock");
    EXPECT_EQ(channel(3), "146.52000|146.52000|||Middle|Lock");
    EXPECT_EQ(channel(4), "146.52000|146.52000|||High|Lock");
    EXPECT_THAT(result.report().lines(),
                ::testing::Contains("Power figures: 50W as High, 25W as Middle, 5W as Low."));
    result = importText(std::string(Header) + line({{"Location", "9"}, {"Power", "0.5W"}}));
    EXPECT_EQ(channel(9), "146.52000|146.52000|||High|Lock");
}

TEST_F(ChannelCsvImportTest, ReplaceEmptiesTheOtherChannels) {
    program(3, "146.52000|146.52000|||Low|UnLock");
    program(4, "146.52000|146.52000|||Low|UnLock");
    image[3 * 16 + 12] |= 0x30;
    auto result = importText(std::string(Header) + line({{"Location", "4"}}), {true, 0});
    ASSERT_TRUE(result.accepted());
    EXPECT_EQ(channel(3), "|||||");
    // Emptied first, so an empty Power is that of a new channel.
    EXPECT_EQ(channel(4), "146.52000|146.52000|||High|Lock");
    EXPECT_THAT(result.report().lines(), ::testing::Contains("Every other channel is emptied."));
}

TEST_F(ChannelCsvImportTest, EveryBadCellIsReportedAndNothingChanges) {
    program(1, "145.00000|145.00000|||Low|UnLock");
    const auto problems = refused(
        std::string(Header) + line({{"Location", "1"}, {"Frequency", "\"146,525\""}}) +
        line({{"Location", "2"}, {"Frequency", "146.525abc"}}) +
        line({{"Location", "3"}, {"Frequency", "1.46525e2"}}) +
        line({{"Location", "4"}, {"Frequency", "99.99999"}}) +
        line({{"Location", "5"}, {"Frequency", "145.0025"}}) +
        line({{"Location", "6"}, {"Frequency", "599"}, {"Duplex", "+"}, {"Offset", "5"}}) +
        line({{"Location", "7"}, {"Duplex", "x"}}) + line({{"Location", "8"}, {"Tone", "TSQL-R"}}) +
        line({{"Location", "9"}, {"Tone", "Tone"}, {"rToneFreq", "88.4"}}) +
        line({{"Location", "10"}, {"Tone", "DTCS"}, {"DtcsCode", "024"}, {"DtcsPolarity", "NX"}}) +
        line({{"Location", "11"}, {"Tone", "Cross"}, {"CrossMode", "Tone=>DTCS"}}) +
        line({{"Location", "12"}, {"Power", "Turbo"}}) +
        line({{"Location", "13"}, {"Frequency", ""}}) +
        line({{"Location", "14"}, {"Frequency", "-146.52"}}) + line({{"Location", "15"}}));
    EXPECT_THAT(
        problems,
        ElementsAre(
            "line 2, column Frequency: \"146,525\" is not a number (digits, optionally a point and "
            "digits)",
            "line 3, column Frequency: \"146.525abc\" is not a number (digits, optionally a "
            "point and digits)",
            "line 4, column Frequency: \"1.46525e2\" is not a number (digits, optionally a point "
            "and digits)",
            "line 5, column Frequency: \"99.99999\" is not a frequency from 100 to 600 MHz",
            "line 6, column Frequency: \"145.0025\" is on neither the 6.25 kHz nor the 5 kHz step",
            "line 7, column Offset: \"5\" gives a TX frequency of 604.00000 MHz, which is not a "
            "frequency from 100 to 600 MHz",
            "line 8, column Duplex: \"x\" is not a duplex (empty, +, -, split or off)",
            "line 9, column Tone: \"TSQL-R\" is reverse squelch, which the radio does not have",
            "line 10, column rToneFreq: \"88.4\" is not a CTCSS tone of the tone list",
            "line 11, column DtcsCode: \"024\" is not a DCS code of the tone list",
            "line 11, column DtcsPolarity: \"NX\" is not a DCS polarity (NN, NR, RN or RR)",
            HasSubstr("line 12, column CrossMode: \"Tone=>DTCS\" is not a cross mode"),
            HasSubstr("line 13, column Power: \"Turbo\" is not a power"),
            "line 14, column Frequency: \"\" is no frequency",
            HasSubstr("line 15, column Frequency: \"-146.52\" is not a number")));
}

TEST_F(ChannelCsvImportTest, FrequenciesAndOffsetsFinerThanTenHertzAreRefused) {
    const auto problems =
        refused(std::string(Header) + line({{"Location", "1"}, {"Frequency", "146.520001"}}) +
                line({{"Location", "2"}, {"Frequency", "99.9999999"}}) +
                line({{"Location", "3"}, {"Frequency", "600.000001"}}) +
                line({{"Location", "4"}, {"Duplex", "+"}, {"Offset", "0.6000001"}}) +
                line({{"Location", "5"}, {"Duplex", "split"}, {"Offset", "146.5200000001"}}));
    const std::string rule = StrictNumber::PrecisionRule;
    EXPECT_THAT(problems, ElementsAre("line 2, column Frequency: \"146.520001\" " + rule,
                                      "line 3, column Frequency: \"99.9999999\" " + rule,
                                      "line 4, column Frequency: \"600.000001\" " + rule,
                                      "line 5, column Offset: \"0.6000001\" " + rule,
                                      "line 6, column Offset: \"146.5200000001\" " + rule));

    // Zeros at any length, as other programs export them.
    auto result = importText(std::string(Header) + line({{"Location", "1"},
                                                         {"Frequency", "146.520000"},
                                                         {"Duplex", "-"},
                                                         {"Offset", "0.600000"}}));
    ASSERT_TRUE(result.accepted()) << ::testing::PrintToString(result.problems());
}

TEST_F(ChannelCsvImportTest, Utf16IsNamedAsSuch) {
    const std::string text = std::string(Header) + line({{"Location", "1"}});
    std::string wide = "\xFF\xFE";
    for (const char c : text)
        wide += {c, '\0'};
    EXPECT_THAT(refused(wide), ElementsAre("line 1: UTF-16 text: save it as UTF-8"));
}

TEST_F(ChannelCsvImportTest, ABadFileIsRefusedWithItsLine) {
    const std::string row = line({});
    EXPECT_THAT(refused(""), ElementsAre("line 1: the file is empty"));
    EXPECT_THAT(refused("\xEF\xBB\xBF\n"), ElementsAre("line 1: the file is empty"));
    EXPECT_THAT(refused(std::string(Header)), ElementsAre("line 2: the file holds no channels"));
    EXPECT_THAT(refused(std::string("Location,Frequency\n1,146.52\n\0\1", 30)),
                ElementsAre("line 3: not a CSV text file (it holds a NUL byte)"));
    EXPECT_THAT(refused("Location,Name\n1,x\n"),
                ElementsAre("line 1: no Frequency column (the first line names the columns)"));
    EXPECT_THAT(refused("Location;Frequency\n1;146.52\n"),
                ElementsAre("line 1: not a CSV list: its columns are not separated by commas"));
    EXPECT_THAT(refused("\x89PNG\r\n"), ElementsAre(HasSubstr("line 1: no Location column"),
                                                    HasSubstr("line 1: no Frequency column")));
    EXPECT_THAT(refused("Location,Frequency,Frequency\n1,146.52,146.52\n"),
                ElementsAre("line 1: the column Frequency appears twice"));
    EXPECT_THAT(refused(std::string(Header) + row + "2,x\n" + row),
                ElementsAre("line 3: 2 fields where the first line has 21",
                            "line 4, column Location: \"1\" is also on line 2"));
    EXPECT_THAT(refused(std::string(Header) + line({{"Name", "5\" speaker"}})),
                ElementsAre("line 2: a quote inside a field that does not start with one"));
    EXPECT_THAT(refused(std::string(Header) + line({{"Name", "\"open"}})),
                ElementsAre("line 2: a quoted field is not closed"));
    EXPECT_THAT(
        refused(std::string(Header) + line({{"Location", "1.5"}}) + line({{"Location", "-2"}})),
        ElementsAre("line 2, column Location: \"1.5\" is not a whole number",
                    "line 3, column Location: \"-2\" is not a whole number"));
    EXPECT_THAT(refused(std::string(Header) + row, {false, 200}),
                ElementsAre("the first channel must be from 1 to 199"));
}

TEST_F(ChannelCsvImportTest, ManyBadLinesAreCutShort) {
    std::string text = Header;
    for (int i = 1; i <= 199; ++i)
        text += line({{"Location", std::to_string(i)}, {"Frequency", "x"}, {"Power", "x"}});
    const auto problems = ChannelCsvImport::read(text, count).problems();
    ASSERT_EQ(problems.size(), ChannelCsvImport::MaxProblems + 1);
    EXPECT_THAT(problems.back(), HasSubstr("more"));
}

TEST_F(ChannelCsvImportTest, DroppedAndUnknownColumnsAreCounted) {
    const auto result =
        importText("Location,Frequency,Name,Mode,TStep,Skip,Comment,URCALL,DVCODE,Bandwidth,\n"
                   "1,146.52,Home,FM,5.00,,,,,wide,\n"
                   "2,146.52,,NFM,12.50,S,note,CQCQCQ,,narrow,\n"
                   "3,146.52,Club,fm,6.25,,,,,,\n"
                   "500,146.52,Far,AM,,,,,,,\n");
    ASSERT_TRUE(result.accepted()) << result.problems().front();
    EXPECT_THAT(result.report().lines(),
                ::testing::IsSupersetOf(
                    {"Columns dropped (the radio cannot hold them):", "  Name: a value on 2 lines",
                     "  Mode: a value on 1 line", "  TStep: a value on 1 line",
                     "  Skip: a value on 1 line", "  Comment: a value on 1 line",
                     "  URCALL: a value on 1 line", "Columns not known, ignored: Bandwidth."}));
}

// ---- Whole files of each kind

std::string sample(const char* name) {
    return CsvText::readFile(std::filesystem::path(TARN_CSV_SAMPLES) / name);
}

TEST_F(ChannelCsvImportTest, SampleOfTheCurrentLayout) {
    const auto result = importText(sample("current.csv"));
    ASSERT_TRUE(result.accepted()) << result.problems().front();
    EXPECT_EQ(channel(1), "146.52000|146.52000|||High|Lock");
    EXPECT_EQ(channel(2), "145.29000|144.69000||100.0|Middle|Lock");
    EXPECT_EQ(channel(3), "442.10000|447.10000|123.0|123.0|Low|Lock");
    EXPECT_EQ(channel(4), "446.00625|446.00625|D754I|D754N|High|Lock");
    EXPECT_EQ(channel(5), "462.56250|467.56250|D152N|88.5|High|Lock");
    EXPECT_EQ(channel(6), "|||||");
    EXPECT_EQ(channel(7), "162.55000||||High|Lock");
    EXPECT_EQ(result.report().placed, (std::vector<int>{1, 2, 3, 4, 5, 7}));
    EXPECT_THAT(result.report().lines(),
                ::testing::IsSupersetOf({"  Name: a value on 6 lines", "  Mode: a value on 1 line",
                                         "  TStep: a value on 1 line", "  Skip: a value on 1 line",
                                         "  Comment: a value on 2 lines"}));
}

TEST_F(ChannelCsvImportTest, SampleWithQuotedHeaderAndFields) {
    const auto result = importText(sample("quoted-header.csv"));
    ASSERT_TRUE(result.accepted()) << result.problems().front();
    EXPECT_EQ(channel(10), "147.00000|147.60000||141.3|High|Lock");
    EXPECT_EQ(channel(11), "433.50000|433.50000|||Low|Lock");
    EXPECT_EQ(channel(12), "145.50000|145.50000|67.0||Middle|Lock");
    EXPECT_EQ(result.report().placed, (std::vector<int>{10, 11, 12}));
}

TEST_F(ChannelCsvImportTest, SampleOfTheOlderLayoutNumberedFromZero) {
    const auto result = importText(sample("older-header.csv"));
    ASSERT_TRUE(result.accepted()) << result.problems().front();
    EXPECT_EQ(channel(1), "146.52000|146.52000|||High|Lock");
    EXPECT_EQ(channel(2), "146.94000|146.34000||103.5|High|Lock");
    EXPECT_EQ(channel(3), "440.50000|445.50000|D065N|D065I|High|Lock");
    EXPECT_EQ(channel(4), "145.21000|144.61000|123.0|110.9|High|Lock");
    EXPECT_THAT(result.report().lines()[0], HasSubstr("starts at Location 0"));
}

TEST_F(ChannelCsvImportTest, SampleWithByteOrderMarkAndCrLf) {
    const auto result = importText(sample("bom-crlf.csv"));
    ASSERT_TRUE(result.accepted()) << result.problems().front();
    EXPECT_EQ(channel(20), "438.50000|430.90000|179.9|179.9|High|Lock");
    EXPECT_EQ(channel(21), "145.60000|145.60000|D023I|D023I|Middle|Lock");
    EXPECT_EQ(channel(22), "145.62500|145.62500|D025N|D411N|Low|Lock");
}

TEST_F(ChannelCsvImportTest, SampleFromLocationZeroWithALineBeyond) {
    const auto result = importText(sample("location-zero.csv"));
    ASSERT_TRUE(result.accepted()) << result.problems().front();
    EXPECT_EQ(channel(1), "144.80000|144.80000|||High|Lock");
    EXPECT_EQ(channel(2), "145.00000|145.00000||67.0|Low|Lock");
    ASSERT_EQ(result.report().leftOut.size(), 1u);
    EXPECT_EQ(result.report().leftOut[0].line, 4);
}

} // namespace
} // namespace tarn
