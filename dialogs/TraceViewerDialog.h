#pragma once

#include <QDialog>

#include <functional>

class QPlainTextEdit;
class QPushButton;

namespace tarn {

class Prompter;

// Help > Show Last Serial Trace: a trace as plain text, read-only, with Save As.
class TraceViewerDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr int TextId = 1;
    static constexpr int SaveAsId = 2;
    static constexpr int CloseId = 3;

    // askSavePath gives where Save As writes, empty when the user cancels.
    TraceViewerDialog(const QString& path, const QString& text, Prompter& prompter,
                      std::function<QString()> askSavePath, QWidget* parent);

    [[nodiscard]] QString text() const;

private:
    void saveAs();

    Prompter& m_prompter;
    std::function<QString()> m_askSavePath;
    QPlainTextEdit* m_text;
    QPushButton* m_saveAs;
    QPushButton* m_close;
};

} // namespace tarn
