#include "link/PortsDialog.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <map>

namespace tarn {
namespace {

// Off Windows only: there the names open as they are.
#ifndef _WIN32

class PortsDialogTest : public ::testing::Test {
protected:
    [[nodiscard]] std::unique_ptr<PortsDialog> makeDialog() {
        auto dialog = std::make_unique<PortsDialog>(
            [this] {
                ++listings;
                return ports;
            },
            [this](const std::string& key) -> std::optional<std::string> {
                const auto it = environment.find(key);
                return it == environment.end() ? std::nullopt : std::optional(it->second);
            },
            [this](const std::string& key) -> std::optional<std::string> {
                const auto it = settings.find(key);
                return it == settings.end() ? std::nullopt : std::optional(it->second);
            },
            [this](const std::string& key, const std::string& value) { stored[key] = value; });
        dialog->show();
        return dialog;
    }

    static void type(QComboBox& box, const QString& text) {
        box.lineEdit()->selectAll();
        QTest::keyClick(box.lineEdit(), Qt::Key_Delete);
        QTest::keyClicks(box.lineEdit(), text);
    }

    std::vector<PortIdentity> ports{
        {"/dev/ttyUSB0", "FT232R USB UART", "FTDI", 0x0403, 0x6001, "A50285BI"},
        {"/dev/ttyS0", "", "", std::nullopt, std::nullopt, ""}};
    int listings = 0;
    std::map<std::string, std::string> environment;
    std::map<std::string, std::string> settings;
    std::map<std::string, std::string> stored;
};

TEST_F(PortsDialogTest, ShowsWhatEachNameOpensAndThatTheEnvironmentWins) {
    settings["Ports/COM2"] = "/dev/ttyACM0";
    environment["TARN_COM3"] = "/dev/pts/7";
    settings["Ports/COM3"] = "/dev/ttyS1";
    const auto dialog = makeDialog();
    EXPECT_EQ(dialog->choice(1).currentText(), "");
    EXPECT_EQ(dialog->opensText(1), "opens /dev/ttyUSB0");
    EXPECT_EQ(dialog->choice(2).currentText(), "/dev/ttyACM0");
    EXPECT_EQ(dialog->opensText(2), "opens /dev/ttyACM0");
    EXPECT_EQ(dialog->opensText(3), "opens /dev/pts/7 (set by TARN_COM3)");
    EXPECT_EQ(dialog->opensText(4), "opens /dev/ttyUSB3");
    ASSERT_EQ(dialog->choice(1).count(), 2);
    EXPECT_EQ(dialog->choice(1).itemText(0),
              "/dev/ttyUSB0  FTDI FT232R  FT232R USB UART [0403:6001]");
    EXPECT_EQ(dialog->choice(1).itemText(1), "/dev/ttyS0");
}

TEST_F(PortsDialogTest, PickedOrTypedPathsAreKeptOnOk) {
    settings["Ports/COM2"] = "/dev/ttyACM0";
    const auto dialog = makeDialog();
    QComboBox& com1 = dialog->choice(1);
    com1.showPopup();
    QAbstractItemView& list = *com1.view();
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                      list.visualRect(com1.model()->index(0, 0)).center());
    EXPECT_EQ(com1.currentText(), "/dev/ttyUSB0");
    EXPECT_EQ(dialog->opensText(1), "opens /dev/ttyUSB0");
    type(dialog->choice(2), "");
    type(dialog->choice(4), "/dev/ttyUSB9 ");
    EXPECT_EQ(dialog->opensText(4), "opens /dev/ttyUSB9");
    dialog->accept();
    const std::map<std::string, std::string> expected{{"Ports/COM1", "/dev/ttyUSB0"},
                                                      {"Ports/COM2", ""},
                                                      {"Ports/COM3", ""},
                                                      {"Ports/COM4", "/dev/ttyUSB9"}};
    EXPECT_EQ(stored, expected);
}

TEST_F(PortsDialogTest, CancelKeepsNothing) {
    const auto dialog = makeDialog();
    type(dialog->choice(1), "/dev/ttyS0");
    dialog->reject();
    EXPECT_TRUE(stored.empty());
}

TEST_F(PortsDialogTest, TheListNamesEachPortsChipAndUsbIdentity) {
    ports.push_back({"/dev/ttyUSB1", "USB Serial", "", 0x1a86, 0x7523, ""});
    ports.push_back({"/dev/ttyACM0", "", "", 0x2341, 0x0043, ""});
    const auto dialog = makeDialog();
    const QAbstractItemModel& model = *dialog->portTable().model();
    ASSERT_EQ(model.rowCount(), 4);
    const auto text = [&model](int row, int column) {
        return model.index(row, column).data().toString();
    };
    EXPECT_EQ(model.headerData(PortListModel::Chip, Qt::Horizontal).toString(), "Chip");
    EXPECT_EQ(text(0, PortListModel::Chip), "FTDI FT232R");
    EXPECT_EQ(text(0, PortListModel::UsbId), "0403:6001");
    EXPECT_EQ(text(0, PortListModel::SerialNumber), "A50285BI");
    EXPECT_EQ(text(1, PortListModel::Chip), "") << "not USB";
    EXPECT_EQ(text(2, PortListModel::Chip), "CH340/CH341");
    EXPECT_EQ(text(3, PortListModel::Chip), "") << "ids the table does not know";
    EXPECT_EQ(text(3, PortListModel::UsbId), "2341:0043");
    EXPECT_TRUE(dialog->portTable().isColumnHidden(PortListModel::Summary));
}

TEST_F(PortsDialogTest, APortThatDisappearsWhileListedLeavesTheChoiceAsTyped) {
    const auto dialog = makeDialog();
    type(dialog->choice(1), "/dev/ttyUSB0");
    type(dialog->choice(2), "/dev/ttyS9");
    ports.erase(ports.begin());
    dialog->refresh();
    EXPECT_EQ(listings, 2);
    EXPECT_EQ(dialog->portModel().rowCount(), 1);
    EXPECT_EQ(dialog->choice(1).currentText(), "/dev/ttyUSB0");
    EXPECT_EQ(dialog->choice(2).currentText(), "/dev/ttyS9");
    EXPECT_EQ(dialog->opensText(1), "opens /dev/ttyUSB0");
    dialog->accept();
    EXPECT_EQ(stored["Ports/COM1"], "/dev/ttyUSB0");
    EXPECT_EQ(stored["Ports/COM2"], "/dev/ttyS9");
}

TEST_F(PortsDialogTest, TenThousandPortsShareOneModelWithNoWidgetPerPort) {
    ports.clear();
    for (int n = 0; n < 10000; ++n)
        ports.push_back({"/dev/ttyUSB" + std::to_string(n), "USB Serial", "", 0x1a86, 0x7523,
                         std::to_string(n)});
    const auto dialog = makeDialog();
    EXPECT_EQ(listings, 1) << "listed once, not once a choice";
    EXPECT_EQ(dialog->portModel().rowCount(), 10000);
    EXPECT_EQ(dialog->portTable().model(), &dialog->portModel());
    for (int number = 1; number <= PortNames::Count; ++number) {
        EXPECT_EQ(dialog->choice(number).model(), &dialog->portModel());
        EXPECT_EQ(dialog->choice(number).count(), 10000);
    }
    EXPECT_LT(dialog->findChildren<QWidget*>().size(), 100);
    // The last entry is picked as any other.
    QComboBox& com1 = dialog->choice(1);
    com1.setCurrentIndex(9999);
    emit com1.activated(9999);
    EXPECT_EQ(com1.currentText(), "/dev/ttyUSB9999");
    EXPECT_EQ(dialog->opensText(1), "opens /dev/ttyUSB9999");
}

#endif

} // namespace
} // namespace tarn
