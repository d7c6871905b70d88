#pragma once

#include "data/RadioImage.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace tarn {

// The model type and band bytes as the two list selections of Model Information.
// A selection is a list index, or NoSelection when the box shows no entry.
class ModelSettings {
public:
    static constexpr int NoSelection = -1;
    // A box that opened with no selection and was left so: its byte keeps its value.
    static constexpr int Unchanged = -2;
    static constexpr std::size_t ModelOffset = RadioImage::ModelTypeOffset;
    static constexpr std::size_t BandOffset = RadioImage::BandOffset;
    static constexpr std::string_view ModelLabel = "Model Type";
    static constexpr std::string_view BandLabel = "Frequency";

    static constexpr std::array<std::string_view, 2> ModelEntries = {
        "Orvalle OV-11/OV-12/OV-15/OV-15S", "Orvalle OV-70/OV-72/OV-75/OV-78P"};
    static constexpr std::array<std::string_view, 6> BandEntries = {
        "VHF: 136-174MHz", "UHF: 400-480MHz", "136 - 174MHz",
        "200 - 299MHz",    "300 - 480MHz",    "400 - 550MHz"};

    ModelSettings() = default;
    ModelSettings(int model, int band)
        : m_model(model)
        , m_band(band) {}

    // Stored values outside the lists give no selection; so does any band while the model
    // has none, since its band list is then empty.
    [[nodiscard]] static ModelSettings decode(const RadioImage& image);
    // The band entries offered for a model selection: all six for either model, else none.
    [[nodiscard]] static std::span<const std::string_view> bandEntriesFor(int model);
    // Choosing a model means the full channel table; no selection leaves the count alone.
    [[nodiscard]] static std::optional<int> channelCountFor(int model);

    // Writes the low byte of each index (0xFF for no selection) but leaves an Unchanged one;
    // true if a byte changed.
    bool encode(RadioImage& image) const;

    [[nodiscard]] int model() const { return m_model; }
    [[nodiscard]] int band() const { return m_band; }

    friend bool operator==(const ModelSettings&, const ModelSettings&) = default;

private:
    int m_model = NoSelection;
    int m_band = NoSelection;
};

// The byte an index selection stores: its low byte, so no selection stores 0xFF.
[[nodiscard]] constexpr std::uint8_t selectionByte(int selection) {
    return static_cast<std::uint8_t>(selection & 0xFF);
}

} // namespace tarn
