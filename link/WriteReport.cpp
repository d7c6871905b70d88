#include "link/WriteReport.h"

#include "data/ChannelCodec.h"
#include "data/ImageDiff.h"
#include "link/RadioTransfer.h"

#include <algorithm>

namespace tarn {

namespace {

// The names joined as one list argument: "RX Freq, TX Power".
std::string joined(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names)
        text += (text.empty() ? "" : ", ") + name;
    return text;
}

void addLine(std::string& text, const std::string& line) {
    text += (text.empty() ? "" : "\n") + line;
}

// Whatever a read does not bring back is taken as sent, so only what came back can differ.
RadioImage asReadBack(const RadioImage& sent, const RadioImage& readBack) {
    RadioImage merged = sent;
    for (int block = 0; block < RadioImage::ReadBlocks; ++block) {
        const std::uint16_t address = RadioImage::blockAddress(block);
        for (std::size_t i = 0; i < RadioImage::BlockSize; ++i)
            merged[address + i] = readBack[address + i];
    }
    return merged;
}

} // namespace

std::string WriteReport::confirmation(int blocksWritten, const VerifyResult* verify) {
    if (verify != nullptr && verify->passed())
        return formatText(VerifiedText, {std::to_string(verify->comparedBlocks)});
    return formatText(WrittenText, {std::to_string(blocksWritten)});
}

std::string WriteReport::verifyDetails(const RadioImage& sent, const RadioImage& readBack) {
    const ImageDifferences differences = ImageDiff::compare(sent, asReadBack(sent, readBack));
    std::string text;
    // One line per channel, its columns in grid order.
    std::size_t named = 0;
    std::size_t more = 0;
    for (auto it = differences.channels.begin(); it != differences.channels.end();) {
        const int channel = it->channel;
        std::vector<std::string> columns;
        for (; it != differences.channels.end() && it->channel == channel; ++it)
            columns.emplace_back(ChannelCodec::Headers[it->column]);
        if (named == MaxNamed) {
            ++more;
            continue;
        }
        ++named;
        addLine(text, formatText(ChannelLine, {std::to_string(channel), joined(columns)}));
    }
    if (more > 0)
        addLine(text, formatText(MoreLine, {std::to_string(more)}));
    std::vector<std::string> settings;
    more = 0;
    for (const SettingDifference& setting : differences.settings) {
        if (settings.size() == MaxNamed)
            ++more;
        else
            settings.push_back(setting.name);
    }
    if (!settings.empty())
        addLine(text, formatText(SettingsLine, {joined(settings)}));
    if (more > 0)
        addLine(text, formatText(MoreLine, {std::to_string(more)}));
    if (differences.otherBytes > 0)
        addLine(text, formatText(OtherBytesLine, {std::to_string(differences.otherBytes)}));
    return text;
}

BackupOutcome WriteReport::backupOutcome(TransferDirection direction, TransferOutcome outcome,
                                         const std::optional<VerifyResult>& verify) {
    if (direction == TransferDirection::Read)
        return BackupOutcome::Complete;
    if (outcome != TransferOutcome::Completed)
        return BackupOutcome::PartlyWritten;
    if (!verify)
        return BackupOutcome::Complete;
    if (!verify->readBack)
        return BackupOutcome::NotVerified;
    return verify->passed() ? BackupOutcome::Verified : BackupOutcome::VerifyFailed;
}

std::string WriteReport::lastChannelWritten(int blocksAcknowledged, const RadioImage& sent) {
    const int count = channelCountForModel(sent.modelType(), RadioImage::MaxChannels);
    // Two blocks make a channel's row; the half of one is not the channel written.
    const int whole = std::clamp(blocksAcknowledged, 0, RadioImage::ChannelBlocks) / 2;
    if (whole == 0)
        return NoChannelText;
    if (whole >= count)
        return SettingsAreaText;
    return formatText(LastChannelText, {std::to_string(whole)});
}

} // namespace tarn
