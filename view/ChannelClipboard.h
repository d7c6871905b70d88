#pragma once

#include "data/ChannelClip.h"

namespace tarn {

// Channels on the system clipboard: the table as plain text, for spreadsheets and editors, and
// the whole rows in a format of TARN's own, for moves from one place in TARN to another.
class ChannelClipboard {
public:
    static constexpr const char* RowsMimeType = "application/x-tarn-channel-rows";

    static void put(const ChannelClip& clip);
    // The clipboard's text, and the rows when TARN put them there; both empty for no text.
    [[nodiscard]] static ChannelClip get();
};

} // namespace tarn
