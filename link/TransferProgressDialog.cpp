#include "link/TransferProgressDialog.h"

#include "qtsupport/DialogUnits.h"

#include <QCloseEvent>
#include <QMetaObject>

namespace tarn {

namespace {

constexpr const char* ControlIdProperty = "controlId";

QFont templateFont() {
    QFont font(QStringLiteral("Times New Roman"), 10);
    font.setStyleHint(QFont::Serif);
    return font;
}

} // namespace

TransferProgressDialog::TransferProgressDialog(QWidget* owner, std::function<void()> startRequest)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
    , m_owner(owner)
    , m_startRequest(std::move(startRequest))
    , m_start(this)
    , m_cancelButton(this)
    , m_bar(this)
    , m_progressLabel(this)
    , m_status(this)
    , m_note(this) {
    setModal(false);
    setFont(templateFont());
    setProperty("templateId", TemplateId);
    m_start.setProperty(ControlIdProperty, StartId);
    m_cancelButton.setProperty(ControlIdProperty, CancelId);
    m_bar.setProperty(ControlIdProperty, ProgressBarId);
    m_progressLabel.setProperty(ControlIdProperty, ProgressLabelId);
    m_status.setProperty(ControlIdProperty, StatusId);
    m_note.setProperty(ControlIdProperty, NoteId);
    m_note.hide();
    m_start.setDefault(true);
    m_start.setAutoDefault(true);
    m_cancelButton.setAutoDefault(false);
    // A smooth bar: no percentage text, just the filled part.
    m_bar.setTextVisible(false);
    placeControls();
    connect(&m_start, &QPushButton::clicked, this, &TransferProgressDialog::onOk);
    connect(&m_cancelButton, &QPushButton::clicked, this, &TransferProgressDialog::onCancel);
}

void TransferProgressDialog::placeControls() {
    const DialogUnits units(font());
    setFixedSize(units.size(242, m_note.isHidden() ? 65 : 79));
    m_note.setGeometry(units.rect(10, 63, 222, 10));
    m_progressLabel.setGeometry(units.rect(10, 12, 36, 10));
    m_bar.setGeometry(units.rect(48, 10, 184, 12));
    m_status.setGeometry(units.rect(10, 28, 222, 10));
    m_start.setGeometry(units.rect(60, 44, 50, 14));
    m_cancelButton.setGeometry(units.rect(132, 44, 50, 14));
}

void TransferProgressDialog::openWindow(const QWidget* over) {
    onInitDialog();
    m_hasWindow = true;
    centreOver(over);
    show();
    raise();
    activateWindow();
}

void TransferProgressDialog::onInitDialog() {
    m_bar.setRange(0, 16);
    m_bar.setValue(0);
    m_cancel = 0;
    m_finished = false;
    m_start.setEnabled(true);
    m_start.setDefault(true);
    m_cancelButton.setDefault(false);
    // A fresh window each time, so a language chosen since shows in it.
    m_start.setText(tr(StartText));
    m_cancelButton.setText(tr(CancelText));
    m_progressLabel.setText(tr(ProgressText));
    m_status.setText(tr(NotStartedText));
    setNote({});
    setWindowTitle(m_caption);
}

void TransferProgressDialog::setNote(const QString& text) {
    m_note.setText(text);
    m_note.setHidden(text.isEmpty());
    placeControls();
}

void TransferProgressDialog::centreOver(const QWidget* over) {
    if (!over)
        return;
    const QPoint centre = over->mapToGlobal(over->rect().center());
    move(centre - QPoint(width() / 2, height() / 2));
}

void TransferProgressDialog::destroyWindow() {
    m_hasWindow = false;
    m_finished = false;
    hide();
}

void TransferProgressDialog::showFinished() {
    if (!m_hasWindow)
        return;
    m_finished = true;
    m_start.setEnabled(false);
    m_cancelButton.setText(tr(CloseText));
    // Enter closes it as Esc does.
    m_cancelButton.setDefault(true);
    setNote({});
}

void TransferProgressDialog::onOk() {
    if (!m_hasWindow || !m_start.isEnabled())
        return;
    m_start.setEnabled(false);
    if (m_startRequest)
        QMetaObject::invokeMethod(m_owner, m_startRequest, Qt::QueuedConnection);
}

void TransferProgressDialog::onCancel() {
    if (!m_hasWindow)
        return;
    if (m_start.isEnabled() || m_finished)
        destroyWindow();
    else if (m_cancel == 0) {
        m_cancel = 1;
        emit cancelPressed();
    }
}

void TransferProgressDialog::accept() {
    onOk();
}

void TransferProgressDialog::reject() {
    onCancel();
}

void TransferProgressDialog::closeEvent(QCloseEvent* event) {
    // The close box is Cancel; the window itself goes only when Cancel says so.
    onCancel();
    if (m_hasWindow)
        event->ignore();
    else
        event->accept();
}

} // namespace tarn
