#include "shell/TarnApplication.h"

#include "common/AppTitles.h"
#include "data/BackupStore.h"
#include "data/ImageDiff.h"
#include "data/SinFile.h"
#include "dialogs/BackupsDialog.h"
#include "link/RadioLink.h"
#include "link/TraceStore.h"
#include "qtsupport/CommandIds.h"
#include "qtsupport/CoreMessages.h"
#include "shell/CommandLineInfo.h"
#include "shell/CommandRouter.h"
#include "shell/DocumentManager.h"
#include "shell/DocumentWindow.h"
#include "shell/HelpWindow.h"
#include "shell/MainWindow.h"
#include "shell/PrintService.h"
#include "shell/ProblemReportDialog.h"
#include "shell/ShellDialogs.h"
#include "shell/ShellLanguage.h"
#include "shell/TarnDocument.h"
#include "shell/TraceViewer.h"
#include "view/BandPlanSetting.h"

#include <QCoreApplication>
#include <QDir>

#include <cstdlib>

namespace tarn {

TarnApplication::TarnApplication(Prompter& prompter, ShellDialogs& dialogs)
    : m_prompter(prompter)
    , m_dialogs(dialogs)
    , m_languageProfile(ShellLanguage::profilePathOfThisProgram())
    , m_localeName(
          messagesLocale([](const char* name) -> const char* { return std::getenv(name); }))
    , m_printing(std::make_unique<PrintService>(dialogs, prompter)) {}

TarnApplication::~TarnApplication() {
    // Windows first: they hold views that refer to documents and to the manager.
    m_mainFrame.reset();
    m_documents.reset();
}

bool TarnApplication::initInstance(const QStringList& arguments) {
    QCoreApplication::setOrganizationName(QString::fromUtf8(AppTitles::SettingsRoot));
    QCoreApplication::setApplicationName(QString::fromUtf8(AppTitles::AppName));
    m_recentFiles.load();
    m_language = std::make_unique<ShellLanguage>(m_languageProfile, m_prompter);
    m_language->applyAtStart(m_localeName);
    createMainFrame();
    if (!processCommandLine(CommandLineInfo::parse(arguments)))
        return false;
    m_mainFrame->show();
    m_mainFrame->refreshCommands();
    return true;
}

void TarnApplication::createMainFrame() {
    m_mainFrame = std::make_unique<MainWindow>(m_prompter);
    m_documents = std::make_unique<DocumentManager>(DocumentManager::Services{
        *m_mainFrame, m_template, m_tones, m_prompter, m_dialogs, *m_printing, m_recentFiles});
    m_documents->setDumpDirectory(m_dumpDirectory);
    m_mainFrame->setApplicationTarget(this);
    m_mainFrame->setCloseHold([this] {
        // No question while a transfer runs: Exit is asked once it has ended, as if then.
        if (m_exitHeld)
            return true;
        m_exitHeld = m_documents->holdUntilTransfersEnd(
            [this] {
                m_exitHeld = false;
                m_mainFrame->close();
            },
            tr("TARN will close when the transfer ends."));
        return m_exitHeld;
    });
    m_mainFrame->setExitGuard([this] { return m_documents->prepareExit(); });
    connect(m_mainFrame.get(), &MainWindow::filesDropped, this, &TarnApplication::openFiles);
    showRecentFiles();
}

bool TarnApplication::processCommandLine(const CommandLineInfo& command) {
    if (command.file().isEmpty())
        return !command.print() && m_documents->newDocument() != nullptr;
    const std::filesystem::path file(command.file().toStdU16String());
    if (m_documents->openDocument(file) != TarnDocument::OpenResult::Opened)
        return false;
    if (command.print()) {
        // The shell's print verb: print the file as it is and end without showing a window.
        m_exitCode = m_mainFrame->router().run(cmd::FilePrintDirect) ? 0 : 1;
        return false;
    }
    return true;
}

void TarnApplication::setDumpDirectory(const std::filesystem::path& dir) {
    m_dumpDirectory = dir;
    if (m_documents)
        m_documents->setDumpDirectory(dir);
}

namespace {

// The region a Setup > Band Plan item stands for.
std::optional<BandPlan::Region> bandPlanRegion(int id) {
    const int index = id - cmd::BandPlanRegion1;
    if (index < 0 || index >= cmd::BandPlanRegionCount)
        return std::nullopt;
    return BandPlan::Regions[index];
}

} // namespace

bool TarnApplication::handlesCommand(int id) const {
    return id == cmd::FileNew || id == cmd::FileOpen || id == cmd::FilePrintSetup ||
           id == cmd::WindowNew || id == cmd::AppAbout || id == cmd::Ports || id == cmd::Backups ||
           id == cmd::VerifyAfterWrite || id == cmd::CompareWith || id == cmd::HelpGuide ||
           id == cmd::ShowLastTrace || id == cmd::ReportProblem || id == cmd::LanguageEnglish ||
           id == cmd::LanguageChinese || bandPlanRegion(id) ||
           (id >= cmd::RecentFile1 && id < cmd::RecentFile1 + cmd::RecentFileCount);
}

void TarnApplication::updateCommand(int id, CommandState& state) {
    if (id == cmd::WindowNew || id == cmd::CompareWith)
        state.enabled = m_mainFrame && m_mainFrame->activeChild() != nullptr;
    else if (id == cmd::VerifyAfterWrite)
        state.checked = RadioLink::verifyAfterWrite();
    else if (id == cmd::LanguageEnglish || id == cmd::LanguageChinese)
        state.checked =
            (m_language->current() == InterfaceLanguage::Chinese) == (id == cmd::LanguageChinese);
    else if (const auto region = bandPlanRegion(id))
        state.checked = *region == BandPlanSetting::region();
    else if (id >= cmd::RecentFile1 && id < cmd::RecentFile1 + cmd::RecentFileCount)
        state.enabled = id - cmd::RecentFile1 < m_recentFiles.files().size();
}

void TarnApplication::runCommand(int id) {
    switch (id) {
    case cmd::FileNew:
        (void)m_documents->newDocument();
        break;
    case cmd::FileOpen: {
        const QString path = m_dialogs.openFileName(m_mainFrame.get(), m_template.fileFilter());
        if (!path.isEmpty())
            openFiles({path});
        break;
    }
    case cmd::FilePrintSetup:
        m_printing->setup(m_mainFrame.get());
        break;
    case cmd::WindowNew:
        if (DocumentWindow* frame = m_mainFrame->activeChild())
            (void)m_documents->newWindow(*frame);
        break;
    case cmd::AppAbout:
        m_dialogs.about(m_mainFrame.get());
        break;
    case cmd::Backups:
        showBackups();
        break;
    case cmd::CompareWith:
        compareWith();
        break;
    case cmd::VerifyAfterWrite:
        RadioLink::setVerifyAfterWrite(!RadioLink::verifyAfterWrite());
        break;
    case cmd::Ports:
        m_dialogs.ports(m_mainFrame.get());
        break;
    case cmd::HelpGuide:
        showHelp();
        break;
    case cmd::ShowLastTrace:
        showLastTrace();
        break;
    case cmd::ReportProblem:
        reportProblem();
        break;
    case cmd::LanguageEnglish:
        m_language->switchTo(InterfaceLanguage::English);
        break;
    case cmd::LanguageChinese:
        m_language->switchTo(InterfaceLanguage::Chinese);
        break;
    default:
        if (const auto region = bandPlanRegion(id))
            BandPlanSetting::setRegion(*region);
        else
            openRecent(id - cmd::RecentFile1);
        break;
    }
}

void TarnApplication::showBackups() {
    BackupsDialog dialog(BackupStore::defaultFolder(), m_mainFrame.get());
    connect(&dialog, &BackupsDialog::openRequested, this, [this](const QString& path) {
        (void)m_documents->openUntitled(std::filesystem::path(path.toStdU16String()));
    });
    m_dialogs.backups(dialog);
}

void TarnApplication::showLastTrace() {
    const TraceStore store(TraceStore::defaultFolder(), SystemWallClock());
    const std::optional<std::filesystem::path> newest = store.newest();
    if (!newest) {
        const QString text =
            tr("No serial trace has been kept yet. A trace of each transfer with the radio is "
               "kept in %1 (the last ten).")
                .arg(QDir::toNativeSeparators(
                    QString::fromStdU16String(store.folder().u16string())));
        (void)m_prompter.ask(
            {text.toStdString(), AppTitles::AppName, PromptButtons::Ok, PromptIcon::Information});
        return;
    }
    const QString path = QString::fromStdU16String(newest->u16string());
    QString error;
    const std::optional<QByteArray> bytes = TraceViewer::load(path, error);
    if (!bytes) {
        const QString text =
            tr("Could not show the serial trace %1: %2").arg(QDir::toNativeSeparators(path), error);
        (void)m_prompter.ask(
            {text.toStdString(), AppTitles::AppName, PromptButtons::Ok, PromptIcon::Warning});
        return;
    }
    TraceViewer viewer(path, *bytes, m_dialogs, m_prompter, m_mainFrame.get());
    m_dialogs.serialTrace(viewer);
}

void TarnApplication::reportProblem() {
    DocumentWindow* frame = m_mainFrame ? m_mainFrame->activeChild() : nullptr;
    const QString port = frame ? QString::fromStdString(frame->radioLink().portName()) : QString();
    ProblemReportDialog dialog(ProblemReport::gather(port), m_mainFrame.get());
    m_dialogs.problemReport(dialog);
}

void TarnApplication::compareWith() {
    DocumentWindow* frame = m_mainFrame->activeChild();
    if (!frame)
        return;
    const QString path = m_dialogs.openFileName(m_mainFrame.get(), m_template.fileFilter());
    if (path.isEmpty())
        return;
    RadioImage other;
    try {
        const std::filesystem::path file(path.toStdU16String());
        const std::optional<SinSize> rule = TarnDocument::askSizeRule(m_prompter, file);
        if (!rule)
            return;
        other = SinFile::load(file, *rule);
    } catch (const SinFileError& error) {
        const std::string text = tr("Could not compare with %1.")
                                     .arg(CoreMessages::translated(std::string_view(error.what())))
                                     .toStdString();
        (void)m_prompter.ask({text, AppTitles::AppName, PromptButtons::Ok, PromptIcon::Warning});
        return;
    }
    // What the grid shows, a value still being typed included, is what is compared.
    TarnDocument& document = frame->document();
    if (!document.storePendingEdits())
        return;
    document.parseSheet();
    frame->showComparison(path, ImageDiff::compare(document.image(), other));
}

void TarnApplication::openFiles(const QStringList& paths) {
    for (const QString& path : paths)
        (void)m_documents->openDocument(std::filesystem::path(path.toStdU16String()));
}

void TarnApplication::openRecent(int index) {
    if (index < 0 || index >= m_recentFiles.files().size())
        return;
    const QString path = m_recentFiles.files().at(index);
    // A file that can no longer be read leaves the list; a cancelled open keeps it.
    if (m_documents->openDocument(std::filesystem::path(path.toStdU16String())) ==
        TarnDocument::OpenResult::Failed) {
        m_recentFiles.remove(path);
        m_recentFiles.save();
        showRecentFiles();
    }
}

void TarnApplication::showRecentFiles() {
    QStringList texts;
    for (int i = 0; i < m_recentFiles.files().size(); ++i)
        texts.append(m_recentFiles.menuText(i));
    m_mainFrame->setRecentFiles(texts);
}

namespace {

// Which guide a help window shows, so a language switch brings the other one.
constexpr const char* HelpChineseProperty = "chineseGuide";

} // namespace

void TarnApplication::showHelp() {
    const bool chinese = m_language->current() == InterfaceLanguage::Chinese;
    // A guide opened before the language was switched gives way to the guide in the new one.
    if (m_help != nullptr && m_help->property(HelpChineseProperty).toBool() != chinese) {
        m_help->deleteLater();
        m_help = nullptr;
    }
    if (m_help == nullptr) {
        m_help =
            new HelpWindow(HelpWindow::guideFile(chinese ? QStringLiteral("zh_CN") : QString()),
                           m_mainFrame.get());
        m_help->setProperty(HelpChineseProperty, chinese);
    }
    m_help->show();
    m_help->raise();
    m_help->activateWindow();
}

} // namespace tarn
