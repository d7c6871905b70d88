// Loads arbitrary bytes as a profile, reads, sets and saves, in both code pages.
#include "profile/ProfileFile.h"
#include "profile/StdFileOps.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <utility>
#include <vector>

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

// Section and key names the text seems to hold, found the simple way; the lookups need not
// all hit, only answer the same before and after a save.
std::vector<std::pair<std::string, std::string>> namesIn(const std::string& bytes) {
    std::vector<std::pair<std::string, std::string>> names;
    std::string section;
    std::size_t begin = 0;
    while (begin < bytes.size() && names.size() < 64) {
        std::size_t end = bytes.find('\n', begin);
        if (end == std::string::npos)
            end = bytes.size();
        std::string line = bytes.substr(begin, end - begin);
        while (!line.empty() && (line.back() == '\r' || line.back() == ' '))
            line.pop_back();
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']')
            section = line.substr(1, line.size() - 2);
        else
            names.emplace_back(section, line.substr(0, line.find('=')));
        begin = end + 1;
    }
    return names;
}

// Save then Open keeps every key in its section: each lookup answers as before.
void checkRoundTrip(const std::string& bytes, tarn::CodePage codePage) {
    const std::string path = (workDir() / "R.ini").string();
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
    tarn::ProfileFile loaded(4, tarn::StdFileOps::instance(), codePage);
    require(loaded.open(path, false, true, false), "open for the round trip");
    loaded.setString("FUZZ", "K", "v2"); // something to save
    const auto names = namesIn(bytes);
    std::vector<std::string> before;
    for (const auto& [section, key] : names)
        before.push_back(loaded.getString(section, key, "\x01none"));
    require(loaded.save(false).status == tarn::ProfileFile::SaveResult::Status::Written,
            "round-trip save");
    tarn::ProfileFile reopened(4, tarn::StdFileOps::instance(), codePage);
    require(reopened.open(path, false, true, false), "round-trip reopen");
    for (std::size_t i = 0; i < names.size(); ++i)
        require(reopened.getString(names[i].first, names[i].second, "\x01none") == before[i],
                "a key left its section in a save");
}

bool isAscii(const std::string& bytes) {
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

void exercise(const std::string& bytes, tarn::CodePage codePage) {
    // A lead byte at the end of a key or value takes the "=" or line end after it along on
    // the next load, so only text without multibyte characters must survive byte for byte.
    if (isAscii(bytes))
        checkRoundTrip(bytes, codePage);
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
