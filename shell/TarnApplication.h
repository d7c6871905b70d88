#pragma once

#include "common/RememberingPrompter.h"
#include "data/ToneTable.h"
#include "qtsupport/CommandTarget.h"
#include "shell/DocTemplate.h"
#include "shell/ProblemHelp.h"
#include "shell/RecentFileList.h"

#include <QObject>
#include <QStringList>

#include <filesystem>
#include <memory>

namespace tarn {

class MainWindow;
class CommandLineInfo;
class DocumentManager;
class PrintService;
class Prompter;
class ShellDialogs;

// The program: its start-up, the tone table, the document template and the recent files;
// New, Open, Print Setup, New Window, the recent files, Ports, About and the Help menu's
// problem reporting aids are its commands.
class TarnApplication : public QObject, public CommandTarget {
    Q_OBJECT
public:
    TarnApplication(Prompter& prompter, ShellDialogs& dialogs);
    ~TarnApplication() override;

    // Runs the start-up sequence with the program's arguments (the first is the program);
    // false when the program should end at once.
    [[nodiscard]] bool initInstance(const QStringList& arguments);
    // The program's exit status when initInstance ended it: 0 after printing a file.
    [[nodiscard]] int exitCode() const { return m_exitCode; }
    // Where the row dump "1.txt" goes; empty (the default) is the working directory.
    // Takes effect for documents opened after the call.
    void setDumpDirectory(const std::filesystem::path& dir);

    [[nodiscard]] MainWindow& mainFrame() { return *m_mainFrame; }
    [[nodiscard]] DocumentManager& documents() { return *m_documents; }
    [[nodiscard]] const ToneTable& tones() const { return m_tones; }
    [[nodiscard]] RecentFileList& recentFiles() { return m_recentFiles; }
    [[nodiscard]] DocTemplate& docTemplate() { return m_template; }
    [[nodiscard]] PrintService& printing() { return *m_printing; }
    [[nodiscard]] ProblemHelp& problemHelp() { return m_problemHelp; }

    [[nodiscard]] bool handlesCommand(int id) const override;
    void updateCommand(int id, CommandState& state) override;
    void runCommand(int id) override;

private:
    void createMainFrame();
    // Opens the new document or the named file; false when the program should end.
    [[nodiscard]] bool processCommandLine(const CommandLineInfo& command);
    void openFiles(const QStringList& paths);
    // Program > Backups...: a kept image opens as a new untitled document.
    void showBackups();
    // File > Compare With...: the active window marks what differs from a chosen file.
    void compareWith();
    void openRecent(int index);
    void showRecentFiles();

    // Every message goes through it, so a report of a problem can quote the last one.
    RememberingPrompter m_remembering;
    Prompter& m_prompter;
    ShellDialogs& m_dialogs;
    ProblemHelp m_problemHelp;
    std::filesystem::path m_dumpDirectory;
    int m_exitCode = 1;
    bool m_exitHeld = false;
    ToneTable m_tones;
    DocTemplate m_template;
    RecentFileList m_recentFiles;
    std::unique_ptr<PrintService> m_printing;
    // The manager outlives the main frame, whose windows call back into it as they go.
    std::unique_ptr<DocumentManager> m_documents;
    std::unique_ptr<MainWindow> m_mainFrame;
};

} // namespace tarn
