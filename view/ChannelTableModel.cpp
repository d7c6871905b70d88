#include "view/ChannelTableModel.h"

#include "data/ChannelCodec.h"
#include "data/ChannelDocument.h"

namespace tarn {

namespace {

constexpr Qt::Alignment CellAlignment = Qt::AlignHCenter | Qt::AlignTop;

QString headerText(int column) {
    return QString::fromUtf8(ChannelCodec::Headers[column]);
}

} // namespace

ChannelTableModel::ChannelTableModel(ChannelDocument& document, QObject* parent)
    : QAbstractTableModel(parent)
    , m_document(document) {
    m_document.sheet().addObserver(*this);
}

ChannelTableModel::~ChannelTableModel() {
    m_document.sheet().removeObserver(*this);
}

int ChannelTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_document.sheet().channelCount();
}

int ChannelTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Columns;
}

QVariant ChannelTableModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
    case Qt::AccessibleTextRole:
        return QString::fromStdString(
            m_document.sheet().cellText(sheetRow(index), sheetColumn(index)));
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(CellAlignment);
    default:
        return {};
    }
}

QVariant ChannelTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal) {
        if (section < 0 || section >= Columns)
            return {};
        if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
            return headerText(section + 1);
        return {};
    }
    if (section < 0 || section >= rowCount())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return QString::fromStdString(m_document.sheet().cellText(section + 1, 0));
    case Qt::AccessibleTextRole:
        return tr("Channel %1").arg(section + 1);
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    default:
        return {};
    }
}

Qt::ItemFlags ChannelTableModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

QModelIndex ChannelTableModel::indexOf(int row, int column) const {
    return index(row - 1, column - 1);
}

QString ChannelTableModel::cornerText() {
    return headerText(ChannelCodec::NumberColumn);
}

void ChannelTableModel::cellChanged(int row, int column) {
    // The sheet's header row is the model's horizontal header, which never changes.
    if (row < 1 || row > rowCount())
        return;
    if (column == ChannelCodec::NumberColumn) {
        emit headerDataChanged(Qt::Vertical, row - 1, row - 1);
        return;
    }
    const QModelIndex cell = indexOf(row, column);
    if (cell.isValid())
        emit dataChanged(cell, cell, {Qt::DisplayRole, Qt::EditRole, Qt::AccessibleTextRole});
}

void ChannelTableModel::sheetReset() {
    // The sheet has changed already; views drop their editors and ask afresh.
    beginResetModel();
    endResetModel();
}

} // namespace tarn
