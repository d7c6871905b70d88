#include "data/ChannelTable.h"

#include "data/ChannelCodec.h"
#include "data/ChannelRules.h"
#include "data/ToneTable.h"

#include <algorithm>
#include <sstream>

namespace tarn {

namespace {

constexpr int Columns = ChannelCodec::ColumnCount;

std::vector<std::string> splitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string line(text.substr(start, end - start));
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(std::move(line));
        start = end + 1;
    }
    return lines;
}

std::vector<std::string> splitCells(const std::string& line) {
    std::vector<std::string> cells;
    std::size_t start = 0;
    for (;;) {
        const std::size_t tab = line.find('\t', start);
        cells.push_back(line.substr(start, tab == std::string::npos ? tab : tab - start));
        if (tab == std::string::npos)
            return cells;
        start = tab + 1;
    }
}

std::string trim(const std::string& s) {
    const auto first = s.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

// Text files only: no NUL bytes and well-formed UTF-8.
bool isValidUtf8(std::string_view text) {
    constexpr std::size_t Bad = 4;
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c == 0)
            return false;
        const std::size_t extra = c < 0x80             ? 0
                                  : (c & 0xE0) == 0xC0 ? 1
                                  : (c & 0xF0) == 0xE0 ? 2
                                  : (c & 0xF8) == 0xF0 ? 3
                                                       : Bad;
        if (extra == Bad || i + extra >= text.size())
            return false;
        for (std::size_t k = 1; k <= extra; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80)
                return false;
        i += extra + 1;
    }
    return true;
}

std::string headerLine() {
    std::string line;
    for (int c = 0; c < Columns; ++c)
        line += std::string(c ? "\t" : "") + ChannelCodec::Headers[c];
    return line;
}

// Checks one channel line and stores its cells; problems go to errors.
class RowChecker {
public:
    RowChecker(const ToneTable& tones, std::vector<std::string>& errors)
        : m_tones(tones)
        , m_errors(errors) {}

    void check(int lineNumber, int channel, std::vector<std::string> cells, TextGrid& grid) {
        m_line = lineNumber;
        if (trim(cells[0]) != std::to_string(channel))
            fail(0, "expected channel " + std::to_string(channel));
        checkFrequency(1, cells[1]);
        checkFrequency(2, cells[2]);
        cells[3] = checkTone(3, cells[3]);
        cells[4] = checkTone(4, cells[4]);
        checkChoice(5, cells[5], {"High", "Middle", "Low"},
                    "TX power must be High, Middle, Low or empty");
        checkChoice(6, cells[6], {"Lock", "UnLock"}, "channel lock must be Lock, UnLock or empty");
        if (cells[1].empty() && cells[2].empty()) {
            for (int c = 3; c < Columns; ++c)
                if (!cells[static_cast<std::size_t>(c)].empty())
                    fail(c, "a channel without frequencies holds nothing else");
        }
        for (int c = 1; c < Columns; ++c)
            grid.setCellText(channel, c, cells[static_cast<std::size_t>(c)]);
    }

private:
    void fail(int column, const std::string& reason) {
        m_errors.push_back("line " + std::to_string(m_line) + ", column " +
                           ChannelCodec::Headers[column] + ": " + reason);
    }

    void checkFrequency(int column, const std::string& text) {
        if (text.empty())
            return;
        switch (ChannelRules::checkFrequency(text)) {
        case ChannelRules::Frequency::Valid:
            return;
        case ChannelRules::Frequency::OutOfRange:
            fail(column, "\"" + text + "\" is not a frequency from 100 to 600 MHz");
            return;
        case ChannelRules::Frequency::OffStep:
            fail(column, "\"" + text + "\" is on neither the 6.25 kHz nor the 5 kHz step");
            return;
        }
    }

    std::string checkTone(int column, const std::string& text) {
        if (text.empty())
            return text;
        const auto index = m_tones.find(text);
        if (!index) {
            fail(column, "\"" + text + "\" is no tone or code of the tone list");
            return text;
        }
        return m_tones.at(*index);
    }

    void checkChoice(int column, const std::string& text,
                     std::initializer_list<const char*> allowed, const char* reason) {
        if (text.empty() || std::find_if(allowed.begin(), allowed.end(),
                                         [&](const char* a) { return text == a; }) != allowed.end())
            return;
        fail(column, "\"" + text + "\": " + reason);
    }

    const ToneTable& m_tones;
    std::vector<std::string>& m_errors;
    int m_line = 0;
};

} // namespace

std::string ChannelTable::format(const CellGrid& grid, int count) {
    std::ostringstream out;
    out << headerLine() << "\n";
    for (int row = 1; row <= count; ++row) {
        for (int c = 0; c < Columns; ++c)
            out << (c ? "\t" : "") << grid.cellText(row, c);
        out << "\n";
    }
    return out.str();
}

ChannelTable::Parsed ChannelTable::parse(std::string_view text, int count) {
    Parsed result;
    if (!isValidUtf8(text)) {
        result.errors.push_back("not a text file");
        return result;
    }
    const std::vector<std::string> lines = splitLines(text);
    if (lines.empty() || lines[0] != headerLine()) {
        result.errors.push_back("line 1: expected the header line \"" + headerLine() + "\"");
        return result;
    }
    ChannelCodec::numberRows(result.grid, count);
    const ToneTable tones;
    RowChecker checker(tones, result.errors);
    int channel = 0;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const int lineNumber = static_cast<int>(i + 1);
        if (lines[i].empty() && i + 1 == lines.size())
            break;
        if (++channel > count) {
            result.errors.push_back("line " + std::to_string(lineNumber) + ": more rows than the " +
                                    std::to_string(count) + " channels of the file");
            break;
        }
        std::vector<std::string> cells = splitCells(lines[i]);
        if (cells.size() != static_cast<std::size_t>(Columns)) {
            result.errors.push_back("line " + std::to_string(lineNumber) + ": expected " +
                                    std::to_string(Columns) + " columns, found " +
                                    std::to_string(cells.size()));
            continue;
        }
        checker.check(lineNumber, channel, std::move(cells), result.grid);
    }
    if (channel < count)
        result.errors.push_back("line " + std::to_string(channel + 2) + ": missing channel " +
                                std::to_string(channel + 1) + " (the file has " +
                                std::to_string(count) + " channels)");
    return result;
}

} // namespace tarn
