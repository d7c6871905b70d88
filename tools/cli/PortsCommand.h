#pragma once

#include "tools/cli/CliCommand.h"

namespace tarn::cli {

// tarn-cli ports
class PortsCommand final : public CliCommand {
public:
    [[nodiscard]] std::string name() const override { return "ports"; }
    [[nodiscard]] std::string summary() const override { return "list the serial ports"; }
    [[nodiscard]] std::string usage() const override;
    [[nodiscard]] int run(const std::vector<std::string>& args, CliContext& context) override;
};

} // namespace tarn::cli
