#pragma once

#include "link/RadioTransfer.h"
#include "tools/cli/CliCommand.h"
#include "tools/cli/TransferOptions.h"
#include "tools/cli/TransferReport.h"

namespace tarn {
class SerialTrace;
}

namespace tarn::cli {

class CliTransferTarget;

// What "read" and "write" share: the options, the serial port, the console progress and
// prompts, and Ctrl-C as Cancel.
class TransferCommand : public CliCommand {
public:
    [[nodiscard]] int run(const std::vector<std::string>& args, CliContext& context) final;

protected:
    [[nodiscard]] static std::string optionsUsage();
    // Whether this verb takes the options; one port and no --verify unless it says otherwise.
    [[nodiscard]] virtual bool accepts(const TransferOptions& options, std::string& error) const;
    // Loads or makes the image to transfer; empty after printing why not.
    [[nodiscard]] virtual std::optional<CliTransferTarget> prepare(const TransferOptions& options,
                                                                   CliContext& context) = 0;
    // After the transfer has ended in any way; returns the exit status.
    [[nodiscard]] virtual int conclude(const TransferOptions& options, const TransferReport& report,
                                       CliTransferTarget& target, CliContext& context) = 0;
    // Several ports at once; only for verbs that accept them.
    [[nodiscard]] virtual int runFleet(const TransferOptions& options, CliTransferTarget& target,
                                       CliContext& context);
    [[nodiscard]] virtual std::string progressLabel() const = 0;

private:
    [[nodiscard]] TransferReport transfer(const TransferOptions& options, CliTransferTarget& target,
                                          CliContext& context);
    void keepTrace(const SerialTrace& trace, const TransferOptions& options,
                   CliContext& context) const;
};

} // namespace tarn::cli
