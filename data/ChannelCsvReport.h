#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tarn {

// What an import of a channel list would do, for the user to confirm.
struct ChannelCsvReport {
    struct LeftOut {
        int line = 0;
        std::uint64_t location = 0;
    };
    struct Dropped {
        std::string column;
        int lines = 0; // lines whose value there was not the default
    };
    struct PowerFigure {
        std::string watts; // as "5W", "0.5W"
        std::string power; // "High", "Middle" or "Low"
    };

    int channelCount = 0;             // of the document
    std::uint64_t lowestLocation = 0; // of the file
    int firstChannel = 1;             // the channel lowestLocation goes to
    bool firstChosen = false;         // firstChannel was asked for, not assumed
    bool inListOrder = false;         // Locations ignored, lines placed one after another
    bool replace = false;
    std::vector<int> placed; // channel numbers, ascending
    std::vector<LeftOut> leftOut;
    std::vector<Dropped> dropped;
    std::vector<std::string> unknownColumns;
    std::vector<PowerFigure> powerFigures;

    // The report as lines of text, for a terminal or a dialog.
    [[nodiscard]] std::vector<std::string> lines() const;
    // "1-10, 12, 15"
    [[nodiscard]] static std::string ranges(const std::vector<int>& ascending);
};

} // namespace tarn
