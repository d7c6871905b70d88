#include "shell/DocumentManager.h"

#include "common/AppTitles.h"
#include "common/Prompter.h"
#include "data/RowDump.h"
#include "link/RadioLink.h"
#include "shell/BackgroundWorkArea.h"
#include "shell/DocTemplate.h"
#include "shell/DocumentWindow.h"
#include "shell/MainWindow.h"
#include "shell/RecentFileList.h"
#include "shell/ShellDialogs.h"
#include "view/ChannelView.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace tarn {

namespace {

std::filesystem::path toPath(const QString& path) {
    return std::filesystem::path(path.toStdU16String());
}

QString toQString(const std::filesystem::path& path) {
    return QString::fromStdU16String(path.u16string());
}

bool sameFile(const std::filesystem::path& a, const std::filesystem::path& b) {
    std::error_code error;
    return !a.empty() && !b.empty() && std::filesystem::equivalent(a, b, error);
}

} // namespace

DocumentManager::DocumentManager(const Services& services)
    : m_services(services)
    , m_channelLists(services.prompter, services.dialogs) {}

std::shared_ptr<TarnDocument> DocumentManager::makeDocument() {
    auto document = std::make_shared<TarnDocument>(*this, m_services.prompter);
    document->setDumpDirectory(m_dumpDirectory);
    return document;
}

DocumentWindow* DocumentManager::newDocument() {
    auto document = makeDocument();
    if (!document->newDocument())
        return nullptr;
    document->setTitle(m_services.docTemplate.nextUntitledTitle());
    return createFrame(std::move(document));
}

TarnDocument::OpenResult DocumentManager::openDocument(const std::filesystem::path& path) {
    for (const auto& document : documents()) {
        if (sameFile(document->path(), path)) {
            m_services.mainFrame.mdiClient().setActiveSubWindow(framesOf(*document).front());
            return TarnDocument::OpenResult::Opened;
        }
    }
    auto document = makeDocument();
    std::error_code error;
    std::filesystem::path absolute = std::filesystem::absolute(path, error);
    if (error)
        absolute = path;
    const auto result = document->openDocument(absolute);
    if (result != TarnDocument::OpenResult::Opened)
        return result;
    rememberRecent(document->path());
    createFrame(std::move(document));
    return result;
}

DocumentWindow* DocumentManager::openUntitled(const std::filesystem::path& path) {
    auto document = makeDocument();
    if (!document->openCopy(path))
        return nullptr;
    document->setTitle(m_services.docTemplate.nextUntitledTitle());
    return createFrame(std::move(document));
}

DocumentWindow* DocumentManager::newWindow(DocumentWindow& frame) {
    return createFrame(frame.sharedDocument());
}

DocumentWindow* DocumentManager::createFrame(std::shared_ptr<TarnDocument> document) {
    MainWindow& main = m_services.mainFrame;
    auto* frame =
        new DocumentWindow(std::move(document), m_services.tones, m_services.prompter,
                           m_services.dialogs, *this, m_services.printing, &main.mdiClient());
    frame->setStyle(&m_frameStyle);
    main.addChildFrame(frame);
    frame->initialUpdate();
    frame->show();
    main.mdiClient().setActiveSubWindow(frame);
    renumberWindows();
    main.refreshCommands();
    return frame;
}

std::vector<std::shared_ptr<TarnDocument>> DocumentManager::documents() const {
    std::vector<std::shared_ptr<TarnDocument>> result;
    for (DocumentWindow* frame : m_services.mainFrame.childFrames()) {
        const auto& document = frame->sharedDocument();
        if (std::find(result.begin(), result.end(), document) == result.end())
            result.push_back(document);
    }
    return result;
}

std::vector<DocumentWindow*> DocumentManager::framesOf(const TarnDocument& document) const {
    std::vector<DocumentWindow*> frames;
    for (DocumentWindow* frame : m_services.mainFrame.childFrames()) {
        if (&frame->document() == &document)
            frames.push_back(frame);
    }
    return frames;
}

std::filesystem::path DocumentManager::askSavePath(const TarnDocument& document) {
    const QString extension = m_services.docTemplate.field(DocTemplate::FilterExt);
    QString suggested =
        document.path().empty() ? document.title() + extension : toQString(document.path());
    const QString chosen = m_services.dialogs.saveFileName(
        &m_services.mainFrame, suggested, m_services.docTemplate.fileFilter(), extension.mid(1));
    if (chosen.isEmpty())
        return {};
    // A name without an extension gets the document type's own.
    if (QFileInfo(chosen).suffix().isEmpty())
        return toPath(chosen + extension);
    return toPath(chosen);
}

bool DocumentManager::saveDocument(TarnDocument& document, bool askForName) {
    // What is being typed in any window of the document belongs in the file; a value refused
    // on the way stops the save before anything is asked or written.
    if (!document.storePendingEdits())
        return false;
    std::filesystem::path path = document.path();
    if (askForName || path.empty()) {
        path = askSavePath(document);
        if (path.empty())
            return false;
    }
    // The sheet is the working copy: bring it into the image before the file is written.
    document.parseSheet();
    if (!document.saveDocument(path))
        return false;
    if (!document.writeRowDump())
        reportDumpFailure();
    rememberRecent(document.path());
    return true;
}

void DocumentManager::importChannels(TarnDocument& document) {
    m_channelLists.importInto(document, &m_services.mainFrame);
}

void DocumentManager::importStockList(TarnDocument& document, int index) {
    m_channelLists.importStock(document, index, &m_services.mainFrame);
}

void DocumentManager::exportChannels(TarnDocument& document) {
    // Beside the document's own file, named after it.
    std::filesystem::path suggested = document.path();
    suggested.replace_extension(".csv");
    m_channelLists.exportFrom(document,
                              document.path().empty() ? document.title() + QStringLiteral(".csv")
                                                      : toQString(suggested),
                              &m_services.mainFrame);
}

void DocumentManager::reportDumpFailure() {
    // The channel file does not depend on the dump; say so, but keep the save.
    const std::filesystem::path dump = m_dumpDirectory / RowDump::FileName;
    const std::string text =
        QCoreApplication::translate("tarn::DocumentManager",
                                    "The row dump \"%1\" could not be written.")
            .arg(QString::fromStdString(dump.string()))
            .toStdString();
    (void)m_services.prompter.ask(
        {text, AppTitles::AppName, PromptButtons::Ok, PromptIcon::Warning});
}

bool DocumentManager::saveModified(TarnDocument& document) {
    if (!document.isChanged())
        return true;
    const std::string text =
        QCoreApplication::translate("tarn::DocumentManager", "Save changes to %1?")
            .arg(document.title())
            .toStdString();
    const PromptAnswer answer = m_services.prompter.ask(
        {text, AppTitles::AppName, PromptButtons::YesNoCancel, PromptIcon::Warning});
    if (answer == PromptAnswer::Yes)
        return saveDocument(document, document.path().empty());
    return answer == PromptAnswer::No;
}

void DocumentManager::closeDocument(TarnDocument& document) {
    // The close, save question included, waits until the document's transfer has let go.
    std::weak_ptr<TarnDocument> waiting;
    for (const auto& open : documents()) {
        if (open.get() == &document)
            waiting = open;
    }
    if (m_heldCloses.count(&document) != 0)
        return;
    if (holdUntilTransfersEnd(
            [this, waiting, held = &document] {
                m_heldCloses.erase(held);
                if (const auto open = waiting.lock())
                    closeDocument(*open);
            },
            QObject::tr("The document will close when the transfer ends."), &document)) {
        m_heldCloses.insert(&document);
        return;
    }
    if (!saveModified(document))
        return;
    m_closing.insert(&document);
    for (DocumentWindow* frame : framesOf(document))
        frame->close();
    m_closing.erase(&document);
}

bool DocumentManager::canCloseFrame(DocumentWindow& frame) {
    TarnDocument& document = frame.document();
    if (m_exiting || m_closing.count(&document) > 0)
        return true;
    // The document stays open in another window: what this one is typing goes into it.
    if (framesOf(document).size() > 1)
        return frame.view().editing().storePendingEdit();
    return saveModified(document);
}

void DocumentManager::frameClosed(DocumentWindow& /*frame*/) {
    renumberWindows();
    m_services.mainFrame.refreshCommands();
}

bool DocumentManager::prepareExit() {
    for (const auto& document : documents()) {
        if (!saveModified(*document))
            return false;
    }
    m_exiting = true;
    return true;
}

std::vector<RadioLink*> DocumentManager::runningTransfers(const TarnDocument* only) const {
    std::vector<RadioLink*> running;
    for (DocumentWindow* frame : m_services.mainFrame.childFrames()) {
        RadioLink& link = frame->radioLink();
        if (link.isTransferring() && (only == nullptr || &frame->document() == only))
            running.push_back(&link);
    }
    return running;
}

bool DocumentManager::holdUntilTransfersEnd(std::function<void()> action, const QString& note,
                                            const TarnDocument* only) {
    const std::vector<RadioLink*> running = runningTransfers(only);
    if (running.empty())
        return false;
    // Transfers in several windows run nested; the action waits for the last one.
    auto pending = std::make_shared<std::function<void()>>(std::move(action));
    for (RadioLink* link : running) {
        link->whenIdle(
            [this, only, pending] {
                if (*pending && runningTransfers(only).empty())
                    std::exchange(*pending, nullptr)();
            },
            note);
    }
    return true;
}

void DocumentManager::renumberWindows() {
    for (const auto& document : documents()) {
        const auto frames = framesOf(*document);
        int number = frames.size() > 1 ? 1 : 0;
        for (DocumentWindow* frame : frames)
            frame->setWindowNumber(number == 0 ? 0 : number++);
    }
}

void DocumentManager::rememberRecent(const std::filesystem::path& path) {
    RecentFileList& recent = m_services.recentFiles;
    recent.add(toQString(path));
    recent.save();
    QStringList texts;
    for (int i = 0; i < recent.files().size(); ++i)
        texts.append(recent.menuText(i));
    m_services.mainFrame.setRecentFiles(texts);
}

} // namespace tarn
