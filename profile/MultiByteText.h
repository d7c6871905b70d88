#pragma once

#include "profile/CodePage.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace tarn {

// Byte-string scanning that never mistakes the second byte of a double-byte character
// for an ASCII character, and comparison that folds the case of single-byte Latin
// letters only.
class MultiByteText {
public:
    explicit MultiByteText(CodePage codePage)
        : m_codePage(codePage) {}

    [[nodiscard]] CodePage codePage() const { return m_codePage; }

    // Length in bytes of the character that starts at pos (1 or 2).
    [[nodiscard]] std::size_t charLength(std::string_view text, std::size_t pos) const;

    // Position of the first character equal to needle, starting at a character boundary.
    [[nodiscard]] std::size_t find(std::string_view text, char needle, std::size_t from = 0) const;
    [[nodiscard]] std::size_t find(std::string_view text, std::string_view needle) const;
    // Position of the last character equal to needle.
    [[nodiscard]] std::size_t findLast(std::string_view text, char needle) const;

    [[nodiscard]] std::string trim(std::string_view text) const;

    // <0, 0 or >0; a double-byte character compares as one unit, by its bytes.
    [[nodiscard]] int compare(std::string_view a, std::string_view b, bool ignoreCase) const;

private:
    CodePage m_codePage;
};

[[nodiscard]] bool isProfileSpace(char c);

} // namespace tarn
