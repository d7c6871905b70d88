#pragma once

#include "common/Translate.h"
#include "tools/cli/CliText.h"
#include "tools/cli/TransferCommand.h"

namespace tarn::cli {

// tarn-cli read --port P OUT.sin
class ReadCommand final : public TransferCommand {
public:
    [[nodiscard]] std::string name() const override { return "read"; }
    [[nodiscard]] std::string summary() const override {
        return CliText::help(
            TARN_TRANSLATE_NOOP("tarn::cli::Help", "read a radio's memory into a .sin file"));
    }
    [[nodiscard]] std::string usage() const override;

private:
    [[nodiscard]] std::optional<CliTransferTarget> prepare(const TransferOptions& options,
                                                           CliContext& context) override;
    [[nodiscard]] int conclude(const TransferOptions& options, const TransferReport& report,
                               CliTransferTarget& target, CliContext& context) override;
    [[nodiscard]] std::string progressLabel() const override { return "Reading"; }
};

} // namespace tarn::cli
