#include "link/PortTrouble.h"

#include "link/PortIdentity.h"
#include "link/TransferSession.h"
#include "link/UsbSerialChip.h"
#include "tests/support/FakePortSystem.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace tarn {
namespace {

using test::FakePortSystem;

PortIdentity usbPort(std::string device, std::uint16_t vendor, std::uint16_t product,
                     std::string serial = {}) {
    return PortIdentity{std::move(device), "USB Serial", "", vendor, product, std::move(serial)};
}

TEST(PortIdentityTest, TheChipIsNamedFromTheUsbIdsOnly) {
    EXPECT_EQ(UsbSerialChip::name(0x1a86, 0x7523), "CH340/CH341");
    EXPECT_EQ(UsbSerialChip::name(0x1a86, 0x55d4), "CH9102");
    EXPECT_EQ(UsbSerialChip::name(0x067b, 0x2303), "PL2303");
    EXPECT_EQ(UsbSerialChip::name(0x067b, 0x23a3), "PL2303GC");
    EXPECT_EQ(UsbSerialChip::name(0x10c4, 0xea60), "CP210x");
    EXPECT_EQ(UsbSerialChip::name(0x0403, 0x6001), "FTDI FT232R");
    EXPECT_EQ(UsbSerialChip::name(0x0403, 0x6010), "FTDI FT2232");
    EXPECT_EQ(UsbSerialChip::name(0x0403, 0x6011), "FTDI FT4232H");
    EXPECT_EQ(UsbSerialChip::name(0x0403, 0x6014), "FTDI FT232H");
    EXPECT_EQ(UsbSerialChip::name(0x0403, 0x6015), "FTDI FT-X");
    EXPECT_EQ(UsbSerialChip::name(0x0403, 0x7523), "") << "a product of another vendor";
    EXPECT_EQ(UsbSerialChip::name(0xffff, 0xffff), "");
}

TEST(PortIdentityTest, OneLineNamesDeviceChipIdsAndSerial) {
    EXPECT_EQ(usbPort("/dev/ttyUSB0", 0x1a86, 0x7523).oneLine(),
              "/dev/ttyUSB0: CH340/CH341, USB 1a86:7523");
    EXPECT_EQ(usbPort("/dev/ttyUSB1", 0x0403, 0x6001, "A50285BI").oneLine(),
              "/dev/ttyUSB1: FTDI FT232R, USB 0403:6001, serial A50285BI");
    EXPECT_EQ(usbPort("/dev/ttyACM0", 0x2341, 0x0043).oneLine(),
              "/dev/ttyACM0: unknown chip, USB 2341:0043");
    const PortIdentity builtIn{"/dev/ttyS0", "", "", std::nullopt, std::nullopt, ""};
    EXPECT_FALSE(builtIn.isUsb());
    EXPECT_EQ(builtIn.chip(), "");
    EXPECT_EQ(builtIn.usbId(), "");
    EXPECT_EQ(builtIn.oneLine(), "/dev/ttyS0: not USB");

    const std::vector<PortIdentity> ports{builtIn, usbPort("/dev/ttyUSB0", 0x10c4, 0xea60)};
    EXPECT_EQ(PortIdentity::describe(ports, "/dev/ttyUSB0"), "/dev/ttyUSB0: CP210x, USB 10c4:ea60");
    EXPECT_EQ(PortIdentity::describe(ports, "/dev/ttyUSB7"), "/dev/ttyUSB7: not present");
}

class PortTroubleTest : public ::testing::Test {
protected:
    [[nodiscard]] std::string explain(int error, const std::string& text = {}) const {
        return PortTrouble::explain(OpenFailure{"/dev/ttyUSB0", error, text}, system);
    }

    FakePortSystem system;
};

TEST_F(PortTroubleTest, ADeniedOpenNamesTheDevicesGroupAndTheAccount) {
    system.groups["/dev/ttyUSB0"] = {"uucp", true};
    EXPECT_EQ(explain(EACCES), "Your account may not use /dev/ttyUSB0. Add it to the group that "
                               "owns the device (sudo usermod -aG uucp ana), then log out and in "
                               "again.");
    // The node could not be looked at: the usual group.
    system.groups.clear();
    system.user.clear();
    EXPECT_EQ(explain(EACCES), "Your account may not use /dev/ttyUSB0. Add it to the group that "
                               "owns the device (sudo usermod -aG dialout $USER), then log out "
                               "and in again.");
}

TEST_F(PortTroubleTest, AGroupThatMayNotUseTheDeviceIsNotRecommended) {
    system.groups["/dev/ttyUSB0"] = {"root", true};
    const std::string rootOwned = explain(EACCES);
    EXPECT_EQ(rootOwned.find("usermod -aG root"), std::string::npos) << rootOwned;
    EXPECT_NE(rootOwned.find("its group root may not either"), std::string::npos) << rootOwned;
    system.groups["/dev/ttyUSB0"] = {"plugdev", false};
    EXPECT_NE(explain(EACCES).find("its group plugdev may not either"), std::string::npos);
}

TEST_F(PortTroubleTest, AMissingDeviceAsksForTheCableAndListsThePortsThereAre) {
    EXPECT_EQ(explain(ENOENT), "No such device: is the cable plugged in? (/dev/ttyUSB0)");
    EXPECT_EQ(explain(ENODEV), explain(ENOENT)) << "a node whose device went away";

    system.present = {usbPort("/dev/ttyUSB1", 0x1a86, 0x7523),
                      PortIdentity{"/dev/ttyS0", "", "", std::nullopt, std::nullopt, ""}};
    system.braille = true; // a USB port is there, so nothing took the adapter
    EXPECT_EQ(explain(ENOENT), "No such device: is the cable plugged in? (/dev/ttyUSB0)\n"
                               "The serial ports present: /dev/ttyUSB1 (CH340/CH341), "
                               "/dev/ttyS0.");
    for (int n = 2; n < 8; ++n)
        system.present.push_back(usbPort("/dev/ttyUSB" + std::to_string(n), 0x0403, 0x6001));
    const std::string many = explain(ENOENT);
    EXPECT_NE(many.find("/dev/ttyUSB3 (FTDI FT232R), ...."), std::string::npos) << many;
    EXPECT_EQ(many.find("/dev/ttyUSB4"), std::string::npos) << many;
}

TEST_F(PortTroubleTest, WithNoUsbPortAtAllTheBrailleServiceIsNamed) {
    system.present = {PortIdentity{"/dev/ttyS0", "", "", std::nullopt, std::nullopt, ""}};
    system.braille = true;
    EXPECT_EQ(explain(ENOENT), std::string("No such device: is the cable plugged in? "
                                           "(/dev/ttyUSB0)\n") +
                                   PortTroubleText::BrailleText);
    system.braille = false;
    EXPECT_EQ(explain(ENOENT).find("brltty"), std::string::npos);
}

TEST_F(PortTroubleTest, ABusyDeviceNamesItsHolderWhenTheSystemTells) {
    EXPECT_EQ(explain(EBUSY, "Permission error while locking the device"),
              "The port /dev/ttyUSB0 is in use by another program. Close it, then try again.");
    system.holders["/dev/ttyUSB0"] = {4321, "minicom"};
    EXPECT_EQ(
        explain(EBUSY),
        "The port /dev/ttyUSB0 is in use by minicom (process 4321). Close it, then try again.");
}

TEST_F(PortTroubleTest, OtherFailuresGiveTheSystemsWordsAndNoDeviceGivesNothing) {
    EXPECT_EQ(explain(EIO, "Input/output error"),
              "The port /dev/ttyUSB0 could not be opened: Input/output error");
    EXPECT_EQ(explain(EIO), "The port /dev/ttyUSB0 could not be opened: unknown error");
    EXPECT_EQ(PortTrouble::explain(OpenFailure{}, system), "");
    EXPECT_EQ(PortTrouble::message(""), RadioTransfer::OpenFailedText);
    EXPECT_EQ(PortTrouble::message("Why."),
              std::string(RadioTransfer::OpenFailedText) + "\n\nWhy.");
}

TEST_F(PortTroubleTest, TheSessionShowsTheReasonUnderTheDescribedMessage) {
    TransferSession session;
    session.start(TransferDirection::Read, RadioImage::newDocument(), {}, 0);
    (void)session.takeActions();
    session.portNotOpened(explain(ENOENT), 1);
    std::vector<SessionAction> actions = session.takeActions();
    ASSERT_FALSE(actions.empty());
    ASSERT_EQ(actions.back().kind, SessionAction::Kind::Ask);
    EXPECT_EQ(actions.back().prompt.text,
              std::string(RadioTransfer::OpenFailedText) +
                  "\n\nNo such device: is the cable plugged in? (/dev/ttyUSB0)");
    session.answer(PromptAnswer::Ok, 2);
    EXPECT_EQ(session.outcome(), TransferOutcome::PortUnavailable);

    // Without a reason the message is the described one alone.
    TransferSession plain;
    plain.start(TransferDirection::Read, RadioImage::newDocument(), {}, 0);
    (void)plain.takeActions();
    plain.portNotOpened({}, 1);
    actions = plain.takeActions();
    ASSERT_FALSE(actions.empty());
    EXPECT_EQ(actions.back().prompt.text, RadioTransfer::OpenFailedText);
}

} // namespace
} // namespace tarn
