#include "data/ChannelFill.h"

#include "data/ChannelCodec.h"
#include "data/ToneTable.h"

#include <algorithm>

namespace tarn {

namespace {

const ToneTable& tones() {
    static const ToneTable table;
    return table;
}

} // namespace

std::uint32_t ChannelFill::rxUnits(int index) const {
    return startUnits + static_cast<std::uint32_t>(index) * stepUnits;
}

std::string ChannelFill::check(int channelCount, BandPlan::Region region) const {
    if (count < 1 || first < 1 || first > channelCount)
        return "Nothing to fill.";
    if (first + count - 1 > channelCount)
        return "From channel " + std::to_string(first) + " only " +
               std::to_string(channelCount - first + 1) + " channels fit, not " +
               std::to_string(count) + ".";
    for (const std::string* tone : {&decTone, &encTone}) {
        if (!tones().find(*tone))
            return "\"" + *tone + "\" is no tone or code of the list.";
    }
    if (power != "High" && power != "Middle" && power != "Low")
        return "\"" + power + "\" is no TX power.";
    if (lock != "Lock" && lock != "UnLock")
        return "\"" + lock + "\" is no channel lock.";
    for (int i = 0; i < count; ++i) {
        const std::string name = "Channel " + std::to_string(first + i) + ": ";
        // Computed wide, so a long run cannot wrap round into the range.
        const auto rx = static_cast<std::int64_t>(startUnits) +
                        static_cast<std::int64_t>(i) * static_cast<std::int64_t>(stepUnits);
        if (std::string problem = TxOffset::frequencyProblem(rx); !problem.empty())
            return name + "RX Freq " + problem + ".";
        const TxOffset::Tx tx = offset.txFor(static_cast<std::uint32_t>(rx), region);
        if (!tx.error.empty())
            return name + tx.error;
    }
    return {};
}

int ChannelFill::replaced(const CellGrid& cells) const {
    int programmed = 0;
    for (int channel = first; channel < first + count && channel < cells.rowCount(); ++channel) {
        if (!cells.cellText(channel, ChannelCodec::RxFreqColumn).empty() ||
            !cells.cellText(channel, ChannelCodec::TxFreqColumn).empty())
            ++programmed;
    }
    return programmed;
}

void ChannelFill::applyTo(CellGrid& cells, RadioImage& image, BandPlan::Region region) const {
    for (int i = 0; i < count; ++i) {
        const int channel = first + i;
        const std::uint32_t rx = rxUnits(i);
        // A new channel: nothing of the one it replaces stays behind in the row.
        const auto row = image.row(static_cast<std::size_t>(channel - 1));
        std::fill(row.begin(), row.end(), RadioImage::Blank);
        cells.setCellText(channel, ChannelCodec::RxFreqColumn, ChannelCodec::formatFrequency(rx));
        cells.setCellText(channel, ChannelCodec::TxFreqColumn,
                          ChannelCodec::formatFrequency(offset.txFor(rx, region).units));
        cells.setCellText(channel, ChannelCodec::DecColumn, tones().at(*tones().find(decTone)));
        cells.setCellText(channel, ChannelCodec::EncColumn, tones().at(*tones().find(encTone)));
        cells.setCellText(channel, ChannelCodec::PowerColumn, power);
        cells.setCellText(channel, ChannelCodec::LockColumn, lock);
    }
}

} // namespace tarn
