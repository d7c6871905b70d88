#include "shell/TarnDocument.h"

#include "view/ChannelTableModel.h"

#include "common/AppTitles.h"
#include "common/Prompter.h"
#include "common/Translate.h"
#include "data/SinFile.h"
#include "qtsupport/CommandIds.h"
#include "qtsupport/CoreMessages.h"
#include "shell/DocumentHost.h"

namespace tarn {

TarnDocument::TarnDocument(DocumentHost& host, Prompter& prompter)
    : m_host(host)
    , m_prompter(prompter) {}

TarnDocument::~TarnDocument() = default;

ChannelTableModel& TarnDocument::channelModel() {
    if (!m_channelModel)
        m_channelModel = std::make_unique<ChannelTableModel>(*this);
    return *m_channelModel;
}

bool TarnDocument::newDocument() {
    initNew();
    setModified(false);
    return true;
}

std::optional<SinSize> TarnDocument::askSizeRule(Prompter& prompter,
                                                 const std::filesystem::path& path) {
    const std::uintmax_t size = SinFile::regularFileSize(path);
    // A shorter file fails as it always did; a trailer after the image is taken on purpose.
    if (size <= RadioImage::Size)
        return SinSize::Exact;
    const Prompt question{SinFile::firstBytesQuestion(path.filename().string(), size),
                          AppTitles::AppName, PromptButtons::YesNo, PromptIcon::Question,
                          PromptAnswer::No};
    if (prompter.ask(question) != PromptAnswer::Yes)
        return std::nullopt;
    return SinSize::FirstOfLarger;
}

TarnDocument::OpenResult TarnDocument::load(const std::filesystem::path& path) {
    try {
        const std::optional<SinSize> rule = askSizeRule(m_prompter, path);
        if (!rule)
            return OpenResult::Cancelled;
        loadFile(path, *rule);
        return OpenResult::Opened;
    } catch (const SinFileError& error) {
        const std::string text = tr("Could not open %1.")
                                     .arg(CoreMessages::translated(std::string_view(error.what())))
                                     .toStdString();
        (void)m_prompter.ask({text, AppTitles::AppName, PromptButtons::Ok, PromptIcon::Warning});
        return OpenResult::Failed;
    }
}

bool TarnDocument::openCopy(const std::filesystem::path& path) {
    if (load(path) != OpenResult::Opened)
        return false;
    setModified(false);
    return true;
}

TarnDocument::OpenResult TarnDocument::openDocument(const std::filesystem::path& path) {
    if (const OpenResult loaded = load(path); loaded != OpenResult::Opened)
        return loaded;
    if (m_prompter.ask(ChannelDocument::rewriteQuestion()) != PromptAnswer::Ok)
        return OpenResult::Cancelled;
    setPath(path);
    setModified(false);
    return OpenResult::Opened;
}

bool TarnDocument::saveDocument(const std::filesystem::path& path) {
    try {
        storeFile(path);
    } catch (const SinFileError& error) {
        const std::string text = tr("Could not save %1.\nThe file on disk has not been changed.")
                                     .arg(CoreMessages::translated(std::string_view(error.what())))
                                     .toStdString();
        (void)m_prompter.ask({text, AppTitles::AppName, PromptButtons::Ok, PromptIcon::Warning});
        return false;
    }
    setPath(path);
    markSaved();
    setModified(false);
    return true;
}

void TarnDocument::setPath(const std::filesystem::path& path) {
    m_path = path;
    setTitle(QString::fromStdU16String(path.filename().u16string()));
}

void TarnDocument::setTitle(const QString& title) {
    if (title == m_title)
        return;
    m_title = title;
    emit titleChanged(m_title);
}

void TarnDocument::setModified(bool modified) {
    const bool changed = modified != isModified();
    ChannelDocument::setModified(modified);
    if (changed)
        emit modifiedChanged(modified);
}

bool TarnDocument::handlesCommand(int id) const {
    return id == cmd::FileClose || id == cmd::FileSave || id == cmd::FileSaveAs ||
           id == cmd::FileImportChannels || id == cmd::FileExportChannels ||
           (id >= cmd::ChannelList1 && id < cmd::ChannelList1 + cmd::ChannelListCount);
}

void TarnDocument::updateCommand(int id, CommandState& state) {
    state.enabled = !cmd::changesDocument(id) || !isTransferring();
}

void TarnDocument::runCommand(int id) {
    if (id == cmd::FileClose)
        m_host.closeDocument(*this);
    else if (id == cmd::FileSave)
        (void)m_host.saveDocument(*this, m_path.empty());
    else if (id == cmd::FileSaveAs)
        (void)m_host.saveDocument(*this, true);
    else if (id == cmd::FileImportChannels)
        m_host.importChannels(*this);
    else if (id == cmd::FileExportChannels)
        m_host.exportChannels(*this);
    else if (id >= cmd::ChannelList1 && id < cmd::ChannelList1 + cmd::ChannelListCount)
        m_host.importStockList(*this, id - cmd::ChannelList1);
}

} // namespace tarn
