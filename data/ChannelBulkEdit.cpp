#include "data/ChannelBulkEdit.h"

#include "data/ChannelCodec.h"
#include "data/ToneTable.h"

namespace tarn {

namespace {

const ToneTable& tones() {
    static const ToneTable table;
    return table;
}

bool isProgrammed(const CellGrid& cells, int channel) {
    return !cells.cellText(channel, ChannelCodec::RxFreqColumn).empty() ||
           !cells.cellText(channel, ChannelCodec::TxFreqColumn).empty();
}

std::string channelName(int channel) {
    return "Channel " + std::to_string(channel);
}

std::string choiceProblem(const std::optional<std::string>& value, const char* first,
                          const char* second, const char* third, const char* what) {
    if (!value || *value == first || *value == second || (third != nullptr && *value == third))
        return {};
    return "\"" + *value + "\" is no " + what + ".";
}

} // namespace

std::string ChannelBulkEdit::check(const CellGrid& cells, std::span<const int> channels,
                                   BandPlan::Region region) const {
    for (const auto* tone : {&decTone, &encTone}) {
        if (*tone && !tones().find(**tone))
            return "\"" + **tone + "\" is no tone or code of the list.";
    }
    std::string problem = choiceProblem(power, "High", "Middle", "Low", "TX power");
    if (problem.empty())
        problem = choiceProblem(lock, "Lock", "UnLock", nullptr, "channel lock");
    if (!problem.empty() || !offset)
        return problem;
    for (const int channel : channels) {
        if (!isProgrammed(cells, channel))
            continue;
        const std::uint32_t rx =
            ChannelCodec::frequencyUnits(cells.cellText(channel, ChannelCodec::RxFreqColumn));
        if (rx == 0)
            return channelName(channel) + " has no RX Freq to set its TX Freq from.";
        const TxOffset::Tx tx = offset->txFor(rx, region);
        if (!tx.error.empty())
            return channelName(channel) + ": " + tx.error;
    }
    return {};
}

void ChannelBulkEdit::applyTo(CellGrid& cells, std::span<const int> channels,
                              BandPlan::Region region) const {
    for (const int channel : channels) {
        if (!isProgrammed(cells, channel))
            continue;
        if (offset) {
            const std::uint32_t rx =
                ChannelCodec::frequencyUnits(cells.cellText(channel, ChannelCodec::RxFreqColumn));
            cells.setCellText(channel, ChannelCodec::TxFreqColumn,
                              ChannelCodec::formatFrequency(offset->txFor(rx, region).units));
        }
        // Stored as the list writes them, whatever case they came in.
        if (decTone)
            cells.setCellText(channel, ChannelCodec::DecColumn,
                              tones().at(*tones().find(*decTone)));
        if (encTone)
            cells.setCellText(channel, ChannelCodec::EncColumn,
                              tones().at(*tones().find(*encTone)));
        if (power)
            cells.setCellText(channel, ChannelCodec::PowerColumn, *power);
        if (lock)
            cells.setCellText(channel, ChannelCodec::LockColumn, *lock);
    }
}

} // namespace tarn
