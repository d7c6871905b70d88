#include "dialogs/ImportChannelsDialog.h"

#include "qtsupport/CoreMessages.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace tarn {

ImportChannelsDialog::ImportChannelsDialog(std::string listText, int channelCount,
                                           const QString& fileName, QWidget* parent)
    : QDialog(parent)
    , m_text(std::move(listText))
    , m_channelCount(channelCount)
    , m_list(ChannelCsvImport::read(m_text, channelCount))
    , m_fileLabel(new QLabel(tr("Channel list: %1").arg(fileName), this))
    , m_firstLabel(new QLabel(tr("&First channel:"), this))
    , m_first(new QSpinBox(this))
    , m_replace(new QCheckBox(tr("&Empty every channel the list does not name"), this))
    , m_report(new QPlainTextEdit(this))
    , m_ok(new QPushButton(tr("OK"), this))
    , m_cancel(new QPushButton(tr("Cancel"), this)) {
    setWindowTitle(tr("Import Channels"));
    createControls(channelCount);
    refresh();
    // Enter applies at once; the options are a choice, not a step.
    m_ok->setFocus();
    connect(m_first, &QSpinBox::valueChanged, this, [this] { refresh(); });
    connect(m_replace, &QCheckBox::toggled, this, [this] { refresh(); });
}

void ImportChannelsDialog::createControls(int channelCount) {
    // 0 keeps the list's own numbering.
    m_first->setRange(0, channelCount);
    m_first->setSpecialValueText(tr("As the list numbers them"));
    m_first->setProperty("controlId", FirstChannelId);
    m_first->setMinimumWidth(fontMetrics().horizontalAdvance(m_first->specialValueText()) +
                             fontMetrics().averageCharWidth() * 8);
    m_firstLabel->setBuddy(m_first);
    m_replace->setProperty("controlId", ReplaceId);
    m_report->setReadOnly(true);
    m_report->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff); // lines wrap
    m_report->setProperty("controlId", ReportId);
    m_report->setMinimumSize(fontMetrics().averageCharWidth() * 72, fontMetrics().height() * 14);
    m_ok->setProperty("controlId", 1);
    m_ok->setDefault(true);
    m_cancel->setProperty("controlId", 2);
    connect(m_ok, &QPushButton::clicked, this, &ImportChannelsDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &ImportChannelsDialog::reject);

    auto* options = new QGridLayout;
    options->addWidget(m_firstLabel, 0, 0);
    options->addWidget(m_first, 0, 1);
    options->addWidget(m_replace, 1, 0, 1, 2);
    options->setColumnStretch(2, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_fileLabel);
    layout->addLayout(options);
    layout->addWidget(m_report, 1);
    layout->addLayout(buttons);
}

ChannelCsvOptions ImportChannelsDialog::options() const {
    return {m_replace->isChecked(), m_first->value()};
}

void ImportChannelsDialog::refresh() {
    m_list = ChannelCsvImport::read(m_text, m_channelCount, options());
    const auto& lines = m_list.accepted() ? m_list.report().lines() : m_list.problems();
    QStringList text;
    if (!m_list.accepted())
        text << tr("The list cannot be imported:");
    for (const std::string& line : lines)
        text << CoreMessages::translated(line);
    m_report->setPlainText(text.join(QLatin1Char('\n')));
    m_ok->setEnabled(m_list.accepted());
}

} // namespace tarn
