#pragma once

#include "shell/ChannelListFiles.h"
#include "shell/ChildFrameStyle.h"
#include "shell/DocumentHost.h"
#include "shell/TarnDocument.h"

#include <QString>

#include <filesystem>
#include <functional>
#include <memory>
#include <set>
#include <vector>

namespace tarn {

class DocumentWindow;
class MainWindow;
class DocTemplate;
class PrintService;
class Prompter;
class RecentFileList;
class ShellDialogs;
class RadioLink;
class ToneTable;

// The open documents and their windows: New, Open, Save, Close, New Window and the save
// question for changed documents.
class DocumentManager final : public DocumentHost {
public:
    struct Services {
        MainWindow& mainFrame;
        DocTemplate& docTemplate;
        const ToneTable& tones;
        Prompter& prompter;
        ShellDialogs& dialogs;
        PrintService& printing;
        RecentFileList& recentFiles;
    };

    explicit DocumentManager(const Services& services);

    DocumentWindow* newDocument();
    // Opens the file in a new window, or activates the window that already shows it.
    TarnDocument::OpenResult openDocument(const std::filesystem::path& path);
    // The file's image as a new untitled document; null after a reported failure.
    DocumentWindow* openUntitled(const std::filesystem::path& path);
    // Another window on the document of the given one.
    DocumentWindow* newWindow(DocumentWindow& frame);
    // Asks about every changed document; false when the user cancelled. After true, windows
    // close without further questions.
    [[nodiscard]] bool prepareExit();
    // Holds action until the transfers running in the windows (of one document, or all) have
    // ended and closed their ports, with note in their progress windows; nothing is cancelled.
    // False, and nothing done, when none runs.
    [[nodiscard]] bool holdUntilTransfersEnd(std::function<void()> action, const QString& note,
                                             const TarnDocument* only = nullptr);

    [[nodiscard]] std::vector<std::shared_ptr<TarnDocument>> documents() const;
    // Where the row dump "1.txt" goes for documents opened later; empty: the working directory.
    void setDumpDirectory(const std::filesystem::path& dir) { m_dumpDirectory = dir; }

    bool saveDocument(TarnDocument& document, bool askForName) override;
    void importChannels(TarnDocument& document) override;
    void exportChannels(TarnDocument& document) override;
    void importStockList(TarnDocument& document, int index) override;
    void closeDocument(TarnDocument& document) override;
    [[nodiscard]] bool canCloseFrame(DocumentWindow& frame) override;
    void frameClosed(DocumentWindow& frame) override;

private:
    DocumentWindow* createFrame(std::shared_ptr<TarnDocument> document);
    [[nodiscard]] std::vector<DocumentWindow*> framesOf(const TarnDocument& document) const;
    [[nodiscard]] std::vector<RadioLink*> runningTransfers(const TarnDocument* only) const;
    [[nodiscard]] std::shared_ptr<TarnDocument> makeDocument();
    [[nodiscard]] std::filesystem::path askSavePath(const TarnDocument& document);
    // Asks whether to save a changed document (one with a value still being typed included);
    // false when the user cancelled or the save failed.
    [[nodiscard]] bool saveModified(TarnDocument& document);
    void reportDumpFailure();
    void renumberWindows();
    void rememberRecent(const std::filesystem::path& path);

    Services m_services;
    // Documents whose close waits for a transfer; a second request adds nothing.
    std::set<const TarnDocument*> m_heldCloses;
    ChannelListFiles m_channelLists;
    // Outlives the main window and so every document window that uses it.
    ChildFrameStyle m_frameStyle;
    std::filesystem::path m_dumpDirectory;
    std::set<const TarnDocument*> m_closing;
    bool m_exiting = false;
};

} // namespace tarn
