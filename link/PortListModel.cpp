#include "link/PortListModel.h"

namespace tarn {

PortListModel::PortListModel(QObject* parent)
    : QAbstractTableModel(parent) {}

void PortListModel::setPorts(std::vector<PortIdentity> ports) {
    beginResetModel();
    m_ports = std::move(ports);
    endResetModel();
}

int PortListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_ports.size());
}

int PortListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Count;
}

QVariant PortListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const PortIdentity& port = m_ports[static_cast<std::size_t>(index.row())];
    if (role == Qt::UserRole)
        return QString::fromStdString(port.device);
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return cell(port, index.column());
    return {};
}

QVariant PortListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case Device:
        return tr("Device");
    case Chip:
        return tr("Chip");
    case UsbId:
        return tr("USB ID");
    case Description:
        return tr("Description");
    case Manufacturer:
        return tr("Manufacturer");
    case SerialNumber:
        return tr("Serial number");
    default:
        break;
    }
    return {};
}

QString PortListModel::cell(const PortIdentity& port, int column) {
    switch (column) {
    case Device:
        return QString::fromStdString(port.device);
    case Chip:
        return QString::fromStdString(port.chip());
    case UsbId:
        return QString::fromStdString(port.usbId());
    case Description:
        return QString::fromStdString(port.description);
    case Manufacturer:
        return QString::fromStdString(port.manufacturer);
    case SerialNumber:
        return QString::fromStdString(port.serialNumber);
    case Summary:
        return summary(port);
    default:
        break;
    }
    return {};
}

QString PortListModel::summary(const PortIdentity& port) {
    QString text = QString::fromStdString(port.device);
    const std::string chip = port.chip();
    if (!chip.empty())
        text += QStringLiteral("  ") + QString::fromStdString(chip);
    if (!port.description.empty())
        text += QStringLiteral("  ") + QString::fromStdString(port.description);
    if (port.isUsb())
        text += QStringLiteral(" [") + QString::fromStdString(port.usbId()) + QLatin1Char(']');
    return text;
}

} // namespace tarn
