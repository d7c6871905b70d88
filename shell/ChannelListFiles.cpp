#include "shell/ChannelListFiles.h"

#include "common/AppTitles.h"
#include "common/Prompter.h"
#include "data/ChannelCsvExport.h"
#include "data/ChannelCsvImport.h"
#include "data/ChannelDocument.h"
#include "data/CsvText.h"
#include "shell/ChannelListDialogs.h"

#include <filesystem>

namespace tarn {

namespace {

std::filesystem::path toPath(const QString& name) {
    return std::filesystem::path(name.toStdU16String());
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
        tell(std::string("Could not import ") + error.what() + ".", true);
        return;
    }
    const int count = document.channelCount();
    if (const auto list = ChannelCsvImport::read(text, count); !list.accepted()) {
        tell(ChannelCsvImport::refusal(path.string(), list.problems()), true);
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
        tell(std::string("Could not export ") + error.what() + ".", true);
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
