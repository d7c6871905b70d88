#include "profile/SafeFileWriter.h"

namespace tarn {

SafeFileWriter::Result SafeFileWriter::write(const std::string& path, std::string_view content) {
    // A file the user made read-only stays as it is, even where its directory would let
    // a rename replace it.
    if (m_ops.exists(path) && !m_ops.isWritable(path))
        return Result::ReadOnly;
    std::string tempPath;
    switch (m_ops.writeTemporary(path, content, tempPath)) {
    case WriteOutcome::Written:
        if (m_ops.replace(tempPath, path))
            return Result::Written;
        m_ops.remove(tempPath);
        return writeInPlace(path, content);
    case WriteOutcome::CannotCreate:
        return writeInPlace(path, content);
    case WriteOutcome::Failed:
        break;
    }
    return Result::Failed;
}

SafeFileWriter::Result SafeFileWriter::writeInPlace(const std::string& path,
                                                    std::string_view content) {
    return m_ops.exists(path) && m_ops.overwrite(path, content) ? Result::Written : Result::Failed;
}

} // namespace tarn
