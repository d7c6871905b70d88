#include "view/ChannelTableModel.h"

#include "data/ChannelCodec.h"
#include "data/ChannelDocument.h"
#include "data/ModelBand.h"

#include <QBrush>
#include <QColor>
#include <QCoreApplication>

#include <optional>

namespace tarn {

namespace {

constexpr Qt::Alignment CellAlignment = Qt::AlignHCenter | Qt::AlignTop;
const QColor WarningColour(200, 0, 0);

bool isFrequencyColumn(int column) {
    return column == ChannelCodec::RxFreqColumn || column == ChannelCodec::TxFreqColumn;
}

QString headerText(int column) {
    return QCoreApplication::translate("tarn::ChannelCodec", ChannelCodec::Headers[column]);
}

} // namespace

ChannelTableModel::ChannelTableModel(ChannelDocument& document, QObject* parent)
    : QAbstractTableModel(parent)
    , m_document(document) {
    m_document.sheet().addObserver(*this);
    markBand();
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
    case Qt::ForegroundRole:
        if (isOutOfBand(sheetRow(index), sheetColumn(index)))
            return QBrush(WarningColour);
        return {};
    case Qt::ToolTipRole:
        if (isOutOfBand(sheetRow(index), sheetColumn(index)))
            return bandWarning();
        return {};
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

bool ChannelTableModel::isOutOfBand(int sheetRow, int sheetColumn) const {
    if (!isFrequencyColumn(sheetColumn) || m_outOfBand.count(sheetRow) == 0)
        return false;
    const std::optional<ModelBand> band = ModelBand::of(m_document.image());
    return band && band->excludes(m_document.sheet().cellText(sheetRow, sheetColumn));
}

void ChannelTableModel::markBand() {
    recountBand();
    if (rowCount() > 0)
        emit dataChanged(index(0, ChannelCodec::RxFreqColumn - 1),
                         index(rowCount() - 1, ChannelCodec::TxFreqColumn - 1),
                         {Qt::ForegroundRole, Qt::ToolTipRole});
}

void ChannelTableModel::recountBand() {
    m_outOfBand.clear();
    for (int row = 1; row <= rowCount(); ++row) {
        if (excludes(row))
            m_outOfBand.insert(row);
    }
}

bool ChannelTableModel::excludes(int sheetRow) const {
    const std::optional<ModelBand> band = ModelBand::of(m_document.image());
    if (!band)
        return false;
    const ChannelSheet& sheet = m_document.sheet();
    return band->excludes(sheet.cellText(sheetRow, ChannelCodec::RxFreqColumn)) ||
           band->excludes(sheet.cellText(sheetRow, ChannelCodec::TxFreqColumn));
}

QString ChannelTableModel::bandWarning() const {
    const std::optional<ModelBand> band = ModelBand::of(m_document.image());
    const std::string_view name = band ? band->name() : std::string_view();
    return tr("Outside the band of the model (%1): the radio cannot use this channel")
        .arg(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
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
    if (!cell.isValid())
        return;
    if (!isFrequencyColumn(column)) {
        emit dataChanged(cell, cell, {Qt::DisplayRole, Qt::EditRole, Qt::AccessibleTextRole});
        return;
    }
    if (excludes(row))
        m_outOfBand.insert(row);
    else
        m_outOfBand.erase(row);
    // Each frequency cell carries its own warning; the other one's is unchanged.
    emit dataChanged(cell, cell,
                     {Qt::DisplayRole, Qt::EditRole, Qt::AccessibleTextRole, Qt::ForegroundRole,
                      Qt::ToolTipRole});
}

void ChannelTableModel::sheetReset() {
    // The sheet has changed already; views drop their editors and ask afresh.
    beginResetModel();
    recountBand();
    endResetModel();
}

} // namespace tarn
