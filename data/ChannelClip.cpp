#include "data/ChannelClip.h"

#include "data/ChannelCodec.h"
#include "data/ChannelTable.h"

namespace tarn {

ChannelClip ChannelClip::of(const CellGrid& cells, const RadioImage& image,
                            std::span<const int> channels) {
    ChannelClip clip;
    clip.text = ChannelTable::format(cells, channels);
    // The cells may hold edits the image has not seen yet.
    RadioImage current = image;
    clip.rows.reserve(channels.size() * RadioImage::RowSize);
    for (const int channel : channels) {
        ChannelCodec::parseRow(cells, channel, current);
        const auto row = current.row(static_cast<std::size_t>(channel - 1));
        clip.rows.insert(clip.rows.end(), row.begin(), row.end());
    }
    return clip;
}

} // namespace tarn
