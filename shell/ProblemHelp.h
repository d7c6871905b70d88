#pragma once

#include "link/ProblemReport.h"

#include <QString>

#include <filesystem>
#include <functional>

class QWidget;

namespace tarn {

class DocumentWindow;
class RememberingPrompter;
class ShellDialogs;

// The Help menu's aids for reporting a problem: the last serial trace and a text that tells
// what a helper needs to know. Nothing leaves the machine.
class ProblemHelp {
public:
    static constexpr const char* NoTraceText =
        "No serial trace has been kept yet: every read from a radio and every write to one "
        "keeps its trace in ";

    ProblemHelp(RememberingPrompter& prompter, ShellDialogs& dialogs);

    // Where traces are looked for; the user's traces folder unless tests say otherwise.
    void setTraceFolder(std::filesystem::path folder) { m_traceFolder = std::move(folder); }
    // Help > Show Last Serial Trace.
    void showLastTrace(QWidget* parent);
    // Help > Report a Problem..., about the active window when there is one.
    void reportProblem(QWidget* parent, DocumentWindow* active);

    // The facts of this machine and window, as the report states them.
    [[nodiscard]] ProblemFacts facts(DocumentWindow* active) const;

private:
    [[nodiscard]] std::filesystem::path traceFolder() const;
    [[nodiscard]] std::filesystem::path lastTrace() const;
    void tell(const std::string& text);

    RememberingPrompter& m_prompter;
    ShellDialogs& m_dialogs;
    std::filesystem::path m_traceFolder;
};

} // namespace tarn
