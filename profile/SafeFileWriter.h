#pragma once

#include "profile/FileOps.h"

#include <string>
#include <string_view>

namespace tarn {

// Replaces a file's content so that it is never left half-written: a new file beside it
// is renamed over it. Where the directory takes no new file, the file is rewritten in
// place and cut at the end of the new text.
class SafeFileWriter {
public:
    explicit SafeFileWriter(FileOps& ops)
        : m_ops(ops) {}

    enum class Result {
        Written,
        ReadOnly, // the file is read-only: left as it is
        Failed
    };

    [[nodiscard]] Result write(const std::string& path, std::string_view content);

private:
    [[nodiscard]] Result writeInPlace(const std::string& path, std::string_view content);

    FileOps& m_ops;
};

} // namespace tarn
