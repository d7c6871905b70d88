#include "data/ChannelCsvTones.h"

#include "data/StrictNumber.h"
#include "data/ToneTable.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace tarn {

namespace {

using C = ChannelCsvColumns;

// ---- Tones to columns

struct Tone {
    enum Kind { None, Ctcss, Dcs } kind = None;
    std::string value; // the tone, or the code's digits
    char polarity = 'N';

    [[nodiscard]] const char* modeName() const {
        return kind == Ctcss ? "Tone" : kind == Dcs ? "DTCS" : "";
    }
};

Tone classify(std::string_view text) {
    if (text.empty() || text == "OFF")
        return {};
    if (text.front() == 'D' || text.front() == 'd') {
        const bool normal = std::toupper(static_cast<unsigned char>(text.back())) == 'N';
        return {Tone::Dcs, std::string(text.substr(1, text.size() - 2)), normal ? 'N' : 'R'};
    }
    return {Tone::Ctcss, std::string(text), 'N'};
}

// ---- Columns to tones

// Where one side's tone comes from.
struct Source {
    Tone::Kind kind = Tone::None;
    C::Column column = C::Tone;
};

struct Sources {
    Source enc;
    Source dec;
};

std::optional<Source> crossSide(std::string_view name, C::Column toneColumn, C::Column codeColumn) {
    if (name.empty())
        return Source{};
    if (name == "tone")
        return Source{Tone::Ctcss, toneColumn};
    if (name == "dtcs")
        return Source{Tone::Dcs, codeColumn};
    return std::nullopt;
}

std::optional<Sources> crossSources(ChannelCsvLine& line) {
    const std::string mode = line.has(C::CrossMode) ? line.folded(C::CrossMode) : "tone->tone";
    const std::size_t arrow = mode.find("->");
    if (arrow != std::string::npos && mode.find("->", arrow + 2) == std::string::npos) {
        const C::Column rxCode = line.has(C::RxDtcsCode) ? C::RxDtcsCode : C::DtcsCode;
        const auto enc =
            crossSide(std::string_view(mode).substr(0, arrow), C::RToneFreq, C::DtcsCode);
        const auto dec = crossSide(std::string_view(mode).substr(arrow + 2), C::CToneFreq, rxCode);
        if (enc && dec && (enc->kind != Tone::None || dec->kind != Tone::None))
            return Sources{*enc, *dec};
    }
    line.refuseValue(C::CrossMode, "is not a cross mode (Tone->Tone, Tone->DTCS, DTCS->Tone, "
                                   "DTCS->DTCS, Tone->, ->Tone, DTCS-> or ->DTCS)");
    return std::nullopt;
}

std::optional<Sources> sourcesOf(ChannelCsvLine& line) {
    const std::string mode = line.folded(C::Tone);
    if (mode.empty())
        return Sources{};
    if (mode == "tone")
        return Sources{{Tone::Ctcss, C::RToneFreq}, {}};
    if (mode == "tsql")
        return Sources{{Tone::Ctcss, C::CToneFreq}, {Tone::Ctcss, C::CToneFreq}};
    if (mode == "dtcs")
        return Sources{{Tone::Dcs, C::DtcsCode}, {Tone::Dcs, C::DtcsCode}};
    if (mode == "cross")
        return crossSources(line);
    if (mode == "tsql-r" || mode == "dtcs-r")
        line.refuseValue(C::Tone, "is reverse squelch, which the radio does not have");
    else
        line.refuseValue(C::Tone, "is not a tone mode (empty, Tone, TSQL, DTCS or Cross)");
    return std::nullopt;
}

// Reads the cells a line's tones come from, each once.
class ToneReader {
public:
    ToneReader(ChannelCsvLine& line, const ToneTable& table)
        : m_line(line)
        , m_table(table) {}

    std::optional<std::string> read(const Source& source, std::size_t side) {
        if (source.kind == Tone::None)
            return std::string(m_table.at(0));
        auto& cached = m_cells[source.column];
        if (!cached)
            cached = source.kind == Tone::Ctcss ? ctcss(source.column) : code(source.column);
        if (source.kind == Tone::Ctcss)
            return *cached;
        // Both cells are judged, so a line reports each bad one.
        const auto polarities = polarity();
        if (!cached->has_value() || !polarities)
            return std::nullopt;
        const auto index = m_table.find("D" + **cached + ((*polarities)[side] == 'N' ? "N" : "I"));
        return m_table.at(*index);
    }

private:
    bool present(C::Column column) {
        if (!m_line.has(column))
            m_line.refuseMissing(column);
        return m_line.has(column);
    }

    std::optional<std::string> ctcss(C::Column column) {
        if (!present(column))
            return std::nullopt;
        const auto value = StrictNumber::parse(m_line.cell(column));
        if (!value) {
            m_line.refuseValue(column, StrictNumber::Rule);
            return std::nullopt;
        }
        const std::uint64_t tenths = value->scaled(1, DecimalNumber::Rounding::TowardZero);
        if (value->isWholeAt(1) && tenths < 1000000) {
            const auto t = static_cast<long>(tenths);
            const auto index = m_table.find(std::to_string(t / 10) + "." + std::to_string(t % 10));
            if (index && *index >= ToneTable::FirstCtcss && *index < ToneTable::FirstNormalDcs)
                return m_table.at(*index);
        }
        m_line.refuseValue(column, "is not a CTCSS tone of the tone list");
        return std::nullopt;
    }

    // The three digits of a DCS code of the tone list.
    std::optional<std::string> code(C::Column column) {
        if (!present(column))
            return std::nullopt;
        const auto value = StrictNumber::parseWhole(m_line.cell(column));
        if (value && *value < 1000) {
            std::string digits = std::to_string(*value);
            digits.insert(0, 3 - digits.size(), '0');
            if (m_table.find("D" + digits + "N"))
                return digits;
        }
        m_line.refuseValue(column, "is not a DCS code of the tone list");
        return std::nullopt;
    }

    // "NN", "NR", "RN" or "RR": the first letter for Enc, the second for Dec.
    std::optional<std::string> polarity() {
        if (!m_polarity) {
            const std::string text =
                m_line.has(C::DtcsPolarity) ? m_line.folded(C::DtcsPolarity) : "nn";
            const bool valid =
                text.size() == 2 &&
                std::all_of(text.begin(), text.end(), [](char c) { return c == 'n' || c == 'r'; });
            if (!valid)
                m_line.refuseValue(C::DtcsPolarity, "is not a DCS polarity (NN, NR, RN or RR)");
            m_polarity =
                valid ? std::optional<std::string>{{static_cast<char>(std::toupper(text[0])),
                                                    static_cast<char>(std::toupper(text[1]))}}
                      : std::optional<std::string>{};
        }
        return *m_polarity;
    }

    ChannelCsvLine& m_line;
    const ToneTable& m_table;
    std::array<std::optional<std::optional<std::string>>, C::Count> m_cells;
    std::optional<std::optional<std::string>> m_polarity;
};

} // namespace

ChannelCsvTones::Columns ChannelCsvTones::toColumns(std::string_view enc, std::string_view dec) {
    const Tone e = classify(enc);
    const Tone d = classify(dec);
    Columns columns;
    if (e.kind == Tone::None && d.kind == Tone::None)
        return columns;
    if (e.kind == Tone::Ctcss && d.kind == Tone::None) {
        columns.tone = "Tone";
        columns.rToneFreq = e.value;
    } else if (e.kind == Tone::Ctcss && d.kind == Tone::Ctcss && e.value == d.value) {
        columns.tone = "TSQL";
        columns.cToneFreq = e.value;
    } else if (e.kind == Tone::Dcs && d.kind == Tone::Dcs && e.value == d.value) {
        columns.tone = "DTCS";
        columns.dtcsCode = e.value;
        columns.dtcsPolarity = {e.polarity, d.polarity};
    } else {
        columns.tone = "Cross";
        columns.crossMode = std::string(e.modeName()) + "->" + d.modeName();
        if (e.kind == Tone::Ctcss)
            columns.rToneFreq = e.value;
        if (d.kind == Tone::Ctcss)
            columns.cToneFreq = d.value;
        if (e.kind == Tone::Dcs)
            columns.dtcsCode = e.value;
        if (d.kind == Tone::Dcs)
            columns.rxDtcsCode = d.value;
        columns.dtcsPolarity = {e.polarity, d.polarity};
    }
    return columns;
}

std::optional<ChannelCsvTones::Tones> ChannelCsvTones::fromColumns(ChannelCsvLine& line,
                                                                   const ToneTable& table) {
    const auto sources = sourcesOf(line);
    if (!sources)
        return std::nullopt;
    ToneReader reader(line, table);
    auto enc = reader.read(sources->enc, 0);
    auto dec = reader.read(sources->dec, 1);
    if (!enc || !dec)
        return std::nullopt;
    return Tones{std::move(*enc), std::move(*dec)};
}

} // namespace tarn
