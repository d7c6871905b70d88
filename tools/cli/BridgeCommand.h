#pragma once

#include "common/Translate.h"
#include "tools/cli/CliCommand.h"
#include "tools/cli/CliText.h"

namespace tarn::cli {

// tarn-cli bridge: a serial port for the browser page, over a WebSocket.
class BridgeCommand final : public CliCommand {
public:
    [[nodiscard]] std::string name() const override { return "bridge"; }
    [[nodiscard]] std::string summary() const override {
        return CliText::help(
            TARN_TRANSLATE_NOOP("tarn::cli::Help", "relay a serial port to the browser page"));
    }
    [[nodiscard]] std::string usage() const override;
    [[nodiscard]] int run(const std::vector<std::string>& args, CliContext& context) override;
};

} // namespace tarn::cli
