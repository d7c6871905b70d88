#pragma once

#include "link/SystemPort.h"

#include <optional>
#include <string>

namespace tarn {

// What a report of a problem tells about this machine and the last transfer.
struct ProblemFacts {
    std::string program; // "TARN 1.0.0"
    std::string toolkit; // "Qt 6.4.2"
    std::string system;  // "Debian GNU/Linux 12 (bookworm); Linux 6.1.0-13-amd64; x86_64"
    std::string port;    // "COM1 (/dev/ttyUSB0)"
    std::optional<SystemPort> device; // the port as the system lists it; none: not present
    std::string lastMessage;
    std::string lastTrace;   // its path; empty when none was kept
    std::string frequencies; // the active document's channels as a table; may be empty
};

// The text a user copies into a report. Frequencies go in only when asked for.
class ProblemReport {
public:
    [[nodiscard]] static std::string text(const ProblemFacts& facts, bool withFrequencies);
};

} // namespace tarn
