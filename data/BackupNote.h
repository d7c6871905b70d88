#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tarn {

enum class BackupOutcome { Complete, PartlyWritten, VerifyFailed, VerifyUnread };

// What the small file beside a backup tells: how the transfer ended and through which port.
// "outcome=partly written\nport=COM1 (/dev/ttyUSB0)\n"
struct BackupNote {
    static constexpr std::string_view Extension = ".info";
    static constexpr std::size_t MaxSize = 4096;

    BackupOutcome outcome = BackupOutcome::Complete;
    std::string port;

    [[nodiscard]] std::string text() const;
    // Anything but a note of this form (a hand-edited file, say) gives nothing.
    [[nodiscard]] static std::optional<BackupNote> parse(std::string_view text);
    // "complete", "partly written", "verify failed", "verify could not read back"
    [[nodiscard]] static std::string_view outcomeText(BackupOutcome outcome);
};

} // namespace tarn
