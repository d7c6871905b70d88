#pragma once

#include "common/Translate.h"
#include "data/CellGrid.h"
#include "data/DecimalNumber.h"
#include "data/RadioImage.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <utility>

namespace tarn {

// Converts channel rows of an image to grid texts and back.
class ChannelCodec {
public:
    enum Column {
        NumberColumn = 0,
        RxFreqColumn,
        TxFreqColumn,
        DecColumn,
        EncColumn,
        PowerColumn,
        LockColumn,
        ColumnCount
    };
    // Translated where the grid and the printout show them; files keep them as written.
    static constexpr const char* Headers[ColumnCount] = {
        TARN_TRANSLATE_NOOP("tarn::ChannelCodec", "Channel NO."),
        TARN_TRANSLATE_NOOP("tarn::ChannelCodec", "RX Freq"),
        TARN_TRANSLATE_NOOP("tarn::ChannelCodec", "TX Freq"),
        TARN_TRANSLATE_NOOP("tarn::ChannelCodec", "QT/DQT Dec"),
        TARN_TRANSLATE_NOOP("tarn::ChannelCodec", "QT/DQT Enc"),
        TARN_TRANSLATE_NOOP("tarn::ChannelCodec", "TX Power"),
        TARN_TRANSLATE_NOOP("tarn::ChannelCodec", "CHN Lock")};

    // Row count to count + 1 and the "%3d" numbers in column 0.
    static void numberRows(CellGrid& grid, int count);
    // Numbers the rows, then fills columns 1-6 of rows 1..count from the image.
    static void render(const RadioImage& image, CellGrid& grid, int count);
    // Reads columns 1-6 of rows 1..count into the image. An empty TX Power cell of a
    // programmed row keeps the power bits the image holds (the fourth value has no text).
    static void parse(const CellGrid& grid, RadioImage& image, int count);
    // The same for one channel; the bits no cell shows stay as the image holds them.
    static void parseRow(const CellGrid& grid, int channel, RadioImage& image);

    // Field codings, shared with the cell editor and the command line.
    [[nodiscard]] static std::string renderFrequency(std::span<const std::uint8_t, 4> bytes);
    [[nodiscard]] static std::string renderTone(std::uint8_t high, std::uint8_t low, bool transmit);
    // 10 Hz units of the leading number of a frequency text, rounded; 0 for none or negative.
    [[nodiscard]] static std::uint32_t frequencyUnits(std::string_view text);
    [[nodiscard]] static std::string formatFrequency(std::uint32_t units);
    static void encodeFrequency(std::uint32_t units, std::span<std::uint8_t, 4> bytes);
    // {high, low} of a tone text.
    [[nodiscard]] static std::pair<std::uint8_t, std::uint8_t> encodeTone(std::string_view text);
    // Leading decimal number of a text as atof reads it, exactly; 0 when there is none.
    [[nodiscard]] static DecimalNumber leadingNumber(std::string_view text);

    [[nodiscard]] static bool isProgrammed(std::span<const std::uint8_t, RadioImage::RowSize> row);
};

} // namespace tarn
