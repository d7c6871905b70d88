#pragma once

#include <QByteArray>
#include <QDialog>
#include <QString>

#include <optional>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace tarn {

class Prompter;
class ShellDialogs;

// Help > Show Last Serial Trace: a trace file shown read-only as plain text, whatever it holds,
// with Save As for a copy of its bytes.
class TraceViewer : public QDialog {
    Q_OBJECT
public:
    // Larger files are not traces TARN wrote; they are refused rather than loaded whole.
    static constexpr qint64 MaxBytes = 16 * 1024 * 1024;

    // The bytes of a regular file of at most MaxBytes; empty, with why in error, otherwise.
    [[nodiscard]] static std::optional<QByteArray> load(const QString& path, QString& error);

    TraceViewer(const QString& path, const QByteArray& bytes, ShellDialogs& dialogs,
                Prompter& prompter, QWidget* parent = nullptr);

    [[nodiscard]] QPlainTextEdit& textView() const { return *m_text; }
    [[nodiscard]] QPushButton& saveAsButton() const { return *m_saveAs; }
    [[nodiscard]] const QString& path() const { return m_path; }
    // Asks for a file name and writes the trace's bytes there; false when cancelled or failed
    // (told).
    bool saveAs();

private:
    QString m_path;
    QByteArray m_bytes;
    ShellDialogs& m_dialogs;
    Prompter& m_prompter;
    QLabel* m_location = nullptr;
    QPlainTextEdit* m_text = nullptr;
    QPushButton* m_saveAs = nullptr;
};

} // namespace tarn
