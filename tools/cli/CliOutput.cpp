#include "tools/cli/CliOutput.h"

#include <cerrno>
#include <cstring>
#include <ostream>

namespace tarn::cli {

bool CliOutput::flushed(std::ostream& out, std::ostream& err, const std::string& what) {
    // The stream keeps no reason; the failed system call left one in errno.
    const bool failedEarlier = !out;
    const int earlier = errno;
    errno = 0;
    out.flush();
    if (out)
        return true;
    const int reason = failedEarlier ? earlier : errno;
    err << "tarn-cli: cannot write " << what;
    if (reason != 0)
        err << ": " << std::strerror(reason);
    err << "\n";
    return false;
}

} // namespace tarn::cli
