#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tarn::cli {

// The arguments shared by "read" and "write": --port P (repeatable), --retry N,
// --force-type, --verify, --trace FILE and a file. Which combinations a verb takes is the verb's
// business.
struct TransferOptions {
    std::vector<std::string> ports;
    int retries = 0;
    bool forceType = false;
    bool verify = false;
    std::string traceFile; // --trace FILE: the serial trace is also written there
    std::string file;

    [[nodiscard]] const std::string& port() const { return ports.front(); }

    // Empty and an explanation in error when the arguments do not fit.
    [[nodiscard]] static std::optional<TransferOptions> parse(const std::vector<std::string>& args,
                                                              std::string& error);
};

} // namespace tarn::cli
