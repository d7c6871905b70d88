#pragma once

#include "data/ChannelOrder.h"
#include "tools/cli/CliCommand.h"

#include <optional>

namespace tarn::cli {

// tarn-cli sort FILE.sin --by rx|tx|dec|enc|power [--desc] [-o OUT.sin]
class SortCommand final : public CliCommand {
public:
    [[nodiscard]] std::string name() const override { return "sort"; }
    [[nodiscard]] std::string summary() const override {
        return "reorder the channels of a memory image by a column";
    }
    [[nodiscard]] std::string usage() const override;
    [[nodiscard]] int run(const std::vector<std::string>& args, CliContext& context) override;

private:
    struct Arguments {
        std::string image;
        std::string output;
        ChannelOrder::Sort sort;
    };
    [[nodiscard]] static std::optional<Arguments>
    parseArguments(const std::vector<std::string>& args);
};

} // namespace tarn::cli
