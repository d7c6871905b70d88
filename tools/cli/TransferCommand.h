#pragma once

#include "link/RadioTransfer.h"
#include "tools/cli/CliCommand.h"
#include "tools/cli/TransferOptions.h"

namespace tarn::cli {

class CliTransferTarget;

// What "read" and "write" share: the options, the serial port, the console progress and
// prompts, and Ctrl-C as Cancel.
class TransferCommand : public CliCommand {
public:
    [[nodiscard]] int run(const std::vector<std::string>& args, CliContext& context) final;

protected:
    [[nodiscard]] static std::string optionsUsage();
    // Loads or makes the image to transfer; empty after printing why not.
    [[nodiscard]] virtual std::optional<CliTransferTarget> prepare(const TransferOptions& options,
                                                                   CliContext& context) = 0;
    // After a completed transfer; false after printing why the result could not be kept.
    [[nodiscard]] virtual bool complete(const TransferOptions& options, CliTransferTarget& target,
                                        CliContext& context) = 0;
    [[nodiscard]] virtual std::string progressLabel() const = 0;

private:
    struct Result {
        TransferOutcome outcome;
        bool wroteToRadio;
    };
    [[nodiscard]] Result transfer(const TransferOptions& options, CliTransferTarget& target,
                                  CliContext& context);
    [[nodiscard]] static int exitStatus(const Result& result);
};

} // namespace tarn::cli
