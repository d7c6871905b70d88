#pragma once

#include "common/WallClock.h"
#include "data/RadioImage.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

namespace tarn {

// A backup could not be kept; what() says where and why.
class BackupError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum class BackupKind { Read, Write };

// The parts of a backup's file name: "YYYYMMDD-HHMMSS-read.sin", "...-write-ttyUSB0.sin",
// and "-2", "-3" ... before ".sin" when one second saw several.
struct BackupName {
    LocalTime time;
    BackupKind kind = BackupKind::Read;
    std::string port; // a fleet write's port; empty otherwise
    int sequence = 1;

    [[nodiscard]] std::string fileName() const;
    [[nodiscard]] static std::optional<BackupName> parse(std::string_view fileName);
    // "2026-12-07 09:55:38"
    [[nodiscard]] std::string timeText() const;
    // Names compare in the order they were taken: by time, then by sequence within a second.
    [[nodiscard]] auto order() const {
        return std::tuple(time.year, time.month, time.day, time.hour, time.minute, time.second,
                          sequence);
    }
    // The port as it can stand in a file name: "/dev/ttyUSB0" gives "ttyUSB0".
    [[nodiscard]] static std::string portLabel(std::string_view port);
};

// How the transfer that left a backup ended.
enum class BackupOutcome {
    Complete,      // a read, or a write with no verify
    Verified,      // written and read back the same
    PartlyWritten, // the write stopped part-way
    VerifyFailed,  // written, read back different
    NotVerified,   // written, but the radio could not be read back
};

// The small text file beside a backup that says how its transfer ended and over which port:
// "20261207-095538-write.txt" beside "20261207-095538-write.sin". Written after the backup,
// removed with it; a backup without one (or with one that does not read as such) still lists.
struct BackupRecord {
    static constexpr std::string_view Header = "tarn backup record 1";
    static constexpr std::size_t MaxSize = 4096;

    BackupOutcome outcome = BackupOutcome::Complete;
    std::string port;   // as the user chose it: "COM1", "/dev/ttyUSB0"
    std::string device; // where that port led, when it differs

    [[nodiscard]] std::string text() const;
    // Empty for anything but a record as text() writes it (unknown keys aside).
    [[nodiscard]] static std::optional<BackupRecord> parse(std::string_view text);
    [[nodiscard]] static std::filesystem::path sidecarOf(const std::filesystem::path& backup);
    [[nodiscard]] static std::string_view outcomeWord(BackupOutcome outcome);
};

struct BackupEntry {
    std::filesystem::path file;
    BackupName name;
    std::optional<BackupRecord> record;
};

// What a backup holds, for the list of backups.
struct BackupContents {
    std::uint8_t modelType = RadioImage::Blank;
    int channelCount = RadioImage::MaxChannels;
    int programmedChannels = 0;

    [[nodiscard]] static BackupContents of(const RadioImage& image);
};

// Every image read from or written to a radio, kept as a ".sin" in one folder. A file is
// created exclusively, so a backup never replaces another file; the newest ones are kept.
class BackupStore {
public:
    static constexpr std::size_t DefaultKeep = 200;

    // $XDG_DATA_HOME/tarn/backups, else ~/.local/share/tarn/backups; empty when the
    // environment names no home.
    [[nodiscard]] static std::filesystem::path defaultFolder();

    BackupStore(std::filesystem::path folder, const WallClock& clock,
                std::size_t keep = DefaultKeep);

    // Stores the image under the current time and prunes the oldest backups beyond the
    // number kept, never the one just stored. Throws BackupError; nothing is left behind
    // then.
    std::filesystem::path store(const RadioImage& image, BackupKind kind,
                                std::string_view port = {});
    // Writes the record beside a backup this store keeps, replacing any; empty on success,
    // otherwise why not. The backup itself stays either way.
    [[nodiscard]] static std::optional<std::string> storeRecord(const std::filesystem::path& backup,
                                                                const BackupRecord& record);
    // The backups in the folder, newest first, each with its record when it has a sound one;
    // other files are not listed.
    [[nodiscard]] std::vector<BackupEntry> list() const;
    [[nodiscard]] const std::filesystem::path& folder() const { return m_folder; }

private:
    void prune(const std::filesystem::path& justStored) const;

    std::filesystem::path m_folder;
    const WallClock& m_clock;
    std::size_t m_keep;
};

} // namespace tarn
