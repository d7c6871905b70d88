#include "dialogs/FillChannelsDialog.h"

#include "data/ChannelCodec.h"
#include "data/StrictNumber.h"
#include "data/ToneTable.h"
#include "dialogs/TxOffsetField.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <limits>

namespace tarn {

namespace {

QStringList toneItems() {
    const ToneTable tones;
    QStringList items;
    for (const std::string& tone : tones.texts())
        items << QString::fromStdString(tone);
    return items;
}

} // namespace

FillChannelsDialog::FillChannelsDialog(int channelCount, const ChannelFill& initial,
                                       QWidget* parent)
    : QDialog(parent)
    , m_first(new QSpinBox(this))
    , m_count(new QSpinBox(this))
    , m_start(new QLineEdit(this))
    , m_step(new QComboBox(this))
    , m_offset(new TxOffsetField(tr("0 (simplex)"), this))
    , m_dec(choiceBox(toneItems(), initial.decTone))
    , m_enc(choiceBox(toneItems(), initial.encTone))
    , m_power(choiceBox({QStringLiteral("High"), QStringLiteral("Middle"), QStringLiteral("Low")},
                        initial.power))
    , m_lock(choiceBox({QStringLiteral("Lock"), QStringLiteral("UnLock")}, initial.lock))
    , m_note(new QLabel(this)) {
    setWindowTitle(tr("Fill Channels"));
    m_first->setObjectName(QStringLiteral("first"));
    m_count->setObjectName(QStringLiteral("count"));
    m_start->setObjectName(QStringLiteral("start"));
    m_step->setObjectName(QStringLiteral("step"));
    m_offset->edit()->setObjectName(QStringLiteral("offset"));
    m_power->setObjectName(QStringLiteral("power"));
    m_first->setRange(1, channelCount);
    m_first->setValue(initial.first);
    m_count->setRange(1, channelCount);
    m_count->setValue(initial.count);
    if (initial.startUnits != 0)
        m_start->setText(QString::fromStdString(ChannelCodec::formatFrequency(initial.startUnits)));
    m_start->setPlaceholderText(tr("MHz, e.g. 446.00625"));
    m_step->setEditable(true);
    m_step->addItems({QStringLiteral("6.25"), QStringLiteral("12.5"), QStringLiteral("25")});
    m_step->setCurrentText(QString::number(initial.stepUnits / 100.0));
    m_step->setToolTip(tr("kHz; pick one or type another"));

    auto* form = new QFormLayout;
    form->addRow(tr("&First channel:"), m_first);
    form->addRow(tr("&Channels:"), m_count);
    form->addRow(tr("&Start frequency (MHz):"), m_start);
    form->addRow(tr("S&tep (kHz):"), m_step);
    form->addRow(tr("TX &offset:"), m_offset);
    form->addRow(tr("QT/DQT &Dec:"), m_dec);
    form->addRow(tr("QT/DQT &Enc:"), m_enc);
    form->addRow(tr("TX &Power:"), m_power);
    form->addRow(tr("CHN &Lock:"), m_lock);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_start, &QLineEdit::textChanged, this, &FillChannelsDialog::refresh);
    connect(m_step, &QComboBox::currentTextChanged, this, &FillChannelsDialog::refresh);
    connect(m_offset, &TxOffsetField::changed, this, &FillChannelsDialog::refresh);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_note);
    layout->addWidget(buttons);
    m_start->setFocus();
    refresh();
}

QComboBox* FillChannelsDialog::choiceBox(const QStringList& items, const std::string& current) {
    auto* box = new QComboBox(this);
    box->addItems(items);
    box->setCurrentIndex(std::max(0, box->findText(QString::fromStdString(current))));
    box->setMaxVisibleItems(16);
    return box;
}

std::optional<std::uint32_t> FillChannelsDialog::startUnits() const {
    const std::optional<DecimalNumber> mhz = StrictNumber::parse(m_start->text().toStdString());
    // Finer than 10 Hz cannot be stored; the fill's check refuses what is out of range.
    if (!mhz || !mhz->isWholeAt(5))
        return std::nullopt;
    const std::uint64_t units = mhz->scaled(5, DecimalNumber::Rounding::TowardZero);
    if (units > std::numeric_limits<std::uint32_t>::max())
        return std::nullopt;
    return static_cast<std::uint32_t>(units);
}

std::optional<std::uint32_t> FillChannelsDialog::stepUnits() const {
    const std::optional<TxOffset> step =
        TxOffset::parse(m_step->currentText().toStdString(), TxOffset::Unit::KHz);
    if (!step || step->kind() != TxOffset::Kind::Shift || step->units() < 0 ||
        m_step->currentText().trimmed().startsWith(QLatin1Char('+')))
        return std::nullopt;
    return static_cast<std::uint32_t>(step->units());
}

void FillChannelsDialog::refresh() {
    QString note;
    if (!startUnits())
        note = tr("Type the start frequency in MHz.");
    else if (!stepUnits())
        note = tr("The step is a number of kHz.");
    else if (!m_offset->isValid())
        note = tr("The TX offset is a number with an optional sign, or + or - alone for the band "
                  "plan's offset.");
    m_note->setText(note);
    m_ok->setEnabled(note.isEmpty());
}

ChannelFill FillChannelsDialog::fill() const {
    ChannelFill fill;
    fill.first = m_first->value();
    fill.count = m_count->value();
    fill.startUnits = startUnits().value_or(0);
    fill.stepUnits = stepUnits().value_or(0);
    fill.offset = m_offset->offset().value_or(TxOffset());
    fill.decTone = m_dec->currentText().toStdString();
    fill.encTone = m_enc->currentText().toStdString();
    fill.power = m_power->currentText().toStdString();
    fill.lock = m_lock->currentText().toStdString();
    return fill;
}

} // namespace tarn
