#pragma once

#include "data/TxOffset.h"

#include <QWidget>

#include <optional>

class QComboBox;
class QLineEdit;

namespace tarn {

// A TX offset as the user types it: a signed amount in kHz or MHz, or "+" or "-" alone for the
// band plan's repeater offset. An empty field may stand for "(unchanged)".
class TxOffsetField : public QWidget {
    Q_OBJECT

public:
    // emptyText: what an empty field means, shown greyed in it.
    TxOffsetField(const QString& emptyText, QWidget* parent);

    [[nodiscard]] bool isEmpty() const;
    // Nothing when the field is empty or holds no offset.
    [[nodiscard]] std::optional<TxOffset> offset() const;
    [[nodiscard]] bool isValid() const { return isEmpty() || offset().has_value(); }
    void setText(const QString& text);
    [[nodiscard]] QLineEdit* edit() const { return m_edit; }

signals:
    void changed();

private:
    QLineEdit* m_edit;
    QComboBox* m_unit;
};

} // namespace tarn
