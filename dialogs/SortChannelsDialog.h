#pragma once

#include "data/ChannelOrder.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QRadioButton;

namespace tarn {

// Edit > Sort Channels: the column to sort the channels by, the direction, and whether only
// the selected channels are sorted among their own places.
class SortChannelsDialog : public QDialog {
    Q_OBJECT

public:
    // selected: how many channels are selected; with fewer than two, all are sorted.
    SortChannelsDialog(int selected, const ChannelSortChoice& initial, QWidget* parent);

    [[nodiscard]] ChannelSortChoice choice() const;

private:
    QComboBox* m_key;
    QRadioButton* m_ascending;
    QRadioButton* m_descending;
    QCheckBox* m_onlySelected;
};

} // namespace tarn
