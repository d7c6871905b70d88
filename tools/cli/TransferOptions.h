#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tarn::cli {

// The arguments shared by "read" and "write": --port P, --retry N, --force-type and a file.
struct TransferOptions {
    std::string port;
    int retries = 0;
    bool forceType = false;
    std::string file;

    // Empty and an explanation in error when the arguments do not fit.
    [[nodiscard]] static std::optional<TransferOptions> parse(const std::vector<std::string>& args,
                                                              std::string& error);
};

} // namespace tarn::cli
