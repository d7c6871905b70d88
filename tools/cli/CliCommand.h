#pragma once

#include <filesystem>
#include <iosfwd>
#include <string>
#include <vector>

namespace tarn::cli {

// Where a verb writes and the folder that receives the row dump.
struct CliContext {
    std::ostream& out;
    std::ostream& err;
    std::filesystem::path dumpDirectory; // empty: the current directory
    bool errIsTerminal = false;
};

// Exit statuses of every verb.
enum ExitStatus { Success = 0, Failure = 1, UsageError = 2 };

// One verb of tarn-cli.
class CliCommand {
public:
    virtual ~CliCommand() = default;
    [[nodiscard]] virtual std::string name() const = 0;
    [[nodiscard]] virtual std::string summary() const = 0;
    [[nodiscard]] virtual std::string usage() const = 0;
    // args excludes the verb itself; "--help" is handled before this is called.
    [[nodiscard]] virtual int run(const std::vector<std::string>& args, CliContext& context) = 0;
};

} // namespace tarn::cli
