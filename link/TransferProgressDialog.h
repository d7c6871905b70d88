#pragma once

#include "qtsupport/CoreMessages.h"

#include <QDialog>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include <functional>

namespace tarn {

// The modeless window from which a transfer is started, watched and cancelled. The object
// lives as long as its view; its window is opened by Read or Write and closed by every
// ending of a transfer but a confirmed write, which stays with Cancel turned into Close until
// the user closes it; each opening starts afresh.
class TransferProgressDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int TemplateId = 133;
    static constexpr int StartId = 1;
    static constexpr int CancelId = 2;
    static constexpr int ProgressBarId = 1003;
    static constexpr int ProgressLabelId = 1004;
    static constexpr int StatusId = 1005;
    static constexpr int NoteId = 1006;
    static constexpr const char* StartText =
        QT_TRANSLATE_NOOP("tarn::TransferProgressDialog", "Start");
    static constexpr const char* CancelText =
        QT_TRANSLATE_NOOP("tarn::TransferProgressDialog", "Cancel");
    static constexpr const char* ProgressText =
        QT_TRANSLATE_NOOP("tarn::TransferProgressDialog", "Progress\xEF\xBC\x9A");
    static constexpr const char* CloseText =
        QT_TRANSLATE_NOOP("tarn::TransferProgressDialog", "Close");
    static constexpr const char* NotStartedText =
        QT_TRANSLATE_NOOP("tarn::TransferProgressDialog", "   Not start yet");

    // startRequest runs as a queued call in owner's thread when the user presses Start;
    // it is dropped if the owner is gone by then.
    TransferProgressDialog(QWidget* owner, std::function<void()> startRequest);

    void setCaption(const QString& caption) { m_caption = caption; }
    [[nodiscard]] const QString& caption() const { return m_caption; }

    // Opens the window modeless, centred over `over`; a fresh window each time.
    void openWindow(const QWidget* over);
    void destroyWindow();
    [[nodiscard]] bool hasWindow() const { return m_hasWindow; }
    // The transfer has ended well: the status line keeps its confirmation, Cancel reads Close,
    // and the window stays until the user closes it.
    void showFinished();
    [[nodiscard]] bool isFinished() const { return m_finished; }

    [[nodiscard]] bool cancelRequested() const { return m_cancel != 0; }
    // Cancel as the user would press it: close when idle, flag a running transfer.
    void onCancel();
    // Start as the user would press it.
    void onOk();

    // The core's status texts show in the interface language.
    void setStatusText(const QString& text) { m_status.setText(CoreMessages::translated(text)); }
    // A line under the buttons, e.g. that a close waits for the transfer; empty hides it.
    void setNote(const QString& text);
    [[nodiscard]] QString note() const { return m_note.text(); }
    [[nodiscard]] QString statusText() const { return m_status.text(); }
    [[nodiscard]] QProgressBar& progressBar() { return m_bar; }
    [[nodiscard]] const QProgressBar& progressBar() const { return m_bar; }
    [[nodiscard]] QPushButton& startButton() { return m_start; }
    [[nodiscard]] QPushButton& cancelButton() { return m_cancelButton; }

    void accept() override;
    void reject() override;

signals:
    // Cancel was pressed while a transfer runs.
    void cancelPressed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void onInitDialog();
    void placeControls();
    void centreOver(const QWidget* over);

    QWidget* m_owner;
    std::function<void()> m_startRequest;
    int m_cancel = 0;
    QString m_caption;
    bool m_hasWindow = false;
    bool m_finished = false;
    QPushButton m_start;
    QPushButton m_cancelButton;
    QProgressBar m_bar;
    QLabel m_progressLabel;
    QLabel m_status;
    QLabel m_note;
};

} // namespace tarn
