#pragma once

#include "tools/cli/CliCommand.h"

#include <memory>
#include <vector>

namespace tarn::cli {

// Dispatches the command line to its verb.
class CliApp {
public:
    CliApp();
    void add(std::unique_ptr<CliCommand> command);
    [[nodiscard]] int run(const std::vector<std::string>& args, CliContext& context) const;

private:
    void printOverview(std::ostream& out) const;
    std::vector<std::unique_ptr<CliCommand>> m_commands;
};

} // namespace tarn::cli
