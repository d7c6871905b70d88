#pragma once

#include "link/PortIdentity.h"

#include <QAbstractTableModel>

#include <vector>

namespace tarn {

// The serial ports as a table, one row a port: the Ports dialog's list and its choice boxes
// share it, so thousands of ports cost one model, not a widget each.
class PortListModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Device, Chip, UsbId, Description, Manufacturer, SerialNumber, Summary, Count };

    explicit PortListModel(QObject* parent = nullptr);

    void setPorts(std::vector<PortIdentity> ports);
    [[nodiscard]] const std::vector<PortIdentity>& ports() const { return m_ports; }

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
    // Qt::UserRole of any column is the device path.
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                      int role) const override;

    // "/dev/ttyUSB0  CH340/CH341  USB Serial [1a86:7523]": the Summary column.
    [[nodiscard]] static QString summary(const PortIdentity& port);

private:
    [[nodiscard]] static QString cell(const PortIdentity& port, int column);

    std::vector<PortIdentity> m_ports;
};

} // namespace tarn
