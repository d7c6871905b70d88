#pragma once

#include "profile/FileOps.h"

namespace tarn {

// FileOps on the real file system, with the standard library only.
class StdFileOps final : public FileOps {
public:
    [[nodiscard]] static StdFileOps& instance();

    [[nodiscard]] bool exists(const std::string& path) override;
    [[nodiscard]] bool createEmpty(const std::string& path) override;
    [[nodiscard]] std::optional<std::string> readAll(const std::string& path) override;
    [[nodiscard]] bool isWritable(const std::string& path) override;
    [[nodiscard]] WriteOutcome writeTemporary(const std::string& target, std::string_view content,
                                              std::string& tempPath) override;
    [[nodiscard]] bool replace(const std::string& from, const std::string& to) override;
    void remove(const std::string& path) override;
    [[nodiscard]] bool overwrite(const std::string& path, std::string_view content) override;
    [[nodiscard]] bool copy(const std::string& from, const std::string& to) override;
    [[nodiscard]] std::vector<std::string> list(const std::string& directory) override;
    [[nodiscard]] std::string currentDirectory() override;
};

} // namespace tarn
