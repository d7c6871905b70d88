#include "tools/virtual-radio/VirtualRadioOptions.h"

#include <gtest/gtest.h>

namespace tarn {
namespace {

TEST(VirtualRadioOptionsTest, ReadsEveryOption) {
    const auto options = VirtualRadioOptions::parse({"--image", "in.sin", "--save", "out.sin",
                                                     "--type", "0x04", "--pace", "9600", "--fault",
                                                     "hang-up=3", "--fault", "ack-second"});
    EXPECT_EQ(options.imageFile, "in.sin");
    EXPECT_EQ(options.saveFile, "out.sin");
    EXPECT_EQ(options.radioType, 4);
    EXPECT_TRUE(options.paced);
    EXPECT_EQ(options.faults.hangUpBlock, 3);
    EXPECT_TRUE(options.faults.ackAsSecondByte);
    EXPECT_FALSE(options.help);
    EXPECT_FALSE(options.anySize);
    EXPECT_TRUE(VirtualRadioOptions::parse({"--image", "old.sin", "--any-size"}).anySize);

    const auto plain = VirtualRadioOptions::parse({"--type", "255", "--pace", "off"});
    EXPECT_EQ(plain.radioType, 255);
    EXPECT_FALSE(plain.paced);
    EXPECT_TRUE(VirtualRadioOptions::parse({"--help"}).help);
}

TEST(VirtualRadioOptionsTest, RefusesWhatItCannotUse) {
    const std::vector<std::vector<std::string>> bad = {
        {"--type", "256"}, {"--type", "-1"},     {"--type", "0x"}, {"--pace", "4800"},
        {"--image"},       {"--fault", "bogus"}, {"extra"},        {"--verbose"}};
    for (const auto& args : bad)
        EXPECT_THROW((void)VirtualRadioOptions::parse(args), std::invalid_argument) << args[0];
}

} // namespace
} // namespace tarn
