#include "shell/ChannelListFiles.h"

#include "common/AppTitles.h"
#include "common/Prompter.h"
#include "data/ChannelCsvExport.h"
#include "data/ChannelCsvImport.h"
#include "data/ChannelDocument.h"
#include "data/CsvText.h"
#include "shell/ChannelListDialogs.h"

#include <QCoreApplication>

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
    if (name.isEmpty())
        return;
    const std::filesystem::path path = toPath(name);
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
    if (const auto list = ChannelCsvImport::read(text, count); !list.accepted()) {
        tell(refusal(path, list.problems()), true);
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
