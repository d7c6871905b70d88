#include "shell/ChannelListFiles.h"

#include "common/AppTitles.h"
#include "common/Prompter.h"
#include "data/ChannelCsvExport.h"
#include "data/ChannelCsvImport.h"
#include "data/ChannelDocument.h"
#include "data/CsvText.h"
#include "data/StockChannelLists.h"
#include "shell/ChannelListDialogs.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace tarn {

namespace {

std::filesystem::path toPath(const QString& name) {
    return std::filesystem::path(name.toStdU16String());
}

// A message in the interface language, with its value in place of %1.
std::string translated(const char* text, const std::string& value = {}) {
    QString message = QCoreApplication::translate("tarn::ChannelListFiles", text);
    if (message.contains(QLatin1String("%1")))
        message = message.arg(QString::fromStdString(value));
    return message.toStdString();
}

// The core's refusal, its own lines in the interface language.
std::string refusal(const std::filesystem::path& path, const std::vector<std::string>& problems) {
    std::string text = translated(
        QT_TRANSLATE_NOOP("tarn::ChannelListFiles", "Could not import \"%1\":"), path.string());
    const auto listed = std::min(problems.size(), ChannelCsvImport::ListedProblems);
    for (std::size_t i = 0; i < listed; ++i)
        text += "\n" + problems[i];
    if (problems.size() > listed)
        text += "\n" + translated(QT_TRANSLATE_NOOP("tarn::ChannelListFiles", "and %1 more."),
                                  std::to_string(problems.size() - listed));
    return text + "\n" +
           translated(QT_TRANSLATE_NOOP("tarn::ChannelListFiles", "Nothing has been changed."));
}

} // namespace

ChannelListFiles::ChannelListFiles(Prompter& prompter, ChannelListDialogs& dialogs)
    : m_prompter(prompter)
    , m_dialogs(dialogs) {}

void ChannelListFiles::importInto(ChannelDocument& document, QWidget* parent) {
    // A value still being typed would otherwise be stored over the imported channel later.
    if (!document.storePendingEdits())
        return;
    const QString name = m_dialogs.importFileName(parent);
    if (!name.isEmpty())
        importFile(document, toPath(name), parent, false);
}

std::filesystem::path ChannelListFiles::stockFolder() {
    const QString beside =
        QCoreApplication::applicationDirPath() + QStringLiteral("/../share/tarn/channel-lists");
    if (QFileInfo(beside).isDir())
        return toPath(QFileInfo(beside).canonicalFilePath());
    // Installed elsewhere: the usual data folders.
    const QString found = QStandardPaths::locate(QStandardPaths::GenericDataLocation,
                                                 QStringLiteral("tarn/channel-lists"),
                                                 QStandardPaths::LocateDirectory);
    return toPath(found.isEmpty() ? beside : found);
}

void ChannelListFiles::importStock(ChannelDocument& document, int index, QWidget* parent) {
    if (index < 0 || index >= static_cast<int>(StockChannelLists.size()) ||
        !document.storePendingEdits())
        return;
    importFile(document, stockFolder() / StockChannelLists[static_cast<std::size_t>(index)].file,
               parent, true);
}

void ChannelListFiles::importFile(ChannelDocument& document, const std::filesystem::path& path,
                                  QWidget* parent, bool whole) {
    std::string text;
    try {
        text = CsvText::readFile(path);
    } catch (const CsvFileError& error) {
        tell(translated(QT_TRANSLATE_NOOP("tarn::ChannelListFiles", "Could not import %1."),
                        error.what()),
             true);
        return;
    }
    const int count = document.channelCount();
    const auto checked = ChannelCsvImport::read(text, count);
    if (!checked.accepted()) {
        tell(refusal(path, checked.problems()), true);
        return;
    }
    // A ready-made list the radio cannot hold whole is no use, wherever it would start.
    const std::size_t listed = checked.report().placed.size() + checked.report().leftOut.size();
    if (whole && listed > static_cast<std::size_t>(count)) {
        QString tooMany = QCoreApplication::translate(
            "tarn::ChannelListFiles", "The list holds %1 channels; the radio has %2.");
        tell(refusal(path, {tooMany.arg(listed).arg(count).toStdString()}), true);
        return;
    }
    const auto options = m_dialogs.confirmImport(
        parent, text, count, QString::fromStdU16String(path.filename().u16string()));
    if (!options)
        return;
    const auto list = ChannelCsvImport::read(text, count, *options);
    if (list.accepted())
        document.importChannels(list);
}

void ChannelListFiles::exportFrom(ChannelDocument& document, const QString& suggestedName,
                                  QWidget* parent) {
    if (!document.storePendingEdits())
        return;
    const QString name = m_dialogs.exportFileName(parent, suggestedName);
    if (name.isEmpty())
        return;
    std::filesystem::path path = toPath(name);
    if (!path.has_extension())
        path += ".csv";
    const auto result = ChannelCsvExport::write(document.currentImage(), document.channelCount());
    try {
        CsvText::writeFile(path, result.text);
    } catch (const CsvFileError& error) {
        tell(translated(QT_TRANSLATE_NOOP("tarn::ChannelListFiles", "Could not export %1."),
                        error.what()),
             true);
        return;
    }
    if (result.leftOut.empty())
        return;
    std::string text;
    for (const std::string& line : result.reportLines())
        text += (text.empty() ? "" : "\n") + line;
    tell(text, false);
}

void ChannelListFiles::tell(const std::string& text, bool warning) {
    (void)m_prompter.ask({text, AppTitles::AppName, PromptButtons::Ok,
                          warning ? PromptIcon::Warning : PromptIcon::Information});
}

} // namespace tarn
