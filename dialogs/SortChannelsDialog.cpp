#include "dialogs/SortChannelsDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tarn {

namespace {

constexpr ChannelOrder::Key Keys[] = {ChannelOrder::Key::RxFreq, ChannelOrder::Key::TxFreq,
                                      ChannelOrder::Key::DecTone, ChannelOrder::Key::EncTone,
                                      ChannelOrder::Key::Power};

} // namespace

SortChannelsDialog::SortChannelsDialog(int selected, const ChannelSortChoice& initial,
                                       QWidget* parent)
    : QDialog(parent)
    , m_key(new QComboBox(this))
    , m_ascending(new QRadioButton(tr("&Ascending"), this))
    , m_descending(new QRadioButton(tr("&Descending"), this))
    , m_onlySelected(new QCheckBox(tr("Only the %n &selected channels", nullptr, selected), this)) {
    setWindowTitle(tr("Sort Channels"));
    m_key->setObjectName(QStringLiteral("key"));
    m_descending->setObjectName(QStringLiteral("descending"));
    m_onlySelected->setObjectName(QStringLiteral("onlySelected"));
    for (const ChannelOrder::Key key : Keys) {
        m_key->addItem(QString::fromUtf8(ChannelOrder::keyTitle(key)));
        if (key == initial.sort.key)
            m_key->setCurrentIndex(m_key->count() - 1);
    }
    (initial.sort.descending ? m_descending : m_ascending)->setChecked(true);
    m_onlySelected->setEnabled(selected > 1);
    m_onlySelected->setChecked(selected > 1 && initial.onlySelected);
    if (selected < 2)
        m_onlySelected->setText(tr("Only the &selected channels"));

    auto* direction = new QHBoxLayout;
    direction->addWidget(m_ascending);
    direction->addWidget(m_descending);
    direction->addStretch();
    auto* form = new QFormLayout;
    form->addRow(tr("Sort &by:"), m_key);
    form->addRow(tr("Order:"), direction);
    form->addRow(QString(), m_onlySelected);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

ChannelSortChoice SortChannelsDialog::choice() const {
    ChannelSortChoice choice;
    choice.sort.key = Keys[std::max(0, m_key->currentIndex())];
    choice.sort.descending = m_descending->isChecked();
    choice.onlySelected = m_onlySelected->isEnabled() && m_onlySelected->isChecked();
    return choice;
}

} // namespace tarn
