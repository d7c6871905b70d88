#pragma once

#include "data/RadioImage.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace tarn {

// How one option is kept in the settings block.
enum class FeatureCoding {
    Index,          // the byte holds the entry index; past the list reads as entry 0
    IndexUnchecked, // the same, but past the list reads as no selection
    Flag,           // one bit chooses between two entries
    Pair            // two bits: high set = entry 2, else low set = entry 1, else entry 0
};

// One radio-wide option: its box, its place in the image and its list.
struct FeatureField {
    std::string_view label;
    int controlId = 0;
    std::size_t offset = 0;
    FeatureCoding coding = FeatureCoding::Index;
    int bit = 0;                  // Flag: the bit; Pair: the low bit, the high bit is next
    int setEntry = 0;             // Flag: the entry a set bit shows
    bool noSelectionSets = false; // Flag: what an empty box stores
    std::span<const std::string_view> entries;
    bool hidden = false;
};

// The fifteen radio-wide options of Optional Features, as list selections.
class OptionalFeatures {
public:
    static constexpr int NoSelection = -1;
    // A box that opened with no selection and was left so: its bits keep their values.
    static constexpr int Unchanged = -2;
    static constexpr std::size_t FieldCount = 15;
    using Selections = std::array<int, FieldCount>;

    // Box order of the dialog: the left column top down, the right column, the hidden box.
    enum Field {
        TimeOut,
        Squelch,
        Beep,
        CallTone,
        BatterySave,
        Busy,
        Encoder,
        VoxGain,
        ScanMode,
        KeypadLock,
        Led,
        Mode,
        Step,
        ChannelName,
        VoxDelay
    };
    static constexpr int LeftColumnFields = 7;

    [[nodiscard]] static const std::array<FeatureField, FieldCount>& fields();

    [[nodiscard]] static int decode(const FeatureField& field, const RadioImage& image);
    [[nodiscard]] static Selections decode(const RadioImage& image);

    // Read-modify-write of the field's own byte or bits only.
    static void encode(const FeatureField& field, int selection, RadioImage& image);
    // Writes every field; true if any byte changed.
    static bool encode(const Selections& selections, RadioImage& image);
};

} // namespace tarn
