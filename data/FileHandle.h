#pragma once

#include <cstdio>
#include <memory>

namespace tarn {

// Closes the stream on every path; a close whose result matters is done by hand first.
struct FileCloser {
    void operator()(std::FILE* f) const {
        if (f)
            std::fclose(f);
    }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

} // namespace tarn
