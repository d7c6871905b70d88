#pragma once

#include "tools/cli/TransferCommand.h"

namespace tarn::cli {

// tarn-cli write --port P IN.sin
class WriteCommand final : public TransferCommand {
public:
    [[nodiscard]] std::string name() const override { return "write"; }
    [[nodiscard]] std::string summary() const override { return "write a .sin file into a radio"; }
    [[nodiscard]] std::string usage() const override;

private:
    [[nodiscard]] std::optional<CliTransferTarget> prepare(const TransferOptions& options,
                                                           CliContext& context) override;
    [[nodiscard]] bool complete(const TransferOptions& options, CliTransferTarget& target,
                                CliContext& context) override;
    [[nodiscard]] std::string progressLabel() const override { return "Writing"; }
};

} // namespace tarn::cli
