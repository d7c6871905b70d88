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
    const RadioImage back = asReadBack(sent, readBack);
    const ImageDifferences channels = ImageDiff::compare(sent, back);
    // The settings alone, so what no setting shows there is counted apart from the channels.
    RadioImage settingsBack = back;
    for (std::size_t i = 0; i < RadioImage::ChannelAreaEnd; ++i)
        settingsBack[i] = sent[i];
    const ImageDifferences settings = ImageDiff::compare(sent, settingsBack);

    std::string text;
    std::size_t named = 0;
    std::size_t more = 0;
    // Every channel whose row came back different, with the columns that show it.
    for (int row = 0; row < RadioImage::MaxChannels; ++row) {
        const auto first = sent.bytes().begin() + row * RadioImage::RowSize;
        if (std::equal(first, first + RadioImage::RowSize,
                       back.bytes().begin() + row * RadioImage::RowSize))
            continue;
        if (named == MaxNamed) {
            ++more;
            continue;
        }
        std::vector<std::string> columns;
        for (const ChannelDifference& cell : channels.channels)
            if (cell.channel == row + 1)
                columns.emplace_back(ChannelCodec::Headers[cell.column]);
        const std::string shown = columns.empty() ? HiddenBytesText : joined(columns);
        addLine(text, formatText(ChannelLine, {std::to_string(row + 1), shown}));
        ++named;
    }
    if (more > 0)
        addLine(text, formatText(MoreLine, {std::to_string(more)}));
    std::vector<std::string> names;
    more = 0;
    for (const SettingDifference& setting : settings.settings) {
        if (names.size() == MaxNamed)
            ++more;
        else
            names.push_back(setting.name);
    }
    if (!names.empty())
        addLine(text, formatText(SettingsLine, {joined(names)}));
    if (more > 0)
        addLine(text, formatText(MoreLine, {std::to_string(more)}));
    if (settings.otherBytes > 0)
        addLine(text, formatText(OtherBytesLine, {std::to_string(settings.otherBytes)}));
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
