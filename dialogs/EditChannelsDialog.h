#pragma once

#include "data/ChannelBulkEdit.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;

namespace tarn {

class TxOffsetField;

// Edit > Edit Selected Channels: TX offset, tones, power and lock for all selected channels at
// once; a field left at "(unchanged)" stays as each channel has it.
class EditChannelsDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr const char* Unchanged = "(unchanged)";

    EditChannelsDialog(int selected, QWidget* parent);

    // Only when OK is enabled: every field holds something usable.
    [[nodiscard]] ChannelBulkEdit edit() const;

private:
    [[nodiscard]] QComboBox* choiceBox(const QStringList& items);
    void refresh();

    TxOffsetField* m_offset;
    QComboBox* m_dec;
    QComboBox* m_enc;
    QComboBox* m_power;
    QComboBox* m_lock;
    QLabel* m_note;
    QPushButton* m_ok = nullptr;
};

} // namespace tarn
