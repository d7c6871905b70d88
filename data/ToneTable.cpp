#include "data/ToneTable.h"

#include "data/StrictNumber.h"

#include <algorithm>
#include <cctype>

namespace tarn {

namespace {

constexpr const char* Ctcss[] = {
    "67.0",  "69.3",  "71.9",  "74.4",  "77.0",  "79.7",  "82.5",  "85.4",  "88.5",  "91.5",
    "94.8",  "97.4",  "100.0", "103.5", "107.2", "110.9", "114.8", "118.8", "123.0", "127.3",
    "131.8", "136.5", "141.3", "146.2", "151.4", "156.7", "159.8", "162.2", "165.5", "167.9",
    "171.3", "173.8", "177.3", "179.9", "183.5", "186.2", "189.9", "192.8", "196.6", "199.5",
    "203.5", "206.5", "210.7", "218.1", "225.7", "229.1", "233.6", "241.8", "250.3", "254.1"};

// In the order of the inverted list.
constexpr const char* Dcs[] = {
    "017", "023", "025", "026", "031", "032", "036", "043", "047", "050", "051", "053",
    "054", "065", "071", "072", "073", "074", "114", "115", "116", "122", "125", "131",
    "132", "134", "143", "145", "152", "155", "156", "162", "165", "172", "174", "205",
    "212", "223", "225", "226", "243", "244", "245", "246", "251", "252", "255", "261",
    "263", "265", "266", "271", "274", "306", "311", "315", "325", "331", "332", "343",
    "346", "351", "356", "364", "365", "371", "411", "412", "413", "423", "431", "432",
    "445", "446", "452", "454", "455", "462", "464", "465", "466", "503", "506", "516",
    "523", "526", "532", "546", "565", "606", "612", "624", "627", "631", "632", "645",
    "654", "662", "664", "703", "712", "723", "731", "732", "734", "743", "754"};

static_assert(std::size(Ctcss) == 50);
static_assert(std::size(Dcs) == 107);

// The normal list has 246 before 245.
constexpr std::size_t Dcs245 = 42;

bool equalIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::toupper(static_cast<unsigned char>(x)) ==
               std::toupper(static_cast<unsigned char>(y));
    });
}

// The number of a code's digits ("023" is 23); nothing for other text or more digits than a
// code has room for.
std::optional<int> codeNumber(std::string_view digits) {
    constexpr std::size_t MaxDigits = 4;
    if (digits.empty() || digits.size() > MaxDigits)
        return std::nullopt;
    int number = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9')
            return std::nullopt;
        number = number * 10 + (c - '0');
    }
    return number;
}

} // namespace

ToneTable::ToneTable() {
    int i = 0;
    m_texts[i++] = "OFF";
    for (const char* tone : Ctcss)
        m_texts[i++] = tone;
    for (std::size_t k = 0; k < std::size(Dcs); ++k) {
        std::size_t code = k;
        if (k == Dcs245)
            code = Dcs245 + 1;
        else if (k == Dcs245 + 1)
            code = Dcs245;
        m_texts[i++] = std::string("D") + Dcs[code] + "N";
    }
    for (const char* code : Dcs)
        m_texts[i++] = std::string("D") + code + "I";
}

std::optional<int> ToneTable::find(std::string_view text) const {
    for (int i = 0; i < Size; ++i) {
        if (equalIgnoringCase(m_texts[i], text))
            return i;
    }
    return std::nullopt;
}

std::optional<int> ToneTable::match(std::string_view typed) const {
    const std::string_view text = StrictNumber::trimmed(typed);
    if (text.empty())
        return std::nullopt;
    if (const auto exact = find(text))
        return exact;
    if (StrictNumber::isNumber(text))
        return matchTone(text);
    return matchCode(text);
}

std::optional<int> ToneTable::matchTone(std::string_view number) const {
    // Only a value the list holds exactly: 88 is not 88.5.
    const auto value = StrictNumber::parse(number);
    if (!value || !value->isWholeAt(1))
        return std::nullopt;
    const std::string text = std::to_string(value->scaled(1, DecimalNumber::Rounding::TowardZero));
    const std::string listed =
        text.size() < 2 ? std::string() : text.substr(0, text.size() - 1) + "." + text.back();
    for (int i = FirstCtcss; i < FirstNormalDcs; ++i) {
        if (m_texts[static_cast<std::size_t>(i)] == listed)
            return i;
    }
    return std::nullopt;
}

std::optional<int> ToneTable::matchCode(std::string_view text) const {
    if (text.size() < 2)
        return std::nullopt;
    const char polarity = static_cast<char>(std::toupper(static_cast<unsigned char>(text.back())));
    if (polarity != 'N' && polarity != 'I')
        return std::nullopt;
    text.remove_suffix(1);
    if (!text.empty() && (text.front() == 'D' || text.front() == 'd'))
        text.remove_prefix(1);
    const auto number = codeNumber(text);
    if (!number)
        return std::nullopt;
    const int first = polarity == 'N' ? FirstNormalDcs : FirstInvertedDcs;
    const int end = polarity == 'N' ? FirstInvertedDcs : Size;
    for (int i = first; i < end; ++i) {
        if (codeNumber(std::string_view(m_texts[static_cast<std::size_t>(i)]).substr(1, 3)) ==
            number)
            return i;
    }
    return std::nullopt;
}

} // namespace tarn
