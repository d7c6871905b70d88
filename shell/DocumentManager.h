#pragma once

#include "shell/CHalcyonDoc.h"
#include "shell/ChildFrameStyle.h"
#include "shell/DocumentHost.h"

#include <QString>

#include <filesystem>
#include <functional>
#include <memory>
#include <set>
#include <vector>

namespace tarn {

class CChildFrame;
class CMainFrame;
class DocTemplate;
class PrintService;
class Prompter;
class RecentFileList;
class ShellDialogs;
class ToneTable;
class ViewRadioLink;

// The open documents and their windows: New, Open, Save, Close, New Window and the save
// question for changed documents.
class DocumentManager final : public DocumentHost {
public:
    struct Services {
        CMainFrame& mainFrame;
        DocTemplate& docTemplate;
        const ToneTable& tones;
        Prompter& prompter;
        ShellDialogs& dialogs;
        PrintService& printing;
        RecentFileList& recentFiles;
    };

    explicit DocumentManager(const Services& services);

    CChildFrame* newDocument();
    // Opens the file in a new window, or activates the window that already shows it.
    CHalcyonDoc::OpenResult openDocument(const std::filesystem::path& path);
    // Another window on the document of the given one.
    CChildFrame* newWindow(CChildFrame& frame);
    // Asks about every changed document; false when the user cancelled. After true, windows
    // close without further questions.
    [[nodiscard]] bool prepareExit();
    // Cancels the transfers running in the windows (of one document, or all) and runs action
    // once all of them have ended and closed their ports; false, and nothing done, when none runs.
    [[nodiscard]] bool cancelTransfersThen(std::function<void()> action,
                                           const CHalcyonDoc* only = nullptr);

    [[nodiscard]] std::vector<std::shared_ptr<CHalcyonDoc>> documents() const;
    // Where the grid dump "1.txt" goes; empty: the working directory.
    void setDumpDirectory(const std::filesystem::path& dir) { m_dumpDirectory = dir; }

    bool saveDocument(CHalcyonDoc& document, bool askForName) override;
    void closeDocument(CHalcyonDoc& document) override;
    [[nodiscard]] bool canCloseFrame(CChildFrame& frame) override;
    void frameClosed(CChildFrame& frame) override;

private:
    CChildFrame* createFrame(std::shared_ptr<CHalcyonDoc> document);
    [[nodiscard]] std::vector<CChildFrame*> framesOf(const CHalcyonDoc& document) const;
    [[nodiscard]] std::vector<ViewRadioLink*> runningTransfers(const CHalcyonDoc* only) const;
    [[nodiscard]] CChildFrame* saveFrameFor(CHalcyonDoc& document) const;
    [[nodiscard]] std::filesystem::path askSavePath(const CHalcyonDoc& document);
    // Asks whether to save a changed document; false when the user cancelled or the save failed.
    [[nodiscard]] bool saveModified(CHalcyonDoc& document);
    void reportDumpFailure();
    void renumberWindows();
    void rememberRecent(const std::filesystem::path& path);

    Services m_services;
    // Outlives the main window and so every document window that uses it.
    ChildFrameStyle m_frameStyle;
    std::filesystem::path m_dumpDirectory;
    std::set<const CHalcyonDoc*> m_closing;
    bool m_exiting = false;
};

} // namespace tarn
