#pragma once

#include "data/ToneTable.h"
#include "qtsupport/CommandTarget.h"
#include "shell/DocTemplate.h"
#include "shell/HelpWindow.h"
#include "shell/RecentFileList.h"

#include <QObject>
#include <QPointer>
#include <QStringList>

#include <filesystem>
#include <memory>
#include <string>
#include <utility>

namespace tarn {

class MainWindow;
class CommandLineInfo;
class DocumentManager;
class PrintService;
class Prompter;
class ShellDialogs;
class ShellLanguage;

// The program: its start-up, the tone table, the document template and the recent files;
// New, Open, Print Setup, New Window, the recent files, Ports, the language, Help and About
// are its commands.
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
    // The product profile that holds the interface language; by default the one the
    // launcher hands over or the one where this program is. Set before initInstance.
    void setLanguageProfile(std::string path) { m_languageProfile = std::move(path); }
    // The interface language's locale for the next start: the system's by default.
    void setLocaleName(std::string name) { m_localeName = std::move(name); }

    [[nodiscard]] MainWindow& mainFrame() { return *m_mainFrame; }
    [[nodiscard]] DocumentManager& documents() { return *m_documents; }
    [[nodiscard]] const ToneTable& tones() const { return m_tones; }
    [[nodiscard]] RecentFileList& recentFiles() { return m_recentFiles; }
    [[nodiscard]] DocTemplate& docTemplate() { return m_template; }
    [[nodiscard]] PrintService& printing() { return *m_printing; }
    [[nodiscard]] ShellLanguage& language() { return *m_language; }
    // The help window while it is open.
    [[nodiscard]] HelpWindow* helpWindow() const { return m_help; }

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
    void showLastTrace();
    void reportProblem();
    // File > Compare With...: the active window marks what differs from a chosen file.
    void compareWith();
    void openRecent(int index);
    void showRecentFiles();
    void showHelp();

    Prompter& m_prompter;
    ShellDialogs& m_dialogs;
    std::filesystem::path m_dumpDirectory;
    std::string m_languageProfile;
    std::string m_localeName;
    std::unique_ptr<ShellLanguage> m_language;
    QPointer<HelpWindow> m_help;
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
