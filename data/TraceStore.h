#pragma once

#include "common/WallClock.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace tarn {

// A trace could not be kept; what() says where and why.
class TraceError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The serial traces of the last transfers, one file each ("20261207-171022-001-read.trace"),
// the newest ten kept.
class TraceStore {
public:
    static constexpr std::size_t DefaultKeep = 10;
    static constexpr std::size_t MaxViewedSize = 8 * 1024 * 1024;

    // $XDG_STATE_HOME/tarn/traces, else ~/.local/state/tarn/traces; empty when the
    // environment names no home.
    [[nodiscard]] static std::filesystem::path defaultFolder();

    TraceStore(std::filesystem::path folder, const WallClock& clock,
               std::size_t keep = DefaultKeep);

    // Stores text under the current time, kind ("read", "write") in the name, and prunes the
    // oldest traces beyond the number kept. Throws TraceError; nothing is left behind then.
    std::filesystem::path store(std::string_view text, std::string_view kind);
    // The traces in the folder, newest first.
    [[nodiscard]] std::vector<std::filesystem::path> list() const;
    [[nodiscard]] std::optional<std::filesystem::path> latest() const;
    [[nodiscard]] const std::filesystem::path& folder() const { return m_folder; }

    // A trace's text for viewing, at most MaxViewedSize bytes of it. Throws TraceError.
    [[nodiscard]] static std::string read(const std::filesystem::path& file);
    // Writes text to a file the user named, replacing it. Throws TraceError.
    static void writeTo(const std::filesystem::path& file, std::string_view text);

private:
    void prune() const;
    [[nodiscard]] int nextSequence(const LocalTime& now) const;

    std::filesystem::path m_folder;
    const WallClock& m_clock;
    std::size_t m_keep;
};

} // namespace tarn
