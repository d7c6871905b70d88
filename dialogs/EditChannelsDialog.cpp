#include "dialogs/EditChannelsDialog.h"

#include "data/ToneTable.h"
#include "dialogs/TxOffsetField.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarn {

namespace {

QStringList toneItems() {
    const ToneTable tones;
    QStringList items;
    for (const std::string& tone : tones.texts())
        items << QString::fromStdString(tone);
    return items;
}

std::optional<std::string> chosen(const QComboBox& box) {
    if (box.currentIndex() <= 0)
        return std::nullopt;
    return box.currentText().toStdString();
}

} // namespace

EditChannelsDialog::EditChannelsDialog(int selected, QWidget* parent)
    : QDialog(parent)
    , m_offset(new TxOffsetField(tr(Unchanged), this))
    , m_dec(choiceBox(toneItems()))
    , m_enc(choiceBox(toneItems()))
    , m_power(choiceBox({QStringLiteral("High"), QStringLiteral("Middle"), QStringLiteral("Low")}))
    , m_lock(choiceBox({QStringLiteral("Lock"), QStringLiteral("UnLock")}))
    , m_note(new QLabel(this)) {
    setWindowTitle(tr("Edit Selected Channels"));
    m_offset->edit()->setObjectName(QStringLiteral("offset"));
    m_dec->setObjectName(QStringLiteral("dec"));
    m_enc->setObjectName(QStringLiteral("enc"));
    m_power->setObjectName(QStringLiteral("power"));
    m_lock->setObjectName(QStringLiteral("lock"));
    auto* form = new QFormLayout;
    form->addRow(new QLabel(
        tr("%n channels are selected; empty channels stay empty.", nullptr, selected), this));
    form->addRow(tr("TX &offset:"), m_offset);
    form->addRow(tr("QT/DQT &Dec:"), m_dec);
    form->addRow(tr("QT/DQT &Enc:"), m_enc);
    form->addRow(tr("TX &Power:"), m_power);
    form->addRow(tr("CHN &Lock:"), m_lock);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_offset, &TxOffsetField::changed, this, &EditChannelsDialog::refresh);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_note);
    layout->addWidget(buttons);
    refresh();
}

QComboBox* EditChannelsDialog::choiceBox(const QStringList& items) {
    auto* box = new QComboBox(this);
    box->addItem(tr(Unchanged));
    box->addItems(items);
    box->setMaxVisibleItems(16);
    return box;
}

void EditChannelsDialog::refresh() {
    const bool valid = m_offset->isValid();
    m_note->setText(valid ? QString()
                          : tr("The TX offset is a number with an optional sign, or + or - "
                               "alone for the band plan's offset."));
    m_ok->setEnabled(valid);
}

ChannelBulkEdit EditChannelsDialog::edit() const {
    ChannelBulkEdit edit;
    edit.offset = m_offset->offset();
    edit.decTone = chosen(*m_dec);
    edit.encTone = chosen(*m_enc);
    edit.power = chosen(*m_power);
    edit.lock = chosen(*m_lock);
    return edit;
}

} // namespace tarn
