#pragma once

#include "link/PortIdentity.h"

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
    std::istream* in = nullptr; // standard input, for "-" as a file; none: refused
    bool outIsTerminal = false;
    std::filesystem::path backupFolder{}; // empty: the user's backups folder
    std::filesystem::path traceFolder{};  // empty: the user's traces folder
    bool anySize = false; // --any-size: a larger channel file gives its first 8192 bytes
    PortLister ports{};   // the serial ports; empty: the system's
};

// Exit statuses of every verb.
enum ExitStatus {
    Success = 0,
    Failure = 1, // a file or data error
    UsageError = 2,
    NoRadio = 3,          // no radio, a communication error or a refused type; nothing written
    WriteStopped = 4,     // a write failed or was cancelled after the radio was partly written
    CancelledClean = 5,   // cancelled before anything was written
    VerifyMismatch = 6,   // the radio read back differs from what was written
    VerifyUnreadable = 7, // the radio could not be read back to verify
    Findings = 8,         // check found channels to look at
};

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
