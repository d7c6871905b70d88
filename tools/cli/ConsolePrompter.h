#pragma once

#include "common/Prompter.h"

#include <iosfwd>

namespace tarn::cli {

// Answers the transfer's message boxes from the command line's flags and prints each text.
class ConsolePrompter final : public Prompter {
public:
    ConsolePrompter(std::ostream& err, int retries, bool forceType);
    [[nodiscard]] PromptAnswer ask(const Prompt& prompt) override;

private:
    std::ostream& m_err;
    int m_retriesLeft;
    bool m_forceType;
};

} // namespace tarn::cli
