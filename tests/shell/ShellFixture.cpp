#include "tests/shell/ShellFixture.h"

#include "link/RadioLink.h"
#include "shell/CommandRouter.h"
#include "shell/DocumentManager.h"
#include "shell/DocumentWindow.h"
#include "shell/MainWindow.h"

#include <QAction>
#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>

#include <fstream>

namespace tarn::test {

void ShellFixture::SetUp() {
    ASSERT_TRUE(m_dir.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_dir.path());
    // Backups of transfers stay in the test's own folder.
    qputenv("XDG_DATA_HOME", m_dir.filePath(QStringLiteral("data")).toLocal8Bit());
    // So do their serial traces, and each test sees a trace warning anew.
    qputenv("XDG_STATE_HOME", m_dir.filePath(QStringLiteral("state")).toLocal8Bit());
    RadioLink::resetTraceWarning();
    m_app = std::make_unique<TarnApplication>(m_prompter, m_dialogs);
    m_app->setDumpDirectory(m_dir.path().toStdString());
    // English unless a test chooses otherwise, whatever the machine's launcher holds.
    m_app->setLanguageProfile(m_dir.filePath(QStringLiteral("QX32_V.INI")).toStdString());
    m_app->setLocaleName("C");
    // On a real display the pointer would otherwise rest over the new windows, and its moves
    // count as the user's.
    QCursor::setPos(QGuiApplication::primaryScreen()->geometry().topLeft());
}

void ShellFixture::TearDown() {
    m_app.reset();
    flushDeletes();
    EXPECT_EQ(m_prompter.pendingAnswers(), 0U) << "answers queued for prompts that never came";
}

bool ShellFixture::start(const QStringList& arguments) {
    return m_app->initInstance(QStringList{QStringLiteral("tarn")} + arguments);
}

MainWindow& ShellFixture::main() {
    return m_app->mainFrame();
}

DocumentWindow* ShellFixture::active() {
    return main().activeChild();
}

std::size_t ShellFixture::documentCount() {
    return m_app->documents().documents().size();
}

bool ShellFixture::enabled(int command) {
    main().refreshCommands();
    return main().commandAction(command)->isEnabled();
}

void ShellFixture::trigger(int command) {
    main().refreshCommands();
    main().commandAction(command)->trigger();
    flushDeletes();
}

void ShellFixture::flushDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

std::filesystem::path ShellFixture::file(const char* name) const {
    return std::filesystem::path(m_dir.path().toStdString()) / name;
}

std::filesystem::path ShellFixture::writeImage(const char* name, std::uint8_t model,
                                               std::size_t size) {
    std::vector<char> bytes(size, static_cast<char>(0xFF));
    if (size > 0x1FDE)
        bytes[0x1FDE] = static_cast<char>(model);
    const auto path = file(name);
    std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(size));
    return path;
}

std::vector<unsigned char> ShellFixture::readBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace tarn::test
