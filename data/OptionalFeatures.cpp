#include "data/OptionalFeatures.h"

#include "common/Translate.h"
#include "data/ModelSettings.h"

namespace tarn {

namespace {

constexpr std::array<std::string_view, 4> TimeOutEntries = {
    TARN_TRANSLATE_NOOP("tarn::OptionalFeatures", "Off"), "1m", "3m", "10m"};
constexpr std::array<std::string_view, 10> SquelchEntries = {"0", "1", "2", "3", "4",
                                                             "5", "6", "7", "8", "9"};
constexpr std::array<std::string_view, 2> OffOnEntries = {
    TARN_TRANSLATE_NOOP("tarn::OptionalFeatures", "Off"),
    TARN_TRANSLATE_NOOP("tarn::OptionalFeatures", "On")};
constexpr std::array<std::string_view, 10> CallToneEntries = {
    TARN_TRANSLATE_NOOP("tarn::OptionalFeatures", "Off"),
    "1",
    "2",
    "3",
    "4",
    "5",
    "6",
    "7",
    "8",
    "1750"};
constexpr std::array<std::string_view, 6> BatterySaveEntries = {
    TARN_TRANSLATE_NOOP("tarn::OptionalFeatures", "Off"), "0.2", "0.4", "0.6", "0.8", "1.0"};
constexpr std::array<std::string_view, 17> VoxGainEntries = {
    TARN_TRANSLATE_NOOP("tarn::OptionalFeatures", "Off"),
    "1",
    "2",
    "3",
    "4",
    "5",
    "6",
    "7",
    "8",
    "9",
    "10",
    "11",
    "12",
    "13",
    "14",
    "15",
    "16"};
constexpr std::array<std::string_view, 3> ScanModeEntries = {"SE", "CO", "TO"};
constexpr std::array<std::string_view, 2> KeypadLockEntries = {
    TARN_TRANSLATE_NOOP("tarn::OptionalFeatures", "Manual"),
    TARN_TRANSLATE_NOOP("tarn::OptionalFeatures", "Auto")};
constexpr std::array<std::string_view, 3> LedEntries = {
    TARN_TRANSLATE_NOOP("tarn::OptionalFeatures", "Off"),
    TARN_TRANSLATE_NOOP("tarn::OptionalFeatures", "Auto"),
    TARN_TRANSLATE_NOOP("tarn::OptionalFeatures", "On")};
constexpr std::array<std::string_view, 3> ModeEntries = {
    TARN_TRANSLATE_NOOP("tarn::OptionalFeatures", "Channel"),
    TARN_TRANSLATE_NOOP("tarn::OptionalFeatures", "Frequency"),
    TARN_TRANSLATE_NOOP("tarn::OptionalFeatures", "Memory")};
constexpr std::array<std::string_view, 5> StepEntries = {"5k", "10k", "6.25k", "12.5k", "25k"};
constexpr std::array<std::string_view, 6> VoxDelayEntries = {"0.3", "0.5", "1.0",
                                                             "1.5", "2.0", "3.0"};

FeatureField indexField(std::string_view label, int id, std::size_t offset,
                        std::span<const std::string_view> entries) {
    FeatureField field;
    field.label = label;
    field.controlId = id;
    field.offset = offset;
    field.coding = FeatureCoding::Index;
    field.entries = entries;
    return field;
}

FeatureField flagField(std::string_view label, int id, std::size_t offset, int bit, int setEntry,
                       bool noSelectionSets, std::span<const std::string_view> entries) {
    FeatureField field = indexField(label, id, offset, entries);
    field.coding = FeatureCoding::Flag;
    field.bit = bit;
    field.setEntry = setEntry;
    field.noSelectionSets = noSelectionSets;
    return field;
}

FeatureField pairField(std::string_view label, int id, std::size_t offset, int lowBit,
                       std::span<const std::string_view> entries) {
    FeatureField field = indexField(label, id, offset, entries);
    field.coding = FeatureCoding::Pair;
    field.bit = lowBit;
    return field;
}

std::array<FeatureField, OptionalFeatures::FieldCount> makeFields() {
    FeatureField step = indexField(TARN_TRANSLATE_NOOP("tarn::OptionalFeatures", "Step"), 1081,
                                   0x1FE0, StepEntries);
    step.coding = FeatureCoding::IndexUnchecked;
    FeatureField voxDelay =
        indexField(TARN_TRANSLATE_NOOP("tarn::OptionalFeatures", "Vox delay time"), 1014, 0x1FE7,
                   VoxDelayEntries);
    voxDelay.hidden = true;
    return {
        indexField(TARN_TRANSLATE_NOOP("tarn::OptionalFeatures", "Time out timer(TOT)"), 1013,
                   0x1FC3, TimeOutEntries),
        indexField(TARN_TRANSLATE_NOOP("tarn::OptionalFeatures", "Squelch Level"), 1016, 0x1FC1,
                   SquelchEntries),
        flagField(TARN_TRANSLATE_NOOP("tarn::OptionalFeatures", "Beep"), 1076, 0x1FC0, 0, 1, false,
                  OffOnEntries),
        indexField(TARN_TRANSLATE_NOOP("tarn::OptionalFeatures", "Call Tone"), 1073, 0x1FE5,
                   CallToneEntries),
        indexField(TARN_TRANSLATE_NOOP("tarn::OptionalFeatures", "Battery Save"), 1071, 0x1FE6,
                   BatterySaveEntries),
        flagField(TARN_TRANSLATE_NOOP("tarn::OptionalFeatures", "Busy"), 1078, 0x1FE1, 6, 0, false,
                  OffOnEntries),
        flagField(TARN_TRANSLATE_NOOP("tarn::OptionalFeatures", "Encoder"), 1079, 0x1FE2, 5, 1,
                  true, OffOnEntries),
        indexField(TARN_TRANSLATE_NOOP("tarn::OptionalFeatures", "Vox Gain Level"), 1012, 0x1FE4,
                   VoxGainEntries),
        pairField(TARN_TRANSLATE_NOOP("tarn::OptionalFeatures", "Scan Mode"), 1072, 0x1FE1, 4,
                  ScanModeEntries),
        flagField(TARN_TRANSLATE_NOOP("tarn::OptionalFeatures", "Keypad lock"), 1074, 0x1FE1, 1, 1,
                  true, KeypadLockEntries),
        pairField(TARN_TRANSLATE_NOOP("tarn::OptionalFeatures", "LED"), 1075, 0x1FE1, 2,
                  LedEntries),
        pairField(TARN_TRANSLATE_NOOP("tarn::OptionalFeatures", "Mode"), 1077, 0x1FE2, 0,
                  ModeEntries),
        step,
        flagField(TARN_TRANSLATE_NOOP("tarn::OptionalFeatures", "Channel Name"), 1070, 0x1FE1, 7, 0,
                  false, OffOnEntries),
        voxDelay,
    };
}

bool bitSet(std::uint8_t byte, int bit) {
    return ((byte >> bit) & 1U) != 0;
}

std::uint8_t withBit(std::uint8_t byte, int bit, bool set) {
    const auto mask = static_cast<std::uint8_t>(1U << bit);
    return set ? static_cast<std::uint8_t>(byte | mask) : static_cast<std::uint8_t>(byte & ~mask);
}

int entryCount(const FeatureField& field) {
    return static_cast<int>(field.entries.size());
}

} // namespace

const std::array<FeatureField, OptionalFeatures::FieldCount>& OptionalFeatures::fields() {
    static const std::array<FeatureField, FieldCount> table = makeFields();
    return table;
}

int OptionalFeatures::decode(const FeatureField& field, const RadioImage& image) {
    const std::uint8_t byte = image[field.offset];
    switch (field.coding) {
    case FeatureCoding::Index:
        return byte < entryCount(field) ? byte : 0;
    case FeatureCoding::IndexUnchecked:
        return byte < entryCount(field) ? byte : NoSelection;
    case FeatureCoding::Flag:
        return bitSet(byte, field.bit) ? field.setEntry : 1 - field.setEntry;
    case FeatureCoding::Pair:
        if (bitSet(byte, field.bit + 1))
            return 2;
        return bitSet(byte, field.bit) ? 1 : 0;
    }
    return NoSelection;
}

OptionalFeatures::Selections OptionalFeatures::decode(const RadioImage& image) {
    Selections selections{};
    for (std::size_t i = 0; i < FieldCount; ++i)
        selections[i] = decode(fields()[i], image);
    return selections;
}

void OptionalFeatures::encode(const FeatureField& field, int selection, RadioImage& image) {
    if (selection == Unchanged)
        return;
    std::uint8_t& byte = image[field.offset];
    switch (field.coding) {
    case FeatureCoding::Index:
    case FeatureCoding::IndexUnchecked:
        byte = selectionByte(selection);
        return;
    case FeatureCoding::Flag: {
        const bool set =
            selection == NoSelection ? field.noSelectionSets : selection == field.setEntry;
        byte = withBit(byte, field.bit, set);
        return;
    }
    case FeatureCoding::Pair:
        // An empty box stores the third code, so the pair never holds both bits.
        byte = withBit(byte, field.bit, selection == 1);
        byte = withBit(byte, field.bit + 1, selection != 0 && selection != 1);
        return;
    }
}

bool OptionalFeatures::encode(const Selections& selections, RadioImage& image) {
    const RadioImage before = image;
    for (std::size_t i = 0; i < FieldCount; ++i)
        encode(fields()[i], selections[i], image);
    return !(image == before);
}

} // namespace tarn
