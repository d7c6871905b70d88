#pragma once

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

// Marks a text of the standard-C++ core for translation without translating it: the text
// stays as written, and lupdate collects it under context, so the Qt side can translate it
// with QCoreApplication::translate(context, text) where it is shown.
#define TARN_TRANSLATE_NOOP(context, text) text

namespace tarn {

// The context of the core's messages (message boxes, the progress window's status line,
// reports), where the Qt side looks them up however they reach it.
inline constexpr const char* MessageContext = "tarn::Prompt";

// The core's formatted messages; each is listed in formattedMessages().
struct FormattedMessage {
    static constexpr const char* VerifyFailedOne =
        TARN_TRANSLATE_NOOP("tarn::Prompt", "Verify failed: 1 block differs, at %1");
    static constexpr const char* VerifyFailedMany =
        TARN_TRANSLATE_NOOP("tarn::Prompt", "Verify failed: %1 blocks differ, the first at %2");
    static constexpr const char* PartlyWritten = TARN_TRANSLATE_NOOP(
        "tarn::Prompt", "Writing stopped after %1 of %2 blocks: the radio is partly programmed. "
                        "Write again to complete it.");
    static constexpr const char* VerifyProgress = TARN_TRANSLATE_NOOP("tarn::Prompt", "Verify %1");
    static constexpr const char* BackupFailed =
        TARN_TRANSLATE_NOOP("tarn::Prompt", "The radio's memory was not kept as a backup: %1");
    static constexpr const char* TraceFailed =
        TARN_TRANSLATE_NOOP("tarn::Prompt", "The serial trace was not kept: %1");
    // A write's confirmation and the lines that explain a failed one.
    static constexpr const char* Written =
        TARN_TRANSLATE_NOOP("tarn::Prompt", "Written: %1 blocks");
    static constexpr const char* WrittenVerified =
        TARN_TRANSLATE_NOOP("tarn::Prompt", "Written and verified: %1 blocks match");
    // Listed with common/MessageCatalog's patterns, which other messages share.
    static constexpr const char* ChannelDiffers = "Channel %1: %2";
    static constexpr const char* SettingsDiffer =
        TARN_TRANSLATE_NOOP("tarn::Prompt", "Settings: %1");
    static constexpr const char* OtherBytesDiffer =
        TARN_TRANSLATE_NOOP("tarn::Prompt", "Bytes no cell or setting shows: %1");
    static constexpr const char* RecordFailed = TARN_TRANSLATE_NOOP(
        "tarn::Prompt", "How the transfer ended was not kept beside its backup: %1");
    static constexpr const char* LastChannel =
        TARN_TRANSLATE_NOOP("tarn::Prompt", "The last channel written is channel %1.");
};

// The pattern with %1 to %9 replaced by the arguments in order, as QString::arg would; a
// placeholder without an argument stays as written.
[[nodiscard]] std::string formatText(std::string_view pattern,
                                     std::initializer_list<std::string_view> args);

// Patterns of the core's formatted messages, so a finished message can be traced back to its
// pattern and arguments and shown translated.
[[nodiscard]] std::span<const char* const> formattedMessages();

} // namespace tarn
