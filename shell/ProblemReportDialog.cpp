#include "shell/ProblemReportDialog.h"

#include <QCheckBox>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarn {

ProblemReportDialog::ProblemReportDialog(ProblemReport report, QWidget* parent)
    : QDialog(parent)
    , m_report(std::move(report)) {
    setWindowTitle(tr("Report a Problem"));
    auto* note =
        new QLabel(tr("Copy this text into your report. Nothing is sent from here."), this);
    note->setWordWrap(true);
    m_text = new QPlainTextEdit(this);
    m_text->setReadOnly(true);
    m_text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_frequencies = new QCheckBox(tr("Include &frequencies in the last message"), this);
    connect(m_frequencies, &QCheckBox::toggled, this, &ProblemReportDialog::refresh);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    m_copy = buttons->addButton(tr("&Copy"), QDialogButtonBox::ActionRole);
    connect(m_copy, &QPushButton::clicked, this,
            [this] { QGuiApplication::clipboard()->setText(m_text->toPlainText()); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(note);
    layout->addWidget(m_text);
    layout->addWidget(m_frequencies);
    layout->addWidget(buttons);
    const QFontMetrics metrics(m_text->font());
    resize(metrics.horizontalAdvance(QLatin1Char('0')) * 84, metrics.lineSpacing() * 18);
    refresh();
}

void ProblemReportDialog::refresh() {
    m_text->setPlainText(m_report.text(m_frequencies->isChecked()));
}

} // namespace tarn
