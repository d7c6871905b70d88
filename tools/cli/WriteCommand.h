#pragma once

#include "common/Translate.h"
#include "tools/cli/CliText.h"
#include "tools/cli/TransferCommand.h"

namespace tarn::cli {

// tarn-cli write --port P [--port P2 ...] [--verify] IN.sin
class WriteCommand final : public TransferCommand {
public:
    [[nodiscard]] std::string name() const override { return "write"; }
    [[nodiscard]] std::string summary() const override {
        return CliText::help(
            TARN_TRANSLATE_NOOP("tarn::cli::Help", "write a .sin file into a radio"));
    }
    [[nodiscard]] std::string usage() const override;

private:
    [[nodiscard]] bool accepts(const TransferOptions& options, std::string& error) const override;
    [[nodiscard]] int runFleet(const TransferOptions& options, CliTransferTarget& target,
                               CliContext& context) override;
    [[nodiscard]] std::optional<CliTransferTarget> prepare(const TransferOptions& options,
                                                           CliContext& context) override;
    [[nodiscard]] int conclude(const TransferOptions& options, const TransferReport& report,
                               CliTransferTarget& target, CliContext& context) override;
    [[nodiscard]] std::string progressLabel() const override { return "Writing"; }
};

} // namespace tarn::cli
