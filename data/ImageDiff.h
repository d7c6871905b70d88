#pragma once

#include "data/RadioImage.h"

#include <cstddef>
#include <string>
#include <vector>

namespace tarn {

// A channel cell that differs, in the grid's own texts.
struct ChannelDifference {
    int channel = 0; // 1-based, as numbered in the grid
    int column = 0;  // ChannelCodec::Column
    std::string from;
    std::string to;
};

// A radio-wide setting that differs, named and shown as its dialog shows it.
struct SettingDifference {
    std::string name;
    std::string from;
    std::string to;
};

struct ImageDifferences {
    std::vector<ChannelDifference> channels;
    std::vector<SettingDifference> settings;
    // Bytes a radio transfer moves that differ beyond the fields listed above.
    std::size_t otherBytes = 0;
    // Bytes that differ where only files keep them; they never reach a radio.
    std::size_t untransferredBytes = 0;

    // Equal as far as a radio is concerned.
    [[nodiscard]] bool equal() const {
        return channels.empty() && settings.empty() && otherBytes == 0;
    }
};

// What differs between two images, as the user sees it in the grid and the option dialogs.
class ImageDiff {
public:
    // Each image shows as many channels as its model byte gives; a channel one image does not
    // show counts as empty there.
    [[nodiscard]] static ImageDifferences compare(const RadioImage& from, const RadioImage& to);
    // Empty text of a cell or a setting with no entry, as listed.
    static constexpr const char* EmptyText = "(empty)";
    static constexpr const char* NoEntryText = "(none)";
};

} // namespace tarn
