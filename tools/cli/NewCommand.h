#pragma once

#include "common/Translate.h"
#include "tools/cli/CliCommand.h"
#include "tools/cli/CliText.h"

namespace tarn::cli {

// tarn-cli new FILE.sin
class NewCommand final : public CliCommand {
public:
    [[nodiscard]] std::string name() const override { return "new"; }
    [[nodiscard]] std::string summary() const override {
        return CliText::help(
            TARN_TRANSLATE_NOOP("tarn::cli::Help", "write a new, empty memory image"));
    }
    [[nodiscard]] std::string usage() const override;
    [[nodiscard]] int run(const std::vector<std::string>& args, CliContext& context) override;
};

} // namespace tarn::cli
