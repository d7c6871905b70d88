#include "link/QtTransferUi.h"

#include "link/TransferProgressDialog.h"

#include <QCoreApplication>

#include <algorithm>

namespace tarn {

QtTransferUi::QtTransferUi(TransferProgressDialog& dialog, Prompter& prompter)
    : m_dialog(dialog)
    , m_prompter(prompter) {}

void QtTransferUi::setStatusText(const std::string& text) {
    m_dialog.setStatusText(QString::fromStdString(text));
}

void QtTransferUi::setProgressRange(int minimum, int maximum) {
    m_dialog.progressBar().setRange(minimum, maximum);
}

void QtTransferUi::setProgressPosition(int position) {
    m_dialog.progressBar().setValue(position);
}

int QtTransferUi::progressPosition() const {
    // A bar that was never moved reports minimum - 1; the window shows its minimum.
    const QProgressBar& bar = m_dialog.progressBar();
    return std::max(bar.value(), bar.minimum());
}

void QtTransferUi::stepProgress() {
    QProgressBar& bar = m_dialog.progressBar();
    bar.setValue(std::min(progressPosition() + 1, bar.maximum()));
}

void QtTransferUi::pump() {
    QCoreApplication::processEvents();
}

bool QtTransferUi::cancelRequested() const {
    return m_dialog.cancelRequested();
}

void QtTransferUi::closeWindow() {
    m_dialog.destroyWindow();
}

void QtTransferUi::conclude(const std::string& text) {
    m_dialog.conclude(QString::fromStdString(text));
}

} // namespace tarn
