#pragma once

#include "common/Translate.h"
#include "tools/cli/CliCommand.h"
#include "tools/cli/CliText.h"

namespace tarn::cli {

// tarn-cli check FILE.sin
class CheckCommand final : public CliCommand {
public:
    [[nodiscard]] std::string name() const override { return "check"; }
    [[nodiscard]] std::string summary() const override {
        return CliText::help(TARN_TRANSLATE_NOOP(
            "tarn::cli::Help", "list channels the radio cannot use or a save would change"));
    }
    [[nodiscard]] std::string usage() const override;
    [[nodiscard]] int run(const std::vector<std::string>& args, CliContext& context) override;
};

} // namespace tarn::cli
