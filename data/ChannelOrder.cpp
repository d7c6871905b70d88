#include "data/ChannelOrder.h"

#include "data/ChannelCodec.h"
#include "data/ToneTable.h"

#include <algorithm>
#include <array>
#include <numeric>
#include <set>
#include <string>

namespace tarn {

namespace {

constexpr int Columns = ChannelCodec::ColumnCount;
constexpr std::size_t PowerByte = 12;

std::size_t rowOf(int channel) {
    return static_cast<std::size_t>(channel - 1);
}

const ToneTable& tones() {
    static const ToneTable table;
    return table;
}

bool hasFrequency(const CellGrid& cells, int channel) {
    return !cells.cellText(channel, ChannelCodec::RxFreqColumn).empty() ||
           !cells.cellText(channel, ChannelCodec::TxFreqColumn).empty();
}

std::optional<long> frequencyKey(const CellGrid& cells, int channel, int column) {
    const std::uint32_t units = ChannelCodec::frequencyUnits(cells.cellText(channel, column));
    if (units == 0)
        return std::nullopt;
    return static_cast<long>(units);
}

std::optional<long> toneKey(const CellGrid& cells, int channel, int column) {
    if (!hasFrequency(cells, channel))
        return std::nullopt;
    const std::string text = cells.cellText(channel, column);
    if (text.empty())
        return 0;
    // Codes the list does not hold (read from an image) come after those it does.
    return tones().find(text).value_or(ToneTable::Size);
}

std::optional<long> powerKey(const CellGrid& cells, const RadioImage& image, int channel) {
    if (!hasFrequency(cells, channel))
        return std::nullopt;
    const std::string text = cells.cellText(channel, ChannelCodec::PowerColumn);
    if (text == "High")
        return 0;
    if (text == "Middle")
        return 1;
    if (text == "Low")
        return 2;
    // An empty cell keeps the image's power bits: the unnamed value, or what they name.
    switch ((image.row(rowOf(channel))[PowerByte] >> 4) & 0x3) {
    case 2:
        return 0;
    case 1:
        return 1;
    case 0:
        return 2;
    default:
        return 3;
    }
}

std::optional<long> sortKey(const CellGrid& cells, const RadioImage& image, int channel,
                            ChannelOrder::Key key) {
    switch (key) {
    case ChannelOrder::Key::RxFreq:
        return frequencyKey(cells, channel, ChannelCodec::RxFreqColumn);
    case ChannelOrder::Key::TxFreq:
        return frequencyKey(cells, channel, ChannelCodec::TxFreqColumn);
    case ChannelOrder::Key::DecTone:
        return toneKey(cells, channel, ChannelCodec::DecColumn);
    case ChannelOrder::Key::EncTone:
        return toneKey(cells, channel, ChannelCodec::EncColumn);
    case ChannelOrder::Key::Power:
        return powerKey(cells, image, channel);
    }
    return std::nullopt;
}

std::set<int> within(int count, std::span<const int> channels) {
    std::set<int> set;
    for (const int channel : channels) {
        if (channel >= 1 && channel <= count)
            set.insert(channel);
    }
    return set;
}

} // namespace

std::optional<ChannelOrder::Key> ChannelOrder::keyNamed(std::string_view name) {
    constexpr std::array<std::pair<std::string_view, Key>, 5> Names{{{"rx", Key::RxFreq},
                                                                     {"tx", Key::TxFreq},
                                                                     {"dec", Key::DecTone},
                                                                     {"enc", Key::EncTone},
                                                                     {"power", Key::Power}}};
    for (const auto& [text, key] : Names) {
        if (text == name)
            return key;
    }
    return std::nullopt;
}

const char* ChannelOrder::keyTitle(Key key) {
    return ChannelCodec::Headers[static_cast<int>(key) + ChannelCodec::RxFreqColumn];
}

std::optional<long> ChannelOrder::columnKey(const CellGrid& cells, const RadioImage& image,
                                            int channel, int column) {
    if (column == ChannelCodec::LockColumn) {
        if (!hasFrequency(cells, channel))
            return std::nullopt;
        const std::string text = cells.cellText(channel, column);
        return text == "Lock" ? 0 : text == "UnLock" ? 1 : 2;
    }
    if (column < ChannelCodec::RxFreqColumn || column > ChannelCodec::PowerColumn)
        return std::nullopt;
    return sortKey(cells, image, channel, static_cast<Key>(column - ChannelCodec::RxFreqColumn));
}

ChannelOrder::Order ChannelOrder::identity(int count) {
    Order order(static_cast<std::size_t>(std::max(count, 0)));
    std::iota(order.begin(), order.end(), 1);
    return order;
}

ChannelOrder::Order ChannelOrder::sorted(const CellGrid& cells, const RadioImage& image, int count,
                                         Sort sort, std::span<const int> only) {
    Order order = identity(count);
    std::vector<int> places;
    if (only.empty()) {
        places = order;
    } else {
        const std::set<int> chosen = within(count, only);
        places.assign(chosen.begin(), chosen.end());
    }
    std::vector<std::pair<std::optional<long>, int>> keyed;
    for (const int channel : places)
        keyed.emplace_back(sortKey(cells, image, channel, sort.key), channel);
    std::stable_sort(keyed.begin(), keyed.end(), [&sort](const auto& a, const auto& b) {
        if (!a.first || !b.first)
            return a.first.has_value() && !b.first.has_value();
        return sort.descending ? *a.first > *b.first : *a.first < *b.first;
    });
    for (std::size_t i = 0; i < places.size(); ++i)
        order[rowOf(places[i])] = keyed[i].second;
    return order;
}

ChannelOrder::Order ChannelOrder::movedBy(int count, std::span<const int> channels, int by) {
    Order order = identity(count);
    const std::set<int> moving = within(count, channels);
    const auto moves = [&moving](int channel) { return moving.count(channel) != 0; };
    if (by < 0) {
        for (std::size_t i = 1; i < order.size(); ++i) {
            if (moves(order[i]) && !moves(order[i - 1]))
                std::swap(order[i], order[i - 1]);
        }
    } else if (by > 0) {
        for (std::size_t i = order.size(); i-- > 1;) {
            if (moves(order[i - 1]) && !moves(order[i]))
                std::swap(order[i], order[i - 1]);
        }
    }
    return order;
}

ChannelOrder::Order ChannelOrder::movedTo(int count, std::span<const int> channels, int before) {
    const std::set<int> moving = within(count, channels);
    Order staying;
    int insertAt = 0;
    for (int channel = 1; channel <= count; ++channel) {
        if (moving.count(channel) != 0)
            continue;
        if (channel < before)
            ++insertAt;
        staying.push_back(channel);
    }
    Order order = staying;
    order.insert(order.begin() + insertAt, moving.begin(), moving.end());
    return order;
}

std::vector<int> ChannelOrder::placesOf(const Order& order, std::span<const int> channels) {
    const std::set<int> wanted(channels.begin(), channels.end());
    std::vector<int> places;
    for (std::size_t i = 0; i < order.size(); ++i) {
        if (wanted.count(order[i]) != 0)
            places.push_back(static_cast<int>(i) + 1);
    }
    return places;
}

bool ChannelOrder::apply(const Order& order, CellGrid& cells, RadioImage& image) {
    const RadioImage before = image;
    std::vector<std::array<std::string, Columns>> texts(order.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        for (int c = 1; c < Columns; ++c)
            texts[i][static_cast<std::size_t>(c)] = cells.cellText(static_cast<int>(i) + 1, c);
    }
    bool moved = false;
    for (std::size_t i = 0; i < order.size(); ++i) {
        const int from = order[i];
        if (from == static_cast<int>(i) + 1)
            continue;
        moved = true;
        for (int c = 1; c < Columns; ++c)
            cells.setCellText(static_cast<int>(i) + 1, c,
                              texts[rowOf(from)][static_cast<std::size_t>(c)]);
        const auto source = before.row(rowOf(from));
        std::copy(source.begin(), source.end(), image.row(i).begin());
    }
    return moved;
}

} // namespace tarn
