#include "data/ImageDiff.h"

#include "data/ChannelCodec.h"
#include "data/ModelSettings.h"
#include "data/OptionalFeatures.h"
#include "data/TextGrid.h"

#include <array>
#include <span>
#include <string_view>

namespace tarn {

namespace {

// The bits of one channel row each column shows: {first byte, byte count, mask}.
struct ColumnBits {
    std::size_t first;
    std::size_t count;
    std::uint8_t mask;
};
constexpr std::array<ColumnBits, ChannelCodec::ColumnCount> ChannelColumnBits = {{
    {0, 0, 0},     // channel number
    {0, 4, 0xFF},  // RX Freq
    {4, 4, 0xFF},  // TX Freq
    {8, 2, 0xFF},  // QT/DQT Dec
    {10, 2, 0xFF}, // QT/DQT Enc
    {12, 1, 0x30}, // TX Power
    {12, 1, 0x08}, // CHN Lock
}};

// Per byte, the bits that a listed difference already accounts for.
using Explained = std::array<std::uint8_t, RadioImage::Size>;

bool transferred(std::size_t offset) {
    return offset < RadioImage::ChannelAreaEnd ||
           (offset >= RadioImage::SettingsBegin && offset < RadioImage::SettingsEnd);
}

std::string shown(const std::string& text) {
    return text.empty() ? ImageDiff::EmptyText : text;
}

std::string entryText(std::span<const std::string_view> entries, int selection) {
    if (selection < 0 || selection >= static_cast<int>(entries.size()))
        return ImageDiff::NoEntryText;
    return std::string(entries[static_cast<std::size_t>(selection)]);
}

TextGrid renderAll(const RadioImage& image) {
    TextGrid grid;
    ChannelCodec::render(image, grid,
                         channelCountForModel(image.modelType(), RadioImage::MaxChannels));
    return grid;
}

std::string cell(const TextGrid& grid, int row, int column) {
    return row < grid.rowCount() ? grid.cellText(row, column) : std::string();
}

void compareChannels(const RadioImage& from, const RadioImage& to, ImageDifferences& result,
                     Explained& explained) {
    const TextGrid before = renderAll(from);
    const TextGrid after = renderAll(to);
    const int rows = std::max(before.rowCount(), after.rowCount());
    for (int row = 1; row < rows; ++row) {
        for (int column = ChannelCodec::RxFreqColumn; column < ChannelCodec::ColumnCount;
             ++column) {
            const std::string a = cell(before, row, column);
            const std::string b = cell(after, row, column);
            if (a == b)
                continue;
            result.channels.push_back({row, column, shown(a), shown(b)});
            const ColumnBits& bits = ChannelColumnBits[static_cast<std::size_t>(column)];
            const std::size_t base = static_cast<std::size_t>(row - 1) * RadioImage::RowSize;
            for (std::size_t i = 0; i < bits.count; ++i)
                explained[base + bits.first + i] |= bits.mask;
        }
    }
}

std::uint8_t fieldMask(const FeatureField& field) {
    switch (field.coding) {
    case FeatureCoding::Flag:
        return static_cast<std::uint8_t>(1u << field.bit);
    case FeatureCoding::Pair:
        return static_cast<std::uint8_t>(3u << field.bit);
    case FeatureCoding::Index:
    case FeatureCoding::IndexUnchecked:
        break;
    }
    return 0xFF;
}

void addSetting(ImageDifferences& result, Explained& explained, std::string_view name,
                std::string a, std::string b, std::size_t offset, std::uint8_t mask) {
    if (a == b)
        return;
    result.settings.push_back({std::string(name), std::move(a), std::move(b)});
    explained[offset] |= mask;
}

void compareSettings(const RadioImage& from, const RadioImage& to, ImageDifferences& result,
                     Explained& explained) {
    const ModelSettings a = ModelSettings::decode(from);
    const ModelSettings b = ModelSettings::decode(to);
    addSetting(result, explained, ModelSettings::ModelLabel,
               entryText(ModelSettings::ModelEntries, a.model()),
               entryText(ModelSettings::ModelEntries, b.model()), ModelSettings::ModelOffset, 0xFF);
    addSetting(result, explained, ModelSettings::BandLabel,
               entryText(ModelSettings::bandEntriesFor(a.model()), a.band()),
               entryText(ModelSettings::bandEntriesFor(b.model()), b.band()),
               ModelSettings::BandOffset, 0xFF);
    for (const FeatureField& field : OptionalFeatures::fields())
        addSetting(result, explained, field.label,
                   entryText(field.entries, OptionalFeatures::decode(field, from)),
                   entryText(field.entries, OptionalFeatures::decode(field, to)), field.offset,
                   fieldMask(field));
}

} // namespace

ImageDifferences ImageDiff::compare(const RadioImage& from, const RadioImage& to) {
    ImageDifferences result;
    Explained explained{};
    compareChannels(from, to, result, explained);
    compareSettings(from, to, result, explained);
    for (std::size_t offset = 0; offset < RadioImage::Size; ++offset) {
        const std::uint8_t differing = from[offset] ^ to[offset];
        if (differing == 0)
            continue;
        if (!transferred(offset))
            ++result.untransferredBytes;
        else if ((differing & ~explained[offset]) != 0)
            ++result.otherBytes;
    }
    return result;
}

} // namespace tarn
