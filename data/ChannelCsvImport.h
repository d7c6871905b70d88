#pragma once

#include "data/CellGrid.h"
#include "data/ChannelCsvReport.h"

#include <string>
#include <string_view>
#include <vector>

namespace tarn {

// How a channel list is placed.
struct ChannelCsvOptions {
    bool replace = false; // empty every channel first
    int firstChannel = 0; // the channel the lowest Location goes to; 0: Location 0 is channel 1,
                          // otherwise Location n is channel n
    bool inListOrder = false; // Locations ignored: the lines go to consecutive channels from
                              // firstChannel (or 1), as a paste places them
};

// One channel of an imported list, as the grid's cells hold it.
struct ImportedChannel {
    int channel = 0;
    int line = 0;
    std::string rxFreq;
    std::string txFreq; // empty: no transmit frequency
    std::string decTone;
    std::string encTone;
    std::string power; // empty: a programmed channel keeps its power, a new one gets "High"
};

// A channel list in CHIRP's CSV format, read and checked against a document of a given
// channel count, ready to be placed into its channel cells. Every cell is checked as the
// grid checks a typed value; any bad cell refuses the whole list.
class ChannelCsvImport {
public:
    static constexpr const char* LockText = "Lock";
    static constexpr std::size_t MaxProblems = 200;

    // Whether the text looks like a channel list: its first line names a Frequency column.
    [[nodiscard]] static bool isChannelList(std::string_view text);
    [[nodiscard]] static ChannelCsvImport read(std::string_view text, int channelCount,
                                               const ChannelCsvOptions& options = {});

    [[nodiscard]] bool accepted() const { return m_problems.empty(); }
    // What the user is told about a refused list: its name, the first problems, and that
    // nothing changed.
    static constexpr std::size_t ListedProblems = 20;
    [[nodiscard]] static std::string refusal(std::string_view fileName,
                                             const std::vector<std::string>& problems);
    // One line per bad cell or bad line, "line N, column NAME: reason" or "line N: reason".
    [[nodiscard]] const std::vector<std::string>& problems() const { return m_problems; }
    [[nodiscard]] const ChannelCsvReport& report() const { return m_report; }
    [[nodiscard]] const std::vector<ImportedChannel>& channels() const { return m_channels; }

    // Places the channels into rows 1..channelCount of the grid; only for an accepted list.
    void applyTo(CellGrid& grid) const;

private:
    class Reader;

    std::vector<std::string> m_problems;
    ChannelCsvReport m_report;
    std::vector<ImportedChannel> m_channels;
    bool m_replace = false;
};

} // namespace tarn
