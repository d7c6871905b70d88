#pragma once

#include "common/Translate.h"
#include "data/BackupStore.h"
#include "data/RadioImage.h"
#include "link/RadioTransfer.h"

#include <cstddef>
#include <optional>
#include <string>

namespace tarn {

// What a write did to the radio, in the user's terms: the confirmation of a good write, the
// channels and settings a failed verify found different, the last channel a stopped write
// reached. The lines follow the message they explain; both programs show the same text.
class WriteReport {
public:
    static constexpr const char* WrittenText = FormattedMessage::Written;
    static constexpr const char* VerifiedText = FormattedMessage::WrittenVerified;
    static constexpr const char* ChannelLine = FormattedMessage::ChannelDiffers;
    static constexpr const char* SettingsLine = FormattedMessage::SettingsDiffer;
    static constexpr const char* OtherBytesLine = FormattedMessage::OtherBytesDiffer;
    // A pattern of common/MessageCatalog.
    static constexpr const char* MoreLine = "and %1 more";
    static constexpr const char* LastChannelText = FormattedMessage::LastChannel;
    static constexpr const char* HiddenBytesText =
        TARN_TRANSLATE_NOOP("tarn::Prompt", "bytes no cell shows");
    static constexpr const char* NoChannelText =
        TARN_TRANSLATE_NOOP("tarn::Prompt", "No channel was written whole.");
    static constexpr const char* SettingsAreaText =
        TARN_TRANSLATE_NOOP("tarn::Prompt", "Every channel was written; the settings were not.");
    // Channels and settings named before the rest is counted.
    static constexpr std::size_t MaxNamed = 10;

    // "Written: 404 blocks", or "Written and verified: 403 blocks match".
    [[nodiscard]] static std::string confirmation(int blocksWritten, const VerifyResult* verify);
    // One line per differing channel with its columns (or that no cell shows the bytes), the
    // settings by name, each list cut with "and N more", then the settings bytes no setting
    // shows; empty when the difference lies in no byte a read brings back. Only the bytes a
    // read covers are compared: the rest never came back.
    [[nodiscard]] static std::string verifyDetails(const RadioImage& sent,
                                                   const RadioImage& readBack);
    // How a transfer that left a backup ended, for the record beside it.
    [[nodiscard]] static BackupOutcome backupOutcome(TransferDirection direction,
                                                     TransferOutcome outcome,
                                                     const std::optional<VerifyResult>& verify);
    // Which channel the radio holds last of what was sent, from the blocks it acknowledged.
    [[nodiscard]] static std::string lastChannelWritten(int blocksAcknowledged,
                                                        const RadioImage& sent);
};

} // namespace tarn
