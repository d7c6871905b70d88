#include "data/ChannelCsvExport.h"

#include "data/ChannelCodec.h"
#include "data/ChannelCsvColumns.h"
#include "data/ChannelCsvReport.h"
#include "data/ChannelCsvTones.h"
#include "data/CsvText.h"

#include <charconv>
#include <cstdio>

namespace tarn {

namespace {

using C = ChannelCsvColumns;

constexpr std::size_t FlagsByte = 12;
constexpr std::uint8_t PowerMask = 0x30;

// 10 Hz units of a frequency text as the codec renders it ("146.52500").
std::uint64_t unitsOf(const std::string& text) {
    const std::size_t point = text.find('.');
    std::uint64_t whole = 0;
    std::uint64_t fraction = 0;
    std::from_chars(text.data(), text.data() + point, whole);
    std::from_chars(text.data() + point + 1, text.data() + text.size(), fraction);
    return whole * 100000 + fraction;
}

// Megahertz with six decimals.
std::string megahertz(std::uint64_t units) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%llu.%05llu0",
                  static_cast<unsigned long long>(units / 100000),
                  static_cast<unsigned long long>(units % 100000));
    return buffer;
}

const char* powerName(std::uint8_t flags) {
    switch (flags & PowerMask) {
    case 0x20:
        return "High";
    case 0x10:
        return "Mid";
    case 0x00:
        return "Low";
    default:
        return ""; // the fourth value has no name
    }
}

void writeDuplex(std::vector<std::string>& fields, std::uint64_t rx, const std::string& txText) {
    std::string& duplex = fields[C::Duplex];
    std::string& offset = fields[C::Offset];
    offset = megahertz(0);
    if (txText.empty()) {
        duplex = "off";
        return;
    }
    const std::uint64_t tx = unitsOf(txText);
    if (tx == rx)
        return;
    const std::uint64_t apart = tx > rx ? tx - rx : rx - tx;
    if (apart <= ChannelCsvExport::ShiftLimitUnits) {
        duplex = tx > rx ? "+" : "-";
        offset = megahertz(apart);
    } else {
        duplex = "split";
        offset = megahertz(tx);
    }
}

std::vector<std::string> channelFields(int channel, std::span<const std::uint8_t, 16> row,
                                       const std::string& rxText) {
    std::vector<std::string> fields(C::Count);
    const std::uint64_t rx = unitsOf(rxText);
    fields[C::Location] = std::to_string(channel);
    fields[C::Frequency] = megahertz(rx);
    writeDuplex(fields, rx, ChannelCodec::renderFrequency(row.subspan<4, 4>()));
    const auto tones = ChannelCsvTones::toColumns(ChannelCodec::renderTone(row[11], row[10], true),
                                                  ChannelCodec::renderTone(row[9], row[8], false));
    fields[C::Tone] = tones.tone;
    fields[C::RToneFreq] = tones.rToneFreq;
    fields[C::CToneFreq] = tones.cToneFreq;
    fields[C::DtcsCode] = tones.dtcsCode;
    fields[C::DtcsPolarity] = tones.dtcsPolarity;
    fields[C::RxDtcsCode] = tones.rxDtcsCode;
    fields[C::CrossMode] = tones.crossMode;
    fields[C::Mode] = "FM";
    fields[C::TStep] = rx % 500 == 0 ? "5.00" : "6.25";
    fields[C::Power] = powerName(row[FlagsByte]);
    return fields;
}

} // namespace

ChannelCsvExport::Result ChannelCsvExport::write(const RadioImage& image, int channelCount) {
    Result result;
    result.text = CsvText::formatRecord({C::Names.begin(), C::Names.end()});
    for (int channel = 1; channel <= channelCount; ++channel) {
        const auto row = image.row(static_cast<std::size_t>(channel - 1));
        const std::string rx = ChannelCodec::renderFrequency(row.subspan<0, 4>());
        if (rx.empty()) {
            if (!ChannelCodec::renderFrequency(row.subspan<4, 4>()).empty())
                result.leftOut.push_back(channel);
            continue;
        }
        result.text += CsvText::formatRecord(channelFields(channel, row, rx));
        ++result.written;
    }
    return result;
}

std::vector<std::string> ChannelCsvExport::Result::reportLines() const {
    std::vector<std::string> lines{"Channels written: " + std::to_string(written) + "."};
    if (!leftOut.empty())
        lines.push_back("Left out, having only a TX frequency, which the list cannot hold: " +
                        std::string(leftOut.size() == 1 ? "channel " : "channels ") +
                        ChannelCsvReport::ranges(leftOut) + ".");
    return lines;
}

} // namespace tarn
