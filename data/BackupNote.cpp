#include "data/BackupNote.h"

#include <array>

namespace tarn {

namespace {

constexpr std::array Outcomes = {BackupOutcome::Complete, BackupOutcome::PartlyWritten,
                                 BackupOutcome::VerifyFailed, BackupOutcome::VerifyUnread};

std::optional<BackupOutcome> outcomeNamed(std::string_view text) {
    for (const BackupOutcome outcome : Outcomes)
        if (BackupNote::outcomeText(outcome) == text)
            return outcome;
    return std::nullopt;
}

std::string oneLine(const std::string& text) {
    std::string line = text;
    for (char& c : line)
        if (c == '\n' || c == '\r')
            c = ' ';
    return line;
}

} // namespace

std::string_view BackupNote::outcomeText(BackupOutcome outcome) {
    switch (outcome) {
    case BackupOutcome::PartlyWritten:
        return "partly written";
    case BackupOutcome::VerifyFailed:
        return "verify failed";
    case BackupOutcome::VerifyUnread:
        return "verify could not read back";
    case BackupOutcome::Complete:
        break;
    }
    return "complete";
}

std::string BackupNote::text() const {
    return "outcome=" + std::string(outcomeText(outcome)) + "\nport=" + oneLine(port) + "\n";
}

std::optional<BackupNote> BackupNote::parse(std::string_view text) {
    if (text.size() > MaxSize)
        return std::nullopt;
    BackupNote note;
    bool hasOutcome = false;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        if (line.starts_with("outcome=")) {
            const auto outcome = outcomeNamed(line.substr(8));
            if (!outcome)
                return std::nullopt;
            note.outcome = *outcome;
            hasOutcome = true;
        } else if (line.starts_with("port=")) {
            note.port = line.substr(5);
        }
    }
    if (!hasOutcome)
        return std::nullopt;
    return note;
}

} // namespace tarn
