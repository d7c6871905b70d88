#include "tools/cli/TransferOptions.h"

#include <charconv>

namespace tarn::cli {

namespace {

bool parseCount(const std::string& text, int& value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() && value >= 0;
}

} // namespace

std::optional<TransferOptions> TransferOptions::parse(const std::vector<std::string>& args,
                                                      std::string& error) {
    TransferOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--force-type") {
            options.forceType = true;
        } else if (arg == "--verify") {
            options.verify = true;
        } else if (arg == "--port" || arg == "--retry" || arg == "--trace") {
            if (i + 1 == args.size()) {
                error = arg + " needs a value";
                return std::nullopt;
            }
            const std::string& value = args[++i];
            if (arg == "--port") {
                options.ports.push_back(value);
            } else if (arg == "--trace") {
                options.traceFile = value;
            } else if (!parseCount(value, options.retries)) {
                error = "--retry takes a count, not '" + value + "'";
                return std::nullopt;
            }
        } else if (arg.starts_with("-")) {
            error = "unknown option '" + arg + "'";
            return std::nullopt;
        } else if (options.file.empty()) {
            options.file = arg;
        } else {
            error = "one file only";
            return std::nullopt;
        }
    }
    if (options.ports.empty() || options.file.empty()) {
        error = "--port and a file are required";
        return std::nullopt;
    }
    if (!options.traceFile.empty() && options.ports.size() > 1) {
        error = "--trace takes one --port; a fleet's traces are kept in the traces folder";
        return std::nullopt;
    }
    return options;
}

} // namespace tarn::cli
