#pragma once

#include <QDialog>

#include <functional>

class QCheckBox;
class QPlainTextEdit;
class QPushButton;

namespace tarn {

// Help > Report a Problem...: a text to copy into a report, composed anew when the user
// chooses whether the channel frequencies go with it. Nothing is sent anywhere.
class ProblemReportDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr int TextId = 1;
    static constexpr int FrequenciesId = 2;
    static constexpr int CopyId = 3;
    static constexpr int CloseId = 4;

    using Compose = std::function<QString(bool withFrequencies)>;

    ProblemReportDialog(Compose compose, QWidget* parent);

    [[nodiscard]] QString text() const;

private:
    void recompose();
    void copy();

    Compose m_compose;
    QPlainTextEdit* m_text;
    QCheckBox* m_frequencies;
    QPushButton* m_copy;
    QPushButton* m_close;
};

} // namespace tarn
