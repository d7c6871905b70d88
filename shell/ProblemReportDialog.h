#pragma once

#include "shell/ProblemReport.h"

#include <QDialog>

class QCheckBox;
class QPlainTextEdit;
class QPushButton;

namespace tarn {

// Help > Report a Problem: the report as read-only text, ready to copy into a mail or an issue.
// Frequencies in the last message stay out until the user ticks the box.
class ProblemReportDialog : public QDialog {
    Q_OBJECT
public:
    explicit ProblemReportDialog(ProblemReport report, QWidget* parent = nullptr);

    [[nodiscard]] QPlainTextEdit& textView() const { return *m_text; }
    [[nodiscard]] QCheckBox& frequenciesBox() const { return *m_frequencies; }
    [[nodiscard]] QPushButton& copyButton() const { return *m_copy; }

private:
    void refresh();

    ProblemReport m_report;
    QPlainTextEdit* m_text = nullptr;
    QCheckBox* m_frequencies = nullptr;
    QPushButton* m_copy = nullptr;
};

} // namespace tarn
