#pragma once

#include "common/Prompter.h"
#include "link/TransferUi.h"
#include "tools/cli/ConsolePrompter.h"

#include <cstddef>
#include <sstream>
#include <string>

namespace tarn::cli {

class FleetConsole;

// One port's transfer in a write to several radios: progress and messages go to the shared
// console under the port's label; prompts are answered from the command line's flags.
class FleetTransferUi final : public TransferUi, private Prompter {
public:
    FleetTransferUi(FleetConsole& console, std::size_t port, int retries, bool forceType);

    void setStatusText(const std::string& text) override;
    void setProgressRange(int minimum, int maximum) override;
    void setProgressPosition(int position) override;
    [[nodiscard]] int progressPosition() const override { return m_position; }
    void stepProgress() override { setProgressPosition(m_position + 1); }
    [[nodiscard]] bool cancelRequested() const override;
    [[nodiscard]] Prompter& prompter() override { return *this; }
    void closeWindow() override {}

private:
    [[nodiscard]] PromptAnswer ask(const Prompt& prompt) override;

    FleetConsole& m_console;
    std::size_t m_port;
    std::ostringstream m_promptText;
    ConsolePrompter m_answers;
    std::string m_lastStatus;
    bool m_verifying = false;
    int m_minimum = 0;
    int m_maximum = 100;
    int m_position = 0;
};

} // namespace tarn::cli
