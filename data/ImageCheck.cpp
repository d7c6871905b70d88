#include "data/ImageCheck.h"

#include "data/ChannelCodec.h"
#include "data/ModelBand.h"
#include "data/TextGrid.h"
#include "data/ToneTable.h"

#include <algorithm>
#include <cstdio>
#include <span>

namespace tarn {

namespace {

using Row = std::span<const std::uint8_t, RadioImage::RowSize>;

// The bytes of a row each column stands for, and the bits of them.
struct ColumnBytes {
    int column;
    std::size_t first;
    std::size_t count;
    std::uint8_t mask;
};

constexpr ColumnBytes Layout[] = {
    {ChannelCodec::RxFreqColumn, 0, 4, 0xFF}, {ChannelCodec::TxFreqColumn, 4, 4, 0xFF},
    {ChannelCodec::DecColumn, 8, 2, 0xFF},    {ChannelCodec::EncColumn, 10, 2, 0xFF},
    {ChannelCodec::PowerColumn, 12, 1, 0x30}, {ChannelCodec::LockColumn, 12, 1, 0x08}};

constexpr std::size_t FlagsByte = 12;
constexpr std::uint8_t PowerBits = 0x30;

std::string hex(Row row, const ColumnBytes& bytes) {
    std::string text;
    char buffer[4];
    for (std::size_t i = 0; i < bytes.count; ++i) {
        std::snprintf(buffer, sizeof buffer, "%02X", row[bytes.first + i] & bytes.mask);
        text += (i ? " " : "") + std::string(buffer);
    }
    return text;
}

bool differs(Row a, Row b, const ColumnBytes& bytes) {
    for (std::size_t i = bytes.first; i < bytes.first + bytes.count; ++i) {
        if ((a[i] & bytes.mask) != (b[i] & bytes.mask))
            return true;
    }
    return false;
}

class ChannelChecker {
public:
    ChannelChecker(const RadioImage& image, int count)
        : m_image(image)
        , m_band(ModelBand::of(image)) {
        ChannelCodec::render(image, m_cells, count);
        m_parsed = image;
        ChannelCodec::parse(m_cells, m_parsed, count);
    }

    void check(int channel, std::vector<ImageCheck::Finding>& found) const {
        const auto index = static_cast<std::size_t>(channel - 1);
        const Row stored = m_image.row(index);
        if (!ChannelCodec::isProgrammed(stored))
            return;
        const Row saved = m_parsed.row(index);
        for (const ColumnBytes& bytes : Layout) {
            std::string reason = reasonFor(channel, stored, saved, bytes);
            if (!reason.empty())
                found.push_back({channel, bytes.column, std::move(reason)});
        }
    }

private:
    std::string reasonFor(int channel, Row stored, Row saved, const ColumnBytes& bytes) const {
        const std::string text = m_cells.cellText(channel, bytes.column);
        const bool frequency = bytes.column == ChannelCodec::RxFreqColumn ||
                               bytes.column == ChannelCodec::TxFreqColumn;
        if (frequency && m_band && m_band->excludes(text))
            return text + " lies outside the band of the model (" + std::string(m_band->name()) +
                   ")";
        if (bytes.column == ChannelCodec::PowerColumn &&
            (stored[FlagsByte] & PowerBits) == PowerBits)
            return "the power bits 11 name no power the grid can show";
        const bool tone =
            bytes.column == ChannelCodec::DecColumn || bytes.column == ChannelCodec::EncColumn;
        if (tone && !text.empty() && !m_tones.find(text))
            return "the bytes " + hex(stored, bytes) + " show \"" + text +
                   "\", which is no tone or code of the list";
        if (differs(stored, saved, bytes))
            return "the bytes " + hex(stored, bytes) + " show \"" + text +
                   "\" and a save would store " + hex(saved, bytes);
        return {};
    }

    const RadioImage& m_image;
    std::optional<ModelBand> m_band;
    TextGrid m_cells;
    RadioImage m_parsed;
    ToneTable m_tones;
};

} // namespace

std::vector<ImageCheck::Finding> ImageCheck::check(const RadioImage& image, int count) {
    const ChannelChecker checker(image, count);
    std::vector<Finding> found;
    for (int channel = 1; channel <= count; ++channel)
        checker.check(channel, found);
    return found;
}

std::string ImageCheck::describe(const Finding& finding) {
    return "channel " + std::to_string(finding.channel) + ", " +
           ChannelCodec::Headers[finding.column] + ": " + finding.reason;
}

} // namespace tarn
