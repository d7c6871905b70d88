#pragma once

#include "data/ChannelCsvImport.h"
#include "tools/cli/CliCommand.h"

#include <optional>

namespace tarn::cli {

// tarn-cli import FILE.sin LIST.csv [-o OUT.sin] [--replace] [--first N]
class ImportCommand final : public CliCommand {
public:
    [[nodiscard]] std::string name() const override { return "import"; }
    [[nodiscard]] std::string summary() const override {
        return "place the channels of a CHIRP CSV list into a memory image";
    }
    [[nodiscard]] std::string usage() const override;
    [[nodiscard]] int run(const std::vector<std::string>& args, CliContext& context) override;

private:
    struct Arguments {
        std::string image;
        std::string list;
        std::string output;
        ChannelCsvOptions options;
        std::string error; // why the arguments are refused; empty when they are not
    };
    [[nodiscard]] static std::optional<Arguments>
    parseArguments(const std::vector<std::string>& args);
};

} // namespace tarn::cli
