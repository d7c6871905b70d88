#include "dialogs/ProblemReportDialog.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarn {

ProblemReportDialog::ProblemReportDialog(Compose compose, QWidget* parent)
    : QDialog(parent)
    , m_compose(std::move(compose))
    , m_text(new QPlainTextEdit(this))
    , m_frequencies(
          new QCheckBox(tr("Include the channel &frequencies of the active document"), this))
    , m_copy(new QPushButton(tr("&Copy"), this))
    , m_close(new QPushButton(tr("Close"), this)) {
    setWindowTitle(tr("Report a Problem"));
    m_text->setProperty("controlId", TextId);
    m_frequencies->setProperty("controlId", FrequenciesId);
    m_copy->setProperty("controlId", CopyId);
    m_close->setProperty("controlId", CloseId);
    auto* intro =
        new QLabel(tr("Copy this text into your report. Nothing is sent: the text below is "
                      "all there is."),
                   this);
    intro->setWordWrap(true);
    m_text->setReadOnly(true);
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_copy);
    buttons->addStretch();
    buttons->addWidget(m_close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(m_text);
    layout->addWidget(m_frequencies);
    layout->addLayout(buttons);
    resize(640, 420);
    m_copy->setDefault(true);

    connect(m_frequencies, &QCheckBox::toggled, this, &ProblemReportDialog::recompose);
    connect(m_copy, &QPushButton::clicked, this, &ProblemReportDialog::copy);
    connect(m_close, &QPushButton::clicked, this, &ProblemReportDialog::reject);
    recompose();
}

QString ProblemReportDialog::text() const {
    return m_text->toPlainText();
}

void ProblemReportDialog::recompose() {
    m_text->setPlainText(m_compose ? m_compose(m_frequencies->isChecked()) : QString());
}

void ProblemReportDialog::copy() {
    QGuiApplication::clipboard()->setText(m_text->toPlainText());
}

} // namespace tarn
