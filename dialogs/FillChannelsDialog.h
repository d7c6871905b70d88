#pragma once

#include "data/ChannelFill.h"

#include <QDialog>

#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace tarn {

class TxOffsetField;

// Edit > Fill Channels: a run of channels from a first one, at a start frequency and a step,
// simplex or with an offset, with tones, power and lock.
class FillChannelsDialog : public QDialog {
    Q_OBJECT

public:
    FillChannelsDialog(int channelCount, const ChannelFill& initial, QWidget* parent);

    // Only when OK is enabled.
    [[nodiscard]] ChannelFill fill() const;

private:
    [[nodiscard]] std::optional<std::uint32_t> startUnits() const;
    [[nodiscard]] std::optional<std::uint32_t> stepUnits() const;
    [[nodiscard]] QComboBox* choiceBox(const QStringList& items, const std::string& current);
    void refresh();

    QSpinBox* m_first;
    QSpinBox* m_count;
    QLineEdit* m_start;
    QComboBox* m_step;
    TxOffsetField* m_offset;
    QComboBox* m_dec;
    QComboBox* m_enc;
    QComboBox* m_power;
    QComboBox* m_lock;
    QLabel* m_note;
    QPushButton* m_ok = nullptr;
};

} // namespace tarn
