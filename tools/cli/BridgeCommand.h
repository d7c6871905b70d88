#pragma once

#include "tools/cli/CliCommand.h"

namespace tarn::cli {

// tarn-cli bridge: a serial port for the browser page, over a WebSocket.
class BridgeCommand final : public CliCommand {
public:
    [[nodiscard]] std::string name() const override { return "bridge"; }
    [[nodiscard]] std::string summary() const override {
        return "relay a serial port to the browser page";
    }
    [[nodiscard]] std::string usage() const override;
    [[nodiscard]] int run(const std::vector<std::string>& args, CliContext& context) override;
};

} // namespace tarn::cli
