#pragma once

#include "profile/StdFileOps.h"

namespace tarn::test {

// The real file system, with chosen services made to fail the way a read-only file, a
// read-only directory or a failing rename would.
class FaultyFileOps final : public FileOps {
public:
    bool fileReadOnly = false;
    bool directoryReadOnly = false;
    bool renameFails = false;
    bool readFails = false;
    int copies = 0;

    [[nodiscard]] bool exists(const std::string& path) override { return real().exists(path); }
    [[nodiscard]] bool createEmpty(const std::string& path) override {
        return !directoryReadOnly && real().createEmpty(path);
    }
    [[nodiscard]] std::optional<std::string> readAll(const std::string& path) override {
        return readFails ? std::nullopt : real().readAll(path);
    }
    [[nodiscard]] bool isWritable(const std::string& path) override {
        return !fileReadOnly && real().isWritable(path);
    }
    [[nodiscard]] WriteOutcome writeTemporary(const std::string& target, std::string_view content,
                                              std::string& tempPath) override {
        return directoryReadOnly ? WriteOutcome::CannotCreate
                                 : real().writeTemporary(target, content, tempPath);
    }
    [[nodiscard]] bool replace(const std::string& from, const std::string& to) override {
        return !renameFails && real().replace(from, to);
    }
    void remove(const std::string& path) override { real().remove(path); }
    [[nodiscard]] bool overwrite(const std::string& path, std::string_view content) override {
        return !fileReadOnly && real().overwrite(path, content);
    }
    [[nodiscard]] bool copy(const std::string& from, const std::string& to) override {
        ++copies;
        return !directoryReadOnly && real().copy(from, to);
    }
    [[nodiscard]] std::vector<std::string> list(const std::string& directory) override {
        return real().list(directory);
    }
    [[nodiscard]] std::string currentDirectory() override { return real().currentDirectory(); }

private:
    static StdFileOps& real() { return StdFileOps::instance(); }
};

} // namespace tarn::test
