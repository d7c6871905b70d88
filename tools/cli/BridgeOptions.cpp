#include "tools/cli/BridgeOptions.h"

#include <algorithm>
#include <charconv>

namespace tarn::cli {

namespace {

// "http://localhost" or "http://localhost:PORT", and the same for 127.0.0.1.
bool isLocalPage(const std::string& origin) {
    for (const std::string host : {"http://localhost", "http://127.0.0.1"}) {
        if (origin.compare(0, host.size(), host) != 0)
            continue;
        const std::string rest = origin.substr(host.size());
        if (rest.empty())
            return true;
        if (rest.size() < 2 || rest.size() > 6 || rest[0] != ':')
            continue;
        if (std::all_of(rest.begin() + 1, rest.end(), [](char c) { return c >= '0' && c <= '9'; }))
            return true;
    }
    return false;
}

} // namespace

std::string BridgeOptions::parse(const std::vector<std::string>& args) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--allow-remote") {
            allowRemote = true;
            continue;
        }
        if (arg != "--port" && arg != "--listen" && arg != "--allow-origin")
            return "unknown argument '" + arg + "'";
        if (i + 1 >= args.size())
            return arg + " takes a value";
        const std::string& value = args[++i];
        if (arg == "--port") {
            port = value;
        } else if (arg == "--allow-origin") {
            allowedOrigins.push_back(value);
        } else {
            const std::size_t colon = value.rfind(':');
            unsigned number = 0;
            const char* end = value.data() + value.size();
            if (colon == std::string::npos || colon == 0 ||
                std::from_chars(value.data() + colon + 1, end, number).ptr != end ||
                colon + 1 == value.size() || number > 65535)
                return "--listen takes HOST:PORT, not \"" + value + "\"";
            host = value.substr(0, colon);
            listenPort = static_cast<std::uint16_t>(number);
        }
    }
    if (port.empty())
        return "--port is required";
    if (!isLoopback(host) && !allowRemote)
        return "--listen " + host + " reaches beyond this computer: add --allow-remote";
    return {};
}

bool BridgeOptions::originAllowed(const std::string& origin) const {
    if (origin == "null" || isLocalPage(origin))
        return true;
    return std::find(allowedOrigins.begin(), allowedOrigins.end(), origin) != allowedOrigins.end();
}

bool BridgeOptions::isLoopback(const std::string& host) {
    return host == "localhost" || host == "::1" || host.rfind("127.", 0) == 0;
}

} // namespace tarn::cli
