#pragma once

#include "data/CellGrid.h"
#include "data/RadioImage.h"

#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace tarn {

// New orders of a document's channels: sorted by a column, moved up or down, a block moved
// elsewhere. An order lists, for channels 1..count, the channel that comes to stand there;
// applying it moves whole channels, cells and 16-byte image rows together.
class ChannelOrder {
public:
    enum class Key { RxFreq, TxFreq, DecTone, EncTone, Power };
    struct Sort {
        Key key = Key::RxFreq;
        bool descending = false;
    };
    using Order = std::vector<int>;

    // "rx", "tx", "dec", "enc", "power".
    [[nodiscard]] static std::optional<Key> keyNamed(std::string_view name);
    // What the dialog and the Undo item call a key.
    [[nodiscard]] static const char* keyTitle(Key key);

    // What a channel sorts by in a sheet column (1 RX Freq .. 6 CHN Lock), in the order
    // `sorted` uses, Lock before UnLock; nothing for a channel without the column's value.
    [[nodiscard]] static std::optional<long>
    columnKey(const CellGrid& cells, const RadioImage& image, int channel, int column);

    [[nodiscard]] static Order identity(int count);
    // Stable; frequencies by value, tones in tone-list order, power High, Middle, Low, then the
    // unnamed fourth value; channels without the key's value last in either direction. With
    // `only` not empty, just those channels are sorted among their own places.
    [[nodiscard]] static Order sorted(const CellGrid& cells, const RadioImage& image, int count,
                                      Sort sort, std::span<const int> only);
    // The channels, each with its neighbour above (by -1) or below (+1) unless that one moves
    // too; a block at the edge stays.
    [[nodiscard]] static Order movedBy(int count, std::span<const int> channels, int by);
    // The channels, in their order, as a block before the channel `before` (count + 1: at the
    // end).
    [[nodiscard]] static Order movedTo(int count, std::span<const int> channels, int before);
    // Where the given channels stand after the order is applied, ascending.
    [[nodiscard]] static std::vector<int> placesOf(const Order& order,
                                                   std::span<const int> channels);

    // Moves channels as the order says; false when it moves none.
    static bool apply(const Order& order, CellGrid& cells, RadioImage& image);
};

// What Sort Channels asks: the order, and whether only the selected channels take part.
struct ChannelSortChoice {
    ChannelOrder::Sort sort;
    bool onlySelected = false;
};

} // namespace tarn
