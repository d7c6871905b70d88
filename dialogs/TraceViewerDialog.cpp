#include "dialogs/TraceViewerDialog.h"

#include "common/AppTitles.h"
#include "common/Prompter.h"
#include "data/TraceStore.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarn {

TraceViewerDialog::TraceViewerDialog(const QString& path, const QString& text, Prompter& prompter,
                                     std::function<QString()> askSavePath, QWidget* parent)
    : QDialog(parent)
    , m_prompter(prompter)
    , m_askSavePath(std::move(askSavePath))
    , m_text(new QPlainTextEdit(this))
    , m_saveAs(new QPushButton(tr("Save &As..."), this))
    , m_close(new QPushButton(tr("Close"), this)) {
    setWindowTitle(tr("Last Serial Trace"));
    m_text->setProperty("controlId", TextId);
    m_saveAs->setProperty("controlId", SaveAsId);
    m_close->setProperty("controlId", CloseId);
    auto* where = new QLabel(path, this);
    where->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_text->setReadOnly(true);
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_text->setPlainText(text);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_saveAs);
    buttons->addStretch();
    buttons->addWidget(m_close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(where);
    layout->addWidget(m_text);
    layout->addLayout(buttons);
    resize(760, 480);
    m_close->setDefault(true);

    connect(m_saveAs, &QPushButton::clicked, this, &TraceViewerDialog::saveAs);
    connect(m_close, &QPushButton::clicked, this, &TraceViewerDialog::reject);
}

QString TraceViewerDialog::text() const {
    return m_text->toPlainText();
}

void TraceViewerDialog::saveAs() {
    const QString path = m_askSavePath ? m_askSavePath() : QString();
    if (path.isEmpty())
        return;
    try {
        TraceStore::writeTo(path.toStdString(), m_text->toPlainText().toStdString());
    } catch (const TraceError& error) {
        (void)m_prompter.ask(Prompt{std::string("Could not save the trace: ") + error.what(),
                                    AppTitles::AppName, PromptButtons::Ok, PromptIcon::Warning});
    }
}

} // namespace tarn
