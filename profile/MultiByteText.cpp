#include "profile/MultiByteText.h"

namespace tarn {

namespace {

unsigned char byteAt(std::string_view text, std::size_t pos) {
    return static_cast<unsigned char>(text[pos]);
}

unsigned char foldAscii(unsigned char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c - 'A' + 'a') : c;
}

} // namespace

bool isProfileSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

std::size_t MultiByteText::charLength(std::string_view text, std::size_t pos) const {
    // In UTF-8 no ASCII byte occurs inside a character, so bytes can be taken one by one.
    if (m_codePage == CodePage::Utf8)
        return 1;
    const unsigned char lead = byteAt(text, pos);
    const bool isLead = lead >= 0x81 && lead <= 0xFE;
    return (isLead && pos + 1 < text.size()) ? 2 : 1;
}

std::size_t MultiByteText::find(std::string_view text, char needle, std::size_t from) const {
    for (std::size_t pos = from; pos < text.size(); pos += charLength(text, pos)) {
        if (text[pos] == needle && charLength(text, pos) == 1)
            return pos;
    }
    return std::string_view::npos;
}

std::size_t MultiByteText::find(std::string_view text, std::string_view needle) const {
    if (needle.empty())
        return 0;
    for (std::size_t pos = 0; pos < text.size(); pos += charLength(text, pos)) {
        if (text.substr(pos, needle.size()) == needle)
            return pos;
    }
    return std::string_view::npos;
}

std::size_t MultiByteText::findLast(std::string_view text, char needle) const {
    std::size_t found = std::string_view::npos;
    for (std::size_t pos = find(text, needle); pos != std::string_view::npos;
         pos = find(text, needle, pos + 1))
        found = pos;
    return found;
}

std::string MultiByteText::trim(std::string_view text) const {
    std::size_t begin = 0;
    while (begin < text.size() && isProfileSpace(text[begin]))
        ++begin;
    // Walk forwards so a trailing byte of a double-byte character is never cut.
    std::size_t end = begin;
    for (std::size_t pos = begin; pos < text.size();) {
        const std::size_t length = charLength(text, pos);
        pos += length;
        if (length > 1 || !isProfileSpace(text[pos - 1]))
            end = pos;
    }
    return std::string(text.substr(begin, end - begin));
}

int MultiByteText::compare(std::string_view a, std::string_view b, bool ignoreCase) const {
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
        const std::size_t lengthA = charLength(a, i);
        const std::size_t lengthB = charLength(b, j);
        if (lengthA == 1 && lengthB == 1) {
            unsigned char ca = byteAt(a, i);
            unsigned char cb = byteAt(b, j);
            if (ignoreCase) {
                ca = foldAscii(ca);
                cb = foldAscii(cb);
            }
            if (ca != cb)
                return ca < cb ? -1 : 1;
        } else {
            const int unit = a.substr(i, lengthA).compare(b.substr(j, lengthB));
            if (unit != 0)
                return unit < 0 ? -1 : 1;
        }
        i += lengthA;
        j += lengthB;
    }
    if (i < a.size())
        return 1;
    return j < b.size() ? -1 : 0;
}

} // namespace tarn
