#pragma once

#include "shell/TarnApplication.h"
#include "tests/shell/FakeShellDialogs.h"
#include "tests/support/TestPrompter.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <vector>

namespace tarn {
class DocumentWindow;
class TarnDocument;
class MainWindow;
} // namespace tarn

namespace tarn::test {

// A started program with its own settings and files in a temporary folder.
class ShellFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Starts the program; the arguments follow the program name.
    [[nodiscard]] bool start(const QStringList& arguments = {});
    MainWindow& main();
    [[nodiscard]] DocumentWindow* active();
    [[nodiscard]] std::size_t documentCount();
    [[nodiscard]] bool enabled(int command);
    // Runs a command through the main window's menu action, as a click would.
    void trigger(int command);
    // Lets windows that accepted their close go away.
    static void flushDeletes();

    [[nodiscard]] std::filesystem::path file(const char* name) const;
    // An 8192-byte file with the given model byte.
    std::filesystem::path writeImage(const char* name, std::uint8_t model, std::size_t size = 8192);
    [[nodiscard]] static std::vector<unsigned char> readBytes(const std::filesystem::path& path);

    QTemporaryDir m_dir;
    TestPrompter m_prompter;
    FakeShellDialogs m_dialogs;
    std::unique_ptr<TarnApplication> m_app;
};

} // namespace tarn::test
