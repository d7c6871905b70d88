#include "dialogs/TxOffsetField.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>

namespace tarn {

TxOffsetField::TxOffsetField(const QString& emptyText, QWidget* parent)
    : QWidget(parent)
    , m_edit(new QLineEdit(this))
    , m_unit(new QComboBox(this)) {
    m_edit->setPlaceholderText(emptyText);
    m_edit->setToolTip(tr("TX = RX + offset, with a sign; + or - alone takes the band plan's "
                          "repeater offset"));
    m_unit->addItem(tr("MHz"));
    m_unit->addItem(tr("kHz"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_edit, 1);
    layout->addWidget(m_unit);
    setFocusProxy(m_edit);
    connect(m_edit, &QLineEdit::textChanged, this, &TxOffsetField::changed);
    connect(m_unit, &QComboBox::currentIndexChanged, this, &TxOffsetField::changed);
}

bool TxOffsetField::isEmpty() const {
    return m_edit->text().trimmed().isEmpty();
}

std::optional<TxOffset> TxOffsetField::offset() const {
    if (isEmpty())
        return std::nullopt;
    const auto unit = m_unit->currentIndex() == 0 ? TxOffset::Unit::MHz : TxOffset::Unit::KHz;
    return TxOffset::parse(m_edit->text().toStdString(), unit);
}

void TxOffsetField::setText(const QString& text) {
    m_edit->setText(text);
}

} // namespace tarn
