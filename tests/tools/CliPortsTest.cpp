#include "link/RadioTransfer.h"
#include "tests/tools/CliFixture.h"

#include <gtest/gtest.h>

namespace tarn::cli {
namespace {

class CliPortsTest : public CliFixture {
protected:
    CliPortsTest() {
        listPorts = [this] { return ports; };
    }

    std::vector<SystemPort> ports{
        {"/dev/ttyUSB0", "USB Serial", "QinHeng", "", 0x1a86, 0x7523},
        {"/dev/ttyUSB1", "Cable \"B\"\t2", "Prolific", "XY\\1", 0x067b, 0x2303},
        {"/dev/ttyS0", "", "", "", std::nullopt, std::nullopt},
    };
};

TEST_F(CliPortsTest, TheTableKeepsItsFiveFields) {
    ASSERT_EQ(run({"ports"}), 0);
    EXPECT_EQ(out.str(), "/dev/ttyUSB0\tUSB Serial\t1a86:7523\tQinHeng\t-\n"
                         "/dev/ttyUSB1\tCable \"B\"\t2\t067b:2303\tProlific\tXY\\1\n"
                         "/dev/ttyS0\t-\t-\t-\t-\n");
}

TEST_F(CliPortsTest, JsonNamesTheChipAndEscapesWhatTheSystemReports) {
    ASSERT_EQ(run({"ports", "--json"}), 0);
    EXPECT_EQ(out.str(),
              "[\n"
              "  {\"device\": \"/dev/ttyUSB0\", \"description\": \"USB Serial\", "
              "\"manufacturer\": \"QinHeng\", \"vendorId\": \"1a86\", \"productId\": \"7523\", "
              "\"serialNumber\": null, \"chip\": \"CH340\"},\n"
              "  {\"device\": \"/dev/ttyUSB1\", \"description\": \"Cable \\\"B\\\"\\u00092\", "
              "\"manufacturer\": \"Prolific\", \"vendorId\": \"067b\", \"productId\": \"2303\", "
              "\"serialNumber\": \"XY\\\\1\", \"chip\": \"PL2303\"},\n"
              "  {\"device\": \"/dev/ttyS0\", \"description\": null, \"manufacturer\": null, "
              "\"vendorId\": null, \"productId\": null, \"serialNumber\": null, \"chip\": null}\n"
              "]\n");
}

TEST_F(CliPortsTest, NoPortsIsAnEmptyListAndANote) {
    ports.clear();
    ASSERT_EQ(run({"ports", "--json"}), 0);
    EXPECT_EQ(out.str(), "[]\n");
    EXPECT_NE(err.str().find("reports no serial ports"), std::string::npos);
    EXPECT_EQ(run({"ports", "--jsn"}), 2);
    EXPECT_EQ(run({"ports", "--json", "--json"}), 2);
}

TEST_F(CliPortsTest, APortThatWillNotOpenSaysWhyAndExitsThree) {
    const std::string device = (dir / "ttyUnplugged").string();
    EXPECT_EQ(run({"read", "--port", device, (dir / "out.sin").string()}), 3);
    const std::string expected = std::string(RadioTransfer::OpenFailedText) + "\n\n" + device +
                                 ": No such device: is the cable plugged in?";
    EXPECT_NE(err.str().find(expected), std::string::npos) << err.str();
    EXPECT_FALSE(std::filesystem::exists(dir / "out.sin"));
}

TEST_F(CliPortsTest, ATraceFileThatCannotBeWrittenIsRefusedBeforeTheRadio) {
    const std::string device = (dir / "ttyUnplugged").string();
    const std::string trace = (dir / "no" / "such" / "folder" / "t.trace").string();
    EXPECT_EQ(run({"read", "--port", device, "--trace", trace, (dir / "out.sin").string()}), 1);
    EXPECT_NE(err.str().find("cannot write the trace"), std::string::npos) << err.str();
    EXPECT_EQ(err.str().find(RadioTransfer::OpenFailedText), std::string::npos)
        << "the port was never tried";
    EXPECT_EQ(run({"write", "--port", "a", "--port", "b", "--trace", trace, "x.sin"}), 2);
}

} // namespace
} // namespace tarn::cli
