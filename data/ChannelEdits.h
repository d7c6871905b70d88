#pragma once

#include "common/Translate.h"
#include "data/CellGrid.h"
#include "data/ChannelClip.h"
#include "data/RadioImage.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tarn {

// Whole-channel edits of a document: a channel's cells and its 16-byte image row move
// together, so a channel moved inside TARN keeps the bits no cell shows.
class ChannelEdits {
public:
    static constexpr const char* NothingToPaste =
        "Nothing to paste: the clipboard holds no channels";
    // Why a paste of several channels is refused while a view is found or sorted.
    static constexpr const char* ArrangedPasteText = TARN_TRANSLATE_NOOP(
        "tarn::Prompt",
        "Several channels are pasted only while every channel shows in channel order: they land "
        "on the channels after the first, which a found or sorted view hides or shows elsewhere. "
        "Close the find bar (Esc), and click a sorted column's header until its arrow goes.");

    ChannelEdits(CellGrid& cells, RadioImage& image, int count);

    // Empties the channels: no cell text, a blank image row.
    void clear(std::span<const int> channels);
    enum class Inserted { Done, AlreadyEmpty, NoRoom };
    // An empty channel at the given one: the channels from there down to the first empty
    // channel move down one into it, so no programmed channel is lost. Nothing changes when
    // the channel is empty already or no empty channel lies below it.
    [[nodiscard]] Inserted insert(int channel);
    // What the user is told when Insert finds no room.
    [[nodiscard]] static std::string noRoom(int channel);
    // A channel without frequencies, in the cells the user sees.
    [[nodiscard]] bool isEmpty(int channel) const;
    // The channels go; those below move up and empty channels fill the end.
    void remove(std::span<const int> channels);

    struct Pasted {
        int count = 0;
        // Why nothing was pasted; empty after a paste.
        std::vector<std::string> errors;
    };
    // What the user is told about a refused paste.
    [[nodiscard]] static std::string refusal(const std::vector<std::string>& errors);
    // The clip's channels from the given channel on, in order; the numbers they carry (or a
    // CHIRP channel list's Locations) are not looked at. Every cell is checked first: with one
    // problem, or too many channels to fit, nothing changes. Rows that came from TARN replace
    // whole image rows; text from elsewhere keeps the bits of the target rows that no cell
    // shows.
    [[nodiscard]] Pasted paste(int channel, const ChannelClip& clip);
    // How many channels a paste of the clip would change; 0 when it would change none.
    [[nodiscard]] static int channelsIn(const ChannelClip& clip, int count);

private:
    [[nodiscard]] Pasted pasteChannelList(int channel, std::string_view text);
    [[nodiscard]] std::string tooMany(int count, int channel) const;
    void copyChannel(int from, int to);
    void emptyChannel(int channel);

    CellGrid& m_cells;
    RadioImage& m_image;
    int m_count;
};

} // namespace tarn
