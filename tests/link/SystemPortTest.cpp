#include "link/SystemPort.h"
#include "link/UsbChips.h"

#include <gtest/gtest.h>

namespace tarn {
namespace {

TEST(SystemPortTest, KnownAdaptersAreNamedByVendorAndProduct) {
    struct Case {
        std::uint16_t vendor;
        std::uint16_t product;
        const char* chip;
    };
    const Case cases[] = {
        {0x1a86, 0x7523, "CH340"},     {0x1a86, 0x5523, "CH341"},
        {0x1a86, 0x1234, "CH34x"}, // an unlisted product of a known maker
        {0x067b, 0x2303, "PL2303"},    {0x067b, 0x23a3, "PL2303GC"},
        {0x10c4, 0xea60, "CP210x"},    {0x0403, 0x6001, "FTDI FT232R"},
        {0x0403, 0x6015, "FTDI FT-X"}, {0x0403, 0xffff, "FTDI"},
        {0x2341, 0x0043, ""}, // not a serial adapter maker we know
        {0x6001, 0x0403, ""}, // vendor and product the wrong way round
    };
    for (const Case& c : cases)
        EXPECT_EQ(UsbChips::name(c.vendor, c.product), c.chip)
            << std::hex << c.vendor << ":" << c.product;
}

TEST(SystemPortTest, DescriptionShowsIdsAndChipOnlyForUsbDevices) {
    SystemPort usb{"/dev/ttyUSB0", "USB Serial", "QinHeng", "", 0x1a86, 0x7523};
    EXPECT_EQ(usb.usbId(), "1a86:7523");
    EXPECT_EQ(usb.describe(), "/dev/ttyUSB0  USB Serial [1a86:7523 CH340]");
    SystemPort unknown{"/dev/ttyACM0", "", "", "", 0x2341, 0x0043};
    EXPECT_EQ(unknown.describe(), "/dev/ttyACM0 [2341:0043]");
    SystemPort builtIn{"/dev/ttyS0", "", "", "", std::nullopt, std::nullopt};
    EXPECT_EQ(builtIn.usbId(), "");
    EXPECT_EQ(builtIn.chip(), "");
    EXPECT_EQ(builtIn.describe(), "/dev/ttyS0");
    SystemPort halfKnown{"/dev/ttyS1", "", "", "", 0x1a86, std::nullopt};
    EXPECT_FALSE(halfKnown.isUsb());
    EXPECT_EQ(halfKnown.chip(), "");
}

} // namespace
} // namespace tarn
