#pragma once

#include "common/Translate.h"
#include "tools/cli/CliCommand.h"
#include "tools/cli/CliText.h"

#include <optional>

namespace tarn::cli {

// tarn-cli apply FILE.sin TABLE.tsv [-o OUT.sin]
class ApplyCommand final : public CliCommand {
public:
    [[nodiscard]] std::string name() const override { return "apply"; }
    [[nodiscard]] std::string summary() const override {
        return CliText::help(TARN_TRANSLATE_NOOP(
            "tarn::cli::Help", "store an edited channel table into a memory image"));
    }
    [[nodiscard]] std::string usage() const override;
    [[nodiscard]] int run(const std::vector<std::string>& args, CliContext& context) override;

private:
    struct Arguments {
        std::string image;
        std::string table;
        std::string output;
    };
    [[nodiscard]] static std::optional<Arguments>
    parseArguments(const std::vector<std::string>& args);
};

} // namespace tarn::cli
