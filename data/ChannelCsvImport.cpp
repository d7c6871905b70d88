#include "data/ChannelCsvImport.h"

#include "data/ChannelCodec.h"
#include "data/ChannelCsvLine.h"
#include "data/ChannelCsvTones.h"
#include "data/ChannelRules.h"
#include "data/CsvText.h"
#include "data/StrictNumber.h"
#include "data/ToneTable.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <map>
#include <optional>

namespace tarn {

namespace {

using C = ChannelCsvColumns;

// The columns the radio has no place for, and what they hold when nothing is lost.
constexpr C::Column DroppedColumns[] = {C::Name,   C::Mode,     C::TStep,    C::Skip,  C::Comment,
                                        C::UrCall, C::Rpt1Call, C::Rpt2Call, C::DvCode};

bool isDefault(C::Column column, std::string_view text) {
    const std::string value = ChannelCsvLine::fold(text);
    if (value.empty())
        return true;
    if (column == C::Mode)
        return value == "fm";
    if (column == C::TStep) {
        // The radio tunes in both of these steps anyway.
        const auto step = StrictNumber::parse(value);
        if (!step || !step->isWholeAt(2))
            return false;
        const std::uint64_t hundredths = step->scaled(2, DecimalNumber::Rounding::TowardZero);
        return hundredths == 500 || hundredths == 625;
    }
    return false;
}

const char* frequencyFault(ChannelRules::Frequency verdict) {
    return verdict == ChannelRules::Frequency::OutOfRange
               ? "is not a frequency from 100 to 600 MHz"
               : "is on neither the 6.25 kHz nor the 5 kHz step";
}

std::string formatWatts(const DecimalNumber& watts) {
    return watts.text() + "W";
}

// A Power cell: a name, a figure in watts, or nothing.
struct PowerCell {
    enum Kind { Empty, Named, Watts, Bad } kind = Empty;
    std::string name;
    DecimalNumber watts;
};

PowerCell readPower(std::string_view text) {
    const std::string value = ChannelCsvLine::fold(text);
    if (value.empty())
        return {};
    if (value == "high")
        return {PowerCell::Named, "High", {}};
    if (value == "mid" || value == "middle" || value == "med")
        return {PowerCell::Named, "Middle", {}};
    if (value == "low")
        return {PowerCell::Named, "Low", {}};
    if (value.back() == 'w') {
        if (const auto watts =
                StrictNumber::parse(std::string_view(value).substr(0, value.size() - 1)))
            return {PowerCell::Watts, {}, *watts};
    }
    return {PowerCell::Bad, {}, {}};
}

// The line a problem names, 0 for none.
int lineOf(std::string_view problem) {
    int line = 0;
    if (problem.starts_with("line "))
        std::from_chars(problem.data() + 5, problem.data() + problem.size(), line);
    return line;
}

struct DataLine {
    const CsvText::Record* record = nullptr;
    std::uint64_t location = 0;
};

bool isBlank(const CsvText::Record& record) {
    return std::all_of(record.fields.begin(), record.fields.end(),
                       [](const std::string& f) { return StrictNumber::trimmed(f).empty(); });
}

} // namespace

class ChannelCsvImport::Reader {
public:
    Reader(ChannelCsvImport& result, int channelCount, const ChannelCsvOptions& options)
        : m_result(result)
        , m_report(result.m_report)
        , m_options(options) {
        m_report.channelCount = channelCount;
        m_report.replace = options.replace;
        m_index.fill(-1);
    }

    void run(std::string_view text) {
        if (!checkText(text))
            return;
        const CsvText::Parsed parsed = CsvText::parse(text);
        if (parsed.errorLine > 0) {
            problem(parsed.errorLine, parsed.error);
            return;
        }
        if (parsed.records.empty() || (parsed.records.size() == 1 && isBlank(parsed.records[0]))) {
            problem(1, "the file is empty");
            return;
        }
        if (!readHeader(parsed.records.front()))
            return;
        const std::vector<DataLine> lines = readLocations(parsed.records);
        // Lines that are whole are checked even when others are not, so every problem shows.
        if (!chooseNumbering(lines))
            return;
        rankPowerFigures(lines);
        for (const DataLine& line : lines) {
            if (full())
                break;
            place(line);
        }
        std::sort(m_report.placed.begin(), m_report.placed.end());
    }

private:
    std::vector<std::string>& problems() { return m_result.m_problems; }

    bool full() { return problems().size() >= MaxProblems; }

    void problem(int line, const std::string& reason) {
        problems().push_back("line " + std::to_string(line) + ": " + reason);
    }

    bool checkText(std::string_view text) {
        if (CsvText::isUtf16(text)) {
            problem(1, CsvText::Utf16Text);
            return false;
        }
        const std::size_t nul = text.find('\0');
        if (nul == std::string_view::npos)
            return true;
        const auto line = std::count(text.begin(), text.begin() + static_cast<long>(nul), '\n');
        problem(static_cast<int>(line) + 1, "not a CSV text file (it holds a NUL byte)");
        return false;
    }

    bool readHeader(const CsvText::Record& header) {
        for (std::size_t i = 0; i < header.fields.size(); ++i) {
            const std::string name = ChannelCsvLine::fold(header.fields[i]);
            const auto known = std::find_if(C::Names.begin(), C::Names.end(), [&](auto n) {
                return ChannelCsvLine::fold(n) == name;
            });
            if (known == C::Names.end()) {
                if (!name.empty())
                    m_report.unknownColumns.emplace_back(StrictNumber::trimmed(header.fields[i]));
                continue;
            }
            int& index = m_index[static_cast<std::size_t>(known - C::Names.begin())];
            if (index >= 0)
                problem(header.line, "the column " + std::string(*known) + " appears twice");
            index = static_cast<int>(i);
        }
        m_fieldCount = header.fields.size();
        if (m_fieldCount == 1 && header.fields[0].find_first_of(";\t") != std::string::npos) {
            problem(header.line, "not a CSV list: its columns are not separated by commas");
            return false;
        }
        for (const C::Column column : {C::Location, C::Frequency}) {
            if (m_index[column] < 0 && !(column == C::Location && m_options.inListOrder))
                problem(header.line, "no " + std::string(C::Names[column]) +
                                         " column (the first line names the columns)");
        }
        return problems().empty();
    }

    std::vector<DataLine> readLocations(const std::vector<CsvText::Record>& records) {
        std::vector<DataLine> lines;
        std::map<std::uint64_t, int> seen; // Location -> line
        for (auto record = records.begin() + 1; record != records.end() && !full(); ++record) {
            if (isBlank(*record))
                continue;
            if (record->fields.size() != m_fieldCount) {
                problem(record->line, std::to_string(record->fields.size()) + " fields where the " +
                                          "first line has " + std::to_string(m_fieldCount));
                continue;
            }
            if (m_options.inListOrder) {
                lines.push_back({&*record, lines.size()});
                continue;
            }
            ChannelCsvLine line(record->line, record->fields, m_index, problems());
            const auto location = readLocation(line);
            if (!location)
                continue;
            const auto [at, added] = seen.emplace(*location, record->line);
            if (!added)
                line.refuseValue(C::Location, "is also on line " + std::to_string(at->second));
            lines.push_back({&*record, *location});
        }
        return lines;
    }

    static std::optional<std::uint64_t> readLocation(ChannelCsvLine& line) {
        const std::string_view text = line.cell(C::Location);
        if (const auto value = StrictNumber::parseWhole(text))
            return value;
        const std::string_view digits = StrictNumber::trimmed(text);
        if (!digits.empty() && digits.find_first_not_of("0123456789") == std::string_view::npos)
            return std::numeric_limits<std::uint64_t>::max(); // beyond any radio
        line.refuseValue(C::Location, "is not a whole number");
        return std::nullopt;
    }

    bool chooseNumbering(const std::vector<DataLine>& lines) {
        if (lines.empty()) {
            if (problems().empty())
                problem(2, "the file holds no channels");
            return false;
        }
        const int count = m_report.channelCount;
        if (m_options.firstChannel != 0 &&
            (m_options.firstChannel < 1 || m_options.firstChannel > count)) {
            problems().push_back("the first channel must be from 1 to " + std::to_string(count));
            return false;
        }
        m_report.lowestLocation =
            std::min_element(lines.begin(), lines.end(), [](auto& a, auto& b) {
                return a.location < b.location;
            })->location;
        m_report.inListOrder = m_options.inListOrder;
        m_report.firstChosen = m_options.firstChannel != 0;
        if (m_report.firstChosen)
            m_report.firstChannel = m_options.firstChannel;
        else if (m_report.lowestLocation == 0)
            m_report.firstChannel = 1;
        else
            m_report.firstChannel = static_cast<int>(std::min<std::uint64_t>(
                m_report.lowestLocation, static_cast<std::uint64_t>(count) + 1));
        return true;
    }

    // The highest figure is High, the lowest Low, any between Middle; one figure alone is High.
    void rankPowerFigures(const std::vector<DataLine>& lines) {
        for (const DataLine& line : lines) {
            const PowerCell power = powerCell(*line.record);
            if (power.kind == PowerCell::Watts)
                m_figures.emplace(power.watts, std::string());
        }
        for (auto& [watts, name] : m_figures) {
            name = watts == m_figures.rbegin()->first  ? "High"
                   : watts == m_figures.begin()->first ? "Low"
                                                       : "Middle";
            m_report.powerFigures.push_back({formatWatts(watts), name});
        }
        std::reverse(m_report.powerFigures.begin(), m_report.powerFigures.end());
    }

    PowerCell powerCell(const CsvText::Record& record) const {
        return m_index[C::Power] < 0
                   ? PowerCell{}
                   : readPower(record.fields[static_cast<std::size_t>(m_index[C::Power])]);
    }

    void place(const DataLine& data) {
        const std::uint64_t offset = data.location - m_report.lowestLocation;
        const auto channel = offset + static_cast<std::uint64_t>(m_report.firstChannel);
        if (offset > static_cast<std::uint64_t>(m_report.channelCount) ||
            channel > static_cast<std::uint64_t>(m_report.channelCount)) {
            m_report.leftOut.push_back({data.record->line, data.location});
            return;
        }
        ChannelCsvLine line(data.record->line, data.record->fields, m_index, problems());
        ImportedChannel imported = mapLine(line);
        if (line.refused())
            return;
        imported.channel = static_cast<int>(channel);
        imported.line = line.number();
        m_report.placed.push_back(imported.channel);
        m_result.m_channels.push_back(std::move(imported));
        countDropped(line);
    }

    ImportedChannel mapLine(ChannelCsvLine& line) {
        ImportedChannel channel;
        const auto rx = frequency(line, C::Frequency);
        if (rx) {
            channel.rxFreq = ChannelCodec::formatFrequency(*rx);
            channel.txFreq = transmitFrequency(line, *rx);
        }
        if (auto tones = ChannelCsvTones::fromColumns(line, m_tones)) {
            channel.encTone = std::move(tones->enc);
            channel.decTone = std::move(tones->dec);
        }
        channel.power = power(line);
        return channel;
    }

    std::optional<std::uint32_t> frequency(ChannelCsvLine& line, C::Column column) {
        if (!line.has(column)) {
            line.refuseMissing(column);
            return std::nullopt;
        }
        const std::string_view text = StrictNumber::trimmed(line.cell(column));
        if (!StrictNumber::isNumber(text)) {
            line.refuseValue(column, text.empty() ? "is no frequency" : StrictNumber::Rule);
            return std::nullopt;
        }
        if (!StrictNumber::fitsDecimals(text, StrictNumber::FrequencyDecimals)) {
            line.refuseValue(column, StrictNumber::PrecisionRule);
            return std::nullopt;
        }
        const auto verdict = ChannelRules::checkFrequency(text);
        if (verdict != ChannelRules::Frequency::Valid) {
            line.refuseValue(column, frequencyFault(verdict));
            return std::nullopt;
        }
        return ChannelCodec::frequencyUnits(text);
    }

    std::string transmitFrequency(ChannelCsvLine& line, std::uint32_t rx) {
        const std::string duplex = line.folded(C::Duplex);
        if (duplex.empty())
            return ChannelCodec::formatFrequency(rx);
        if (duplex == "off")
            return {};
        if (duplex == "split") {
            const auto tx = frequency(line, C::Offset);
            return tx ? ChannelCodec::formatFrequency(*tx) : std::string();
        }
        if (duplex != "+" && duplex != "-") {
            line.refuseValue(C::Duplex, "is not a duplex (empty, +, -, split or off)");
            return {};
        }
        return shifted(line, rx, duplex == "+");
    }

    static std::string shifted(ChannelCsvLine& line, std::uint32_t rx, bool up) {
        if (!line.has(C::Offset)) {
            line.refuseMissing(C::Offset);
            return {};
        }
        const std::string_view text = StrictNumber::trimmed(line.cell(C::Offset));
        if (!StrictNumber::isNumber(text)) {
            line.refuseValue(C::Offset, StrictNumber::Rule);
            return {};
        }
        if (!StrictNumber::fitsDecimals(text, StrictNumber::FrequencyDecimals)) {
            line.refuseValue(C::Offset, StrictNumber::PrecisionRule);
            return {};
        }
        const std::uint64_t offset = ChannelCodec::frequencyUnits(text);
        const std::uint64_t tx = up ? rx + offset : rx - std::min<std::uint64_t>(rx, offset);
        const std::string txText = ChannelCodec::formatFrequency(static_cast<std::uint32_t>(
            std::min<std::uint64_t>(tx, std::numeric_limits<std::uint32_t>::max())));
        const auto verdict = ChannelRules::checkFrequency(txText);
        if (verdict == ChannelRules::Frequency::Valid)
            return txText;
        line.refuseValue(C::Offset, "gives a TX frequency of " + txText + " MHz, which " +
                                        frequencyFault(verdict));
        return {};
    }

    std::string power(ChannelCsvLine& line) {
        const PowerCell power = readPower(line.cell(C::Power));
        switch (power.kind) {
        case PowerCell::Empty:
            return {};
        case PowerCell::Named:
            return power.name;
        case PowerCell::Watts:
            return m_figures.at(power.watts);
        case PowerCell::Bad:
            break;
        }
        line.refuseValue(C::Power, "is not a power (High, Mid, Low, watts such as 5.0W, or empty)");
        return {};
    }

    void countDropped(const ChannelCsvLine& line) {
        for (const C::Column column : DroppedColumns) {
            if (isDefault(column, line.cell(column)))
                continue;
            const std::string name(C::Names[column]);
            auto& dropped = m_report.dropped;
            auto found = std::find_if(dropped.begin(), dropped.end(),
                                      [&](const auto& d) { return d.column == name; });
            if (found == dropped.end())
                found = dropped.insert(
                    std::find_if(dropped.begin(), dropped.end(),
                                 [&](const auto& d) { return order(d.column) > column; }),
                    {name, 0});
            ++found->lines;
        }
    }

    static int order(const std::string& name) {
        return static_cast<int>(std::find(C::Names.begin(), C::Names.end(), name) -
                                C::Names.begin());
    }

    ChannelCsvImport& m_result;
    ChannelCsvReport& m_report;
    const ChannelCsvOptions& m_options;
    ChannelCsvLine::ColumnIndex m_index{};
    std::size_t m_fieldCount = 0;
    std::map<DecimalNumber, std::string> m_figures; // watts -> power name
    const ToneTable m_tones;
};

ChannelCsvImport ChannelCsvImport::read(std::string_view text, int channelCount,
                                        const ChannelCsvOptions& options) {
    ChannelCsvImport result;
    result.m_replace = options.replace;
    Reader(result, channelCount, options).run(text);
    std::stable_sort(
        result.m_problems.begin(), result.m_problems.end(),
        [](const std::string& a, const std::string& b) { return lineOf(a) < lineOf(b); });
    if (result.m_problems.size() > MaxProblems) {
        const std::size_t more = result.m_problems.size() - MaxProblems;
        result.m_problems.resize(MaxProblems);
        result.m_problems.push_back("and " + std::to_string(more) + " more");
    } else if (result.m_problems.size() == MaxProblems) {
        result.m_problems.push_back("and perhaps more");
    }
    return result;
}

std::string ChannelCsvImport::refusal(std::string_view fileName,
                                      const std::vector<std::string>& problems) {
    std::string text = "Could not import \"" + std::string(fileName) + "\":";
    const auto listed = std::min(problems.size(), ListedProblems);
    for (std::size_t i = 0; i < listed; ++i)
        text += "\n" + problems[i];
    if (problems.size() > listed)
        text += "\nand " + std::to_string(problems.size() - listed) + " more.";
    return text + "\nNothing has been changed.";
}

bool ChannelCsvImport::isChannelList(std::string_view text) {
    const CsvText::Parsed parsed = CsvText::parse(text);
    if (parsed.records.empty())
        return false;
    const auto& names = parsed.records.front().fields;
    return std::any_of(names.begin(), names.end(), [](const std::string& name) {
        return ChannelCsvLine::fold(name) == "frequency";
    });
}

void ChannelCsvImport::applyTo(CellGrid& grid) const {
    if (!accepted())
        return;
    using Codec = ChannelCodec;
    if (m_replace) {
        for (int row = 1; row <= m_report.channelCount; ++row) {
            for (int column = Codec::RxFreqColumn; column < Codec::ColumnCount; ++column)
                grid.setCellText(row, column, {});
        }
    }
    for (const ImportedChannel& channel : m_channels) {
        const int row = channel.channel;
        const bool programmed = !grid.cellText(row, Codec::RxFreqColumn).empty() ||
                                !grid.cellText(row, Codec::TxFreqColumn).empty();
        std::string power = channel.power;
        if (power.empty())
            power = programmed ? grid.cellText(row, Codec::PowerColumn) : "High";
        grid.setCellText(row, Codec::RxFreqColumn, channel.rxFreq);
        grid.setCellText(row, Codec::TxFreqColumn, channel.txFreq);
        grid.setCellText(row, Codec::DecColumn, channel.decTone);
        grid.setCellText(row, Codec::EncColumn, channel.encTone);
        grid.setCellText(row, Codec::PowerColumn, power);
        grid.setCellText(row, Codec::LockColumn, LockText);
    }
}

} // namespace tarn
