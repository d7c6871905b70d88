#include "data/ChannelTable.h"

#include "data/ChannelCodec.h"
#include "data/ChannelRules.h"
#include "data/CsvText.h"
#include "data/StrictNumber.h"
#include "data/ToneTable.h"

#include <algorithm>
#include <map>
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

// Checks one channel line and stores its cells; problems go to errors.
class RowChecker {
public:
    RowChecker(const ToneTable& tones, std::vector<std::string>& errors)
        : m_tones(tones)
        , m_errors(errors) {}

    ChannelTable::Cells check(int lineNumber, std::vector<std::string> cells) {
        m_line = lineNumber;
        cells[1] = checkFrequency(1, cells[1]);
        cells[2] = checkFrequency(2, cells[2]);
        cells[3] = checkTone(3, cells[3]);
        cells[4] = checkTone(4, cells[4]);
        cells[5] = checkChoice(5, cells[5], ChannelRules::powerName(cells[5]),
                               "TX power must be High, Middle, Low or empty");
        cells[6] = checkChoice(6, cells[6], ChannelRules::lockName(cells[6]),
                               "channel lock must be Lock, UnLock or empty");
        if (cells[1].empty() && cells[2].empty()) {
            for (int c = 3; c < Columns; ++c)
                if (!cells[static_cast<std::size_t>(c)].empty())
                    fail(c, "a channel without frequencies holds nothing else");
        }
        ChannelTable::Cells checked;
        std::move(cells.begin(), cells.end(), checked.begin());
        return checked;
    }

    void fail(int column, const std::string& reason) {
        m_errors.push_back("line " + std::to_string(m_line) + ", column " +
                           ChannelCodec::Headers[column] + ": " + reason);
    }

private:
    // The text the grid stores for a frequency.
    std::string checkFrequency(int column, const std::string& text) {
        if (text.empty())
            return text;
        // The grid reads the leading number of any text; a batch cell must be one whole.
        if (!StrictNumber::isNumber(text)) {
            fail(column, StrictNumber::refusal(text));
            return text;
        }
        if (!StrictNumber::fitsDecimals(text, StrictNumber::FrequencyDecimals)) {
            fail(column, "\"" + text + "\" " + StrictNumber::PrecisionRule);
            return text;
        }
        switch (ChannelRules::checkFrequency(text)) {
        case ChannelRules::Frequency::Valid:
            return ChannelRules::storedFrequency(text);
        case ChannelRules::Frequency::OutOfRange:
            fail(column, "\"" + text + "\" is not a frequency from 100 to 600 MHz");
            break;
        case ChannelRules::Frequency::OffStep:
            fail(column, "\"" + text + "\" is on neither the 6.25 kHz nor the 5 kHz step");
            break;
        }
        return text;
    }

    std::string checkTone(int column, const std::string& text) {
        if (StrictNumber::trimmed(text).empty())
            return {};
        const auto index = m_tones.match(text);
        if (!index) {
            fail(column, "\"" + text + "\" is no tone or code of the tone list");
            return text;
        }
        return m_tones.at(*index);
    }

    // The list's spelling of a name; an empty cell stays empty.
    std::string checkChoice(int column, const std::string& text,
                            const std::optional<std::string>& name, const char* reason) {
        if (StrictNumber::trimmed(text).empty())
            return {};
        if (name)
            return *name;
        fail(column, "\"" + text + "\": " + reason);
        return text;
    }

    const ToneTable& m_tones;
    std::vector<std::string>& m_errors;
    int m_line = 0;
};

} // namespace

std::string ChannelTable::headerLine() {
    std::string line;
    for (int c = 0; c < Columns; ++c)
        line += std::string(c ? "\t" : "") + ChannelCodec::Headers[c];
    return line;
}

std::string ChannelTable::format(const CellGrid& grid, int count) {
    std::vector<int> channels(static_cast<std::size_t>(std::max(count, 0)));
    for (int i = 0; i < count; ++i)
        channels[static_cast<std::size_t>(i)] = i + 1;
    return format(grid, channels);
}

std::string ChannelTable::format(const CellGrid& grid, std::span<const int> channels) {
    std::ostringstream out;
    out << headerLine() << "\n";
    for (const int row : channels) {
        for (int c = 0; c < Columns; ++c)
            out << (c ? "\t" : "") << grid.cellText(row, c);
        out << "\n";
    }
    return out.str();
}

bool ChannelTable::isTable(std::string_view text) {
    text = CsvText::withoutByteOrderMark(text);
    if (!isValidUtf8(text))
        return false;
    const std::vector<std::string> lines = splitLines(text);
    if (lines.empty() || lines[0] == headerLine())
        return !lines.empty();
    return std::all_of(lines.begin(), lines.end(), [](const std::string& line) {
        return splitCells(line).size() == static_cast<std::size_t>(Columns);
    });
}

ChannelTable::Rows ChannelTable::read(std::string_view text, bool headerOptional) {
    Rows result;
    if (CsvText::isUtf16(text)) {
        result.errors.push_back(CsvText::Utf16Text);
        return result;
    }
    // Editors on some systems start every UTF-8 file with a byte-order mark.
    text = CsvText::withoutByteOrderMark(text);
    if (!isValidUtf8(text)) {
        result.errors.push_back("not a text file");
        return result;
    }
    const std::vector<std::string> lines = splitLines(text);
    const bool header = !lines.empty() && lines[0] == headerLine();
    if (!header && !headerOptional) {
        result.errors.push_back("line 1: expected the header line \"" + headerLine() + "\"");
        return result;
    }
    const ToneTable tones;
    RowChecker checker(tones, result.errors);
    for (std::size_t i = header ? 1 : 0; i < lines.size(); ++i) {
        const int lineNumber = static_cast<int>(i + 1);
        std::vector<std::string> cells = splitCells(lines[i]);
        if (cells.size() != static_cast<std::size_t>(Columns)) {
            result.errors.push_back("line " + std::to_string(lineNumber) + ": expected " +
                                    std::to_string(Columns) + " columns, found " +
                                    std::to_string(cells.size()));
            continue;
        }
        result.rows.push_back({lineNumber, checker.check(lineNumber, std::move(cells))});
    }
    return result;
}

ChannelTable::Applied ChannelTable::apply(std::string_view text, CellGrid& grid, int count) {
    Rows table = read(text);
    std::map<int, const Row*> rowOf;
    for (const Row& row : table.rows) {
        const std::string where =
            "line " + std::to_string(row.line) + ", column " + ChannelCodec::Headers[0] + ": ";
        const auto channel = StrictNumber::parseWhole(row.cells[0]);
        if (!channel || *channel < 1 || *channel > static_cast<std::uint64_t>(count)) {
            table.errors.push_back(where + "\"" + row.cells[0] +
                                   "\" is no channel of the file (1 to " + std::to_string(count) +
                                   ")");
            continue;
        }
        const auto [seen, added] = rowOf.emplace(static_cast<int>(*channel), &row);
        if (!added)
            table.errors.push_back(where + "channel " + std::to_string(*channel) +
                                   " is already on line " + std::to_string(seen->second->line));
    }
    Applied applied;
    if (!table.errors.empty()) {
        applied.errors = std::move(table.errors);
        return applied;
    }
    for (const auto& [channel, row] : rowOf) {
        for (int c = 1; c < Columns; ++c)
            grid.setCellText(channel, c, row->cells[static_cast<std::size_t>(c)]);
        applied.channels.push_back(channel);
    }
    return applied;
}

} // namespace tarn
