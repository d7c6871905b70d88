#pragma once

#include "link/PortIdentity.h"
#include "link/PortListModel.h"
#include "link/PortNames.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTableView>

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace tarn {

// Which device each of "COM1" to "COM4" opens on this machine, over the list of the serial
// ports the system reports with their adapter chips. The choice is kept in the settings; an
// environment variable TARN_COMn still wins and is shown as such.
class PortsDialog : public QDialog {
    Q_OBJECT
public:
    using Store = std::function<void(const std::string& key, const std::string& value)>;

    static constexpr const char* Title = "Ports";

    // ports is asked now and on Refresh; store is given an empty value for a port that goes
    // back to its default device.
    PortsDialog(PortLister ports, PortNames::Lookup environment, PortNames::Lookup settings,
                Store store, QWidget* parent = nullptr);

    [[nodiscard]] QComboBox& choice(int number) { return m_rows.at(index(number)).choice; }
    // The device the port opens with the choice as it stands in the dialog.
    [[nodiscard]] QString opensText(int number) const {
        return m_rows.at(index(number)).opens.text();
    }
    [[nodiscard]] QTableView& portTable() { return m_table; }
    [[nodiscard]] PortListModel& portModel() { return m_model; }
    // Lists the ports again; what each choice holds stays, listed or not.
    void refresh();

    void accept() override;

private:
    struct Row {
        explicit Row(QWidget* parent);
        QLabel name;
        QComboBox choice;
        QLabel opens;
    };

    [[nodiscard]] static std::size_t index(int number) {
        return static_cast<std::size_t>(number - 1);
    }
    [[nodiscard]] static std::string key(int number);
    [[nodiscard]] std::string chosenPath(int number) const;
    void fillRow(int number);
    void showOpens(int number);
    void setUpTable();
    void fitTableWidth();

    PortLister m_lister;
    PortNames::Lookup m_environment;
    PortNames::Lookup m_settings;
    Store m_store;
    PortListModel m_model;
    QLabel m_listIntro;
    QTableView m_table;
    QLabel m_intro;
    std::array<Row, PortNames::Count> m_rows{Row{this}, Row{this}, Row{this}, Row{this}};
    QDialogButtonBox m_buttons;
    QPushButton* m_refresh = nullptr; // the button box's
};

} // namespace tarn
