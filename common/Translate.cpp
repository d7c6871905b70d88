#include "common/Translate.h"

#include <array>

namespace tarn {

namespace {

constexpr std::array FormattedMessages{
    FormattedMessage::VerifyFailedOne, FormattedMessage::VerifyFailedMany,
    FormattedMessage::PartlyWritten,   FormattedMessage::VerifyProgress,
    FormattedMessage::BackupFailed,    FormattedMessage::TraceFailed,
    FormattedMessage::Written,         FormattedMessage::WrittenVerified,
    FormattedMessage::SettingsDiffer,  FormattedMessage::OtherBytesDiffer,
    FormattedMessage::LastChannel,     FormattedMessage::RecordFailed,
};

} // namespace

std::string formatText(std::string_view pattern, std::initializer_list<std::string_view> args) {
    std::string text;
    text.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        const auto number = static_cast<std::size_t>(next - '0');
        if (pattern[i] == '%' && next >= '1' && next <= '9' && number <= args.size()) {
            text += *(args.begin() + (number - 1));
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

std::span<const char* const> formattedMessages() {
    return FormattedMessages;
}

} // namespace tarn
