#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tarn::cli {

// tarn-cli bridge's arguments, and who may use the bridge: pages from the user's own computer
// (a page opened from disk sends the origin "null") and the origins named with --allow-origin.
struct BridgeOptions {
    static constexpr std::uint16_t DefaultPort = 8890;

    std::string port;
    std::string host = "127.0.0.1";
    std::uint16_t listenPort = DefaultPort; // 0: any free port
    std::vector<std::string> allowedOrigins;
    bool allowRemote = false;

    // Fills the options from the verb's arguments; the usage error, empty when they are good.
    [[nodiscard]] std::string parse(const std::vector<std::string>& args);
    [[nodiscard]] bool originAllowed(const std::string& origin) const;
    [[nodiscard]] static bool isLoopback(const std::string& host);
};

} // namespace tarn::cli
