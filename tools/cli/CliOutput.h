#pragma once

#include <iosfwd>
#include <string>

namespace tarn::cli {

// Standard output that may refuse bytes (a full disk, a closed pipe): what was written is
// flushed, and a failure is said on stderr rather than passed over.
class CliOutput {
public:
    // Flushes out; false, after "tarn-cli: cannot write WHAT: REASON" on err, when any
    // write to it failed.
    [[nodiscard]] static bool flushed(std::ostream& out, std::ostream& err,
                                      const std::string& what);
};

} // namespace tarn::cli
