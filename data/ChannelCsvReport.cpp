#include "data/ChannelCsvReport.h"

namespace tarn {

namespace {

constexpr std::size_t ListedLeftOut = 20;

std::string plural(std::size_t n, const char* one, const char* many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

std::string numbering(const ChannelCsvReport& report) {
    const auto first = static_cast<std::uint64_t>(report.firstChannel);
    const std::string location = "Location " + std::to_string(report.lowestLocation);
    const std::string channel = "channel " + std::to_string(report.firstChannel);
    if (report.inListOrder)
        return "Numbering: the lines go to channel " + std::to_string(report.firstChannel) +
               " and on, in list order.";
    if (report.firstChosen)
        return "Numbering: the first " + location + " goes to " + channel + " as asked.";
    if (report.lowestLocation + 1 == first)
        return "Numbering: the list starts at Location 0, so channel = Location + 1.";
    return "Numbering: the Locations are channel numbers (the first is " + location + ").";
}

} // namespace

std::string ChannelCsvReport::ranges(const std::vector<int>& ascending) {
    std::string text;
    for (std::size_t i = 0; i < ascending.size();) {
        std::size_t j = i;
        while (j + 1 < ascending.size() && ascending[j + 1] == ascending[j] + 1)
            ++j;
        text += (text.empty() ? "" : ", ") + std::to_string(ascending[i]);
        if (j > i)
            text += "-" + std::to_string(ascending[j]);
        i = j + 1;
    }
    return text;
}

std::vector<std::string> ChannelCsvReport::lines() const {
    std::vector<std::string> out;
    out.push_back(numbering(*this));
    out.push_back("Channels placed: " +
                  (placed.empty() ? std::string("none")
                                  : std::to_string(placed.size()) + " (" + ranges(placed) + ")") +
                  ".");
    out.push_back(replace ? "Every other channel is emptied."
                          : "Every other channel keeps what it had.");
    if (!leftOut.empty()) {
        out.push_back("Lines left out: " + std::to_string(leftOut.size()) + ", beyond the " +
                      std::to_string(channelCount) + " channels:");
        for (std::size_t i = 0; i < leftOut.size() && i < ListedLeftOut; ++i)
            out.push_back("  line " + std::to_string(leftOut[i].line) +
                          (inListOrder ? "" : ", Location " + std::to_string(leftOut[i].location)));
        if (leftOut.size() > ListedLeftOut)
            out.push_back("  and " + std::to_string(leftOut.size() - ListedLeftOut) + " more");
    }
    if (!dropped.empty()) {
        out.push_back("Columns dropped (the radio cannot hold them):");
        for (const Dropped& d : dropped)
            out.push_back("  " + d.column + ": a value on " +
                          plural(static_cast<std::size_t>(d.lines), "line", "lines"));
    }
    if (!unknownColumns.empty()) {
        std::string names;
        for (const std::string& name : unknownColumns)
            names += (names.empty() ? "" : ", ") + name;
        out.push_back("Columns not known, ignored: " + names + ".");
    }
    if (!powerFigures.empty()) {
        std::string figures;
        for (const PowerFigure& f : powerFigures)
            figures += (figures.empty() ? "" : ", ") + f.watts + " as " + f.power;
        out.push_back("Power figures: " + figures + ".");
    }
    return out;
}

} // namespace tarn
