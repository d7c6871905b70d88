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
            ports,
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

    std::vector<SystemPort> ports{{"/dev/ttyUSB0", "FT232R USB UART", "FTDI", "A1", 0x0403, 0x6001},
                                  {"/dev/ttyS0", "", "", "", std::nullopt, std::nullopt}};
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
              "/dev/ttyUSB0  FT232R USB UART [0403:6001 FTDI FT232R]");
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

TEST_F(PortsDialogTest, TenThousandPortsAreAllOfferedAndTheLastCanBePicked) {
    ports.clear();
    for (int n = 0; n < 10000; ++n)
        ports.push_back({"/dev/ttyUSB" + std::to_string(n), "USB Serial", "", "", 0x1a86, 0x7523});
    const auto dialog = makeDialog();
    for (int number = 1; number <= PortNames::Count; ++number)
        EXPECT_EQ(dialog->choice(number).count(), 10000);
    // The boxes keep their width however long the list grows.
    EXPECT_LT(dialog->width(), 2000);
    QComboBox& com2 = dialog->choice(2);
    com2.setCurrentIndex(9999);
    emit com2.activated(9999);
    EXPECT_EQ(com2.currentText(), "/dev/ttyUSB9999");
    EXPECT_EQ(dialog->opensText(2), "opens /dev/ttyUSB9999");
    dialog->accept();
    EXPECT_EQ(stored["Ports/COM2"], "/dev/ttyUSB9999");
}

#endif

} // namespace
} // namespace tarn
