// Loads arbitrary bytes as a profile, reads, sets and saves, in both code pages.
#include "profile/ProfileFile.h"
#include "profile/StdFileOps.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// A directory of this process's own, removed when the fuzzer exits.
struct WorkDir {
    WorkDir() { fs::create_directories(path); }
    ~WorkDir() {
        std::error_code error;
        fs::remove_all(path, error);
    }
    fs::path path = fs::temp_directory_path() / ("tarn-fuzz-" + std::to_string(getpid()));
};

const fs::path& workDir() {
    static const WorkDir dir;
    return dir.path;
}

void require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "broken: %s\n", what);
        std::abort();
    }
}

void exercise(const std::string& bytes, tarn::CodePage codePage) {
    const std::string path = (workDir() / "F.ini").string();
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;

    tarn::ProfileFile store(1, tarn::StdFileOps::instance(), codePage);
    require(store.open(path, true, !bytes.empty() && (bytes[0] & 1), false), "open");
    // Names taken from the input reach the lookups too.
    const std::string head = bytes.substr(0, bytes.find('\n'));
    const std::string section = head.substr(0, head.size() / 2);
    const std::string key = head.substr(head.size() / 2);
    static_cast<void>(store.getString(section, key, "d"));
    static_cast<void>(store.getString("MAIN", "LANGUAGE", ""));
    static_cast<void>(store.getString("", "", ""));

    store.setString(section, key, "v1");
    store.setString("FUZZ", "K", "v2");
    require(store.getString("FUZZ", "K", "") == "v2", "set then get");
    const tarn::ProfileFile::SaveResult saved = store.save(bytes.size() % 7 == 0);
    require(saved.status == tarn::ProfileFile::SaveResult::Status::Written, "save");

    tarn::ProfileFile again(4, tarn::StdFileOps::instance(), codePage);
    require(again.open(path, false, true, false), "reopen");
    require(again.getString("FUZZ", "K", "") == "v2", "saved value reads back");
    again.clear();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    exercise(bytes, tarn::CodePage::Utf8);
    exercise(bytes, tarn::CodePage::Gbk936);
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(workDir(), error))
        fs::remove(entry.path(), error);
    return 0;
}
