#pragma once

#include "common/WallClock.h"
#include "data/BackupStore.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string_view>
#include <vector>

namespace tarn {

// A trace could not be kept; what() says where and why.
class TraceError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The serial traces of the last transfers, one file each, named as backups are
// ("YYYYMMDD-HHMMSS-read.trace", "...-write-ttyUSB0.trace", "-2" ... within one second),
// created exclusively and pruned to the newest ones.
class TraceStore {
public:
    static constexpr std::size_t DefaultKeep = 10;
    static constexpr const char* Extension = ".trace";

    // $XDG_STATE_HOME/tarn/traces, else ~/.local/state/tarn/traces; empty when the
    // environment names no home.
    [[nodiscard]] static std::filesystem::path defaultFolder();

    TraceStore(std::filesystem::path folder, const WallClock& clock,
               std::size_t keep = DefaultKeep);

    // Stores the text under the current time and prunes the oldest traces beyond the number
    // kept, never the one just stored. Throws TraceError; nothing is left behind then.
    std::filesystem::path store(std::string_view text, BackupKind kind, std::string_view port = {});
    // The traces in the folder, newest first; other files are not listed.
    [[nodiscard]] std::vector<std::filesystem::path> list() const;
    [[nodiscard]] std::optional<std::filesystem::path> newest() const;
    [[nodiscard]] const std::filesystem::path& folder() const { return m_folder; }
    // "2026-12-08 05:30:12", the time the next store names its file by.
    [[nodiscard]] std::string timeText() const;

private:
    void prune(const std::filesystem::path& justStored) const;

    std::filesystem::path m_folder;
    const WallClock& m_clock;
    std::size_t m_keep;
};

} // namespace tarn
