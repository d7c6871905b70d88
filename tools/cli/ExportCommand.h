#pragma once

#include "common/Translate.h"
#include "tools/cli/CliCommand.h"
#include "tools/cli/CliText.h"

namespace tarn::cli {

// tarn-cli export FILE.sin [LIST.csv]
class ExportCommand final : public CliCommand {
public:
    [[nodiscard]] std::string name() const override { return "export"; }
    [[nodiscard]] std::string summary() const override {
        return CliText::help(TARN_TRANSLATE_NOOP(
            "tarn::cli::Help", "write the channels of a memory image as a CHIRP CSV list"));
    }
    [[nodiscard]] std::string usage() const override;
    [[nodiscard]] int run(const std::vector<std::string>& args, CliContext& context) override;
};

} // namespace tarn::cli
