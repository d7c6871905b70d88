#include "data/ChannelEdits.h"

#include "data/ChannelCodec.h"
#include "data/ChannelCsvImport.h"
#include "data/ChannelTable.h"

#include <algorithm>
#include <set>

namespace tarn {

namespace {

constexpr int Columns = ChannelCodec::ColumnCount;

std::size_t rowOf(int channel) {
    return static_cast<std::size_t>(channel - 1);
}

} // namespace

ChannelEdits::ChannelEdits(CellGrid& cells, RadioImage& image, int count)
    : m_cells(cells)
    , m_image(image)
    , m_count(count) {}

void ChannelEdits::clear(std::span<const int> channels) {
    for (const int channel : channels)
        emptyChannel(channel);
}

ChannelEdits::Inserted ChannelEdits::insert(int channel) {
    if (isEmpty(channel))
        return Inserted::AlreadyEmpty;
    int hole = channel + 1;
    while (hole <= m_count && !isEmpty(hole))
        ++hole;
    if (hole > m_count)
        return Inserted::NoRoom;
    for (int to = hole; to > channel; --to)
        copyChannel(to - 1, to);
    emptyChannel(channel);
    return Inserted::Done;
}

std::string ChannelEdits::noRoom(int channel) {
    return "No empty channel below channel " + std::to_string(channel) + " to make room";
}

bool ChannelEdits::isEmpty(int channel) const {
    // The cells are the working copy: a channel typed but not yet saved is programmed, one
    // whose frequencies were emptied is not.
    return m_cells.cellText(channel, ChannelCodec::RxFreqColumn).empty() &&
           m_cells.cellText(channel, ChannelCodec::TxFreqColumn).empty();
}

void ChannelEdits::remove(std::span<const int> channels) {
    const std::set<int> going(channels.begin(), channels.end());
    int to = 1;
    for (int from = 1; from <= m_count; ++from) {
        if (going.count(from) != 0)
            continue;
        if (from != to)
            copyChannel(from, to);
        ++to;
    }
    for (; to <= m_count; ++to)
        emptyChannel(to);
}

ChannelEdits::Pasted ChannelEdits::paste(int channel, const ChannelClip& clip) {
    Pasted result;
    if (ChannelCsvImport::isChannelList(clip.text))
        return pasteChannelList(channel, clip.text);
    if (!ChannelTable::isTable(clip.text)) {
        result.errors.emplace_back(NothingToPaste);
        return result;
    }
    const ChannelTable::Rows table = ChannelTable::read(clip.text, true);
    if (!table.errors.empty()) {
        result.errors = table.errors;
        return result;
    }
    const int count = static_cast<int>(table.rows.size());
    if (count == 0) {
        result.errors.emplace_back(NothingToPaste);
        return result;
    }
    if (count > m_count - channel + 1) {
        result.errors.push_back(tooMany(count, channel));
        return result;
    }
    // Whole rows only when they are the rows of this very text, as TARN put them there.
    const bool wholeRows = clip.channelCount() == static_cast<std::size_t>(count);
    for (int i = 0; i < count; ++i) {
        const int target = channel + i;
        for (int c = 1; c < Columns; ++c)
            m_cells.setCellText(target, c, table.rows[static_cast<std::size_t>(i)].cells[c]);
        if (wholeRows) {
            const auto from = std::span(clip.rows).subspan(
                static_cast<std::size_t>(i) * RadioImage::RowSize, RadioImage::RowSize);
            std::copy(from.begin(), from.end(), m_image.row(rowOf(target)).begin());
        }
    }
    result.count = count;
    return result;
}

int ChannelEdits::channelsIn(const ChannelClip& clip, int count) {
    if (ChannelCsvImport::isChannelList(clip.text)) {
        ChannelCsvOptions options;
        options.firstChannel = 1;
        options.inListOrder = true;
        const ChannelCsvImport list = ChannelCsvImport::read(clip.text, count, options);
        if (!list.accepted())
            return 0;
        return static_cast<int>(list.report().placed.size() + list.report().leftOut.size());
    }
    if (!ChannelTable::isTable(clip.text))
        return 0;
    const ChannelTable::Rows table = ChannelTable::read(clip.text, true);
    return table.errors.empty() ? static_cast<int>(table.rows.size()) : 0;
}

ChannelEdits::Pasted ChannelEdits::pasteChannelList(int channel, std::string_view text) {
    Pasted result;
    ChannelCsvOptions options;
    options.firstChannel = channel;
    options.inListOrder = true;
    const ChannelCsvImport list = ChannelCsvImport::read(text, m_count, options);
    if (!list.accepted()) {
        result.errors = list.problems();
        return result;
    }
    const ChannelCsvReport& report = list.report();
    const int count = static_cast<int>(report.placed.size() + report.leftOut.size());
    if (count == 0)
        result.errors.emplace_back(NothingToPaste);
    else if (!report.leftOut.empty())
        result.errors.push_back(tooMany(count, channel));
    if (!result.errors.empty())
        return result;
    list.applyTo(m_cells);
    result.count = count;
    return result;
}

std::string ChannelEdits::tooMany(int count, int channel) const {
    return "The clipboard holds " + std::to_string(count) + " channels; from channel " +
           std::to_string(channel) + " only " + std::to_string(m_count - channel + 1) + " fit.";
}

std::string ChannelEdits::refusal(const std::vector<std::string>& errors) {
    constexpr std::size_t MaxListed = 20;
    // The clipboard as a whole is wrong: one sentence says so.
    if (errors.size() == 1 && errors.front().find("line ") != 0)
        return errors.front();
    std::string text = "Nothing was pasted: the clipboard holds bad cells.";
    for (std::size_t i = 0; i < errors.size() && i < MaxListed; ++i)
        text += "\n" + errors[i];
    if (errors.size() > MaxListed)
        text += "\n... and " + std::to_string(errors.size() - MaxListed) + " more";
    return text;
}

void ChannelEdits::copyChannel(int from, int to) {
    for (int c = 1; c < Columns; ++c)
        m_cells.setCellText(to, c, m_cells.cellText(from, c));
    const auto source = m_image.row(rowOf(from));
    std::copy(source.begin(), source.end(), m_image.row(rowOf(to)).begin());
}

void ChannelEdits::emptyChannel(int channel) {
    for (int c = 1; c < Columns; ++c)
        m_cells.setCellText(channel, c, {});
    const auto row = m_image.row(rowOf(channel));
    std::fill(row.begin(), row.end(), RadioImage::Blank);
}

} // namespace tarn
