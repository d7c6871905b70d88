#include "shell/TraceViewer.h"

#include "common/AppTitles.h"
#include "common/Prompter.h"
#include "data/AtomicFile.h"
#include "shell/ShellDialogs.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <filesystem>
#include <span>

namespace tarn {

std::optional<QByteArray> TraceViewer::load(const QString& path, QString& error) {
    const QFileInfo info(path);
    // A FIFO or a device would block the program or never end.
    if (!info.isFile()) {
        error = tr("%1 is not a regular file.").arg(QDir::toNativeSeparators(path));
        return std::nullopt;
    }
    if (info.size() > MaxBytes) {
        error = tr("%1 is larger than %2 MiB.")
                    .arg(QDir::toNativeSeparators(path))
                    .arg(MaxBytes / (1024 * 1024));
        return std::nullopt;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = file.errorString();
        return std::nullopt;
    }
    QByteArray bytes = file.read(MaxBytes + 1);
    if (bytes.size() > MaxBytes) {
        error = tr("%1 is larger than %2 MiB.")
                    .arg(QDir::toNativeSeparators(path))
                    .arg(MaxBytes / (1024 * 1024));
        return std::nullopt;
    }
    return bytes;
}

TraceViewer::TraceViewer(const QString& path, const QByteArray& bytes, ShellDialogs& dialogs,
                         Prompter& prompter, QWidget* parent)
    : QDialog(parent)
    , m_path(path)
    , m_bytes(bytes)
    , m_dialogs(dialogs)
    , m_prompter(prompter) {
    setWindowTitle(tr("Last Serial Trace"));
    m_location = new QLabel(QDir::toNativeSeparators(path), this);
    m_location->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_text = new QPlainTextEdit(this);
    m_text->setReadOnly(true);
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    // Wider than "from-radio", so the time, direction and bytes line up in columns.
    m_text->setTabStopDistance(m_text->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 13);
    // Shown as text, nothing more: a hand-edited file is not interpreted.
    m_text->setPlainText(QString::fromUtf8(bytes));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    m_saveAs = buttons->addButton(tr("Save &As..."), QDialogButtonBox::ActionRole);
    connect(m_saveAs, &QPushButton::clicked, this, [this] { (void)saveAs(); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_location);
    layout->addWidget(m_text);
    layout->addWidget(buttons);
    const int lineWidth = m_text->fontMetrics().horizontalAdvance(QLatin1Char('0'));
    resize(lineWidth * 96, m_text->fontMetrics().lineSpacing() * 32);
}

bool TraceViewer::saveAs() {
    const QString name = m_dialogs.saveFileName(this, QFileInfo(m_path).fileName(),
                                                tr("Serial traces (*.trace);;All files (*)"),
                                                QStringLiteral("trace"));
    if (name.isEmpty())
        return false;
    const std::span<const std::uint8_t> bytes{
        reinterpret_cast<const std::uint8_t*>(m_bytes.constData()),
        static_cast<std::size_t>(m_bytes.size())};
    const auto error = AtomicFile::replace(std::filesystem::path(name.toStdU16String()), bytes);
    if (!error)
        return true;
    const QString text = tr("Could not save the serial trace as %1: %2")
                             .arg(QDir::toNativeSeparators(name), QString::fromStdString(*error));
    (void)m_prompter.ask(
        Prompt{text.toStdString(), AppTitles::AppName, PromptButtons::Ok, PromptIcon::Warning});
    return false;
}

} // namespace tarn
