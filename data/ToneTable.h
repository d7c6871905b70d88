#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace tarn {

// The 265 tone texts a channel can carry: "OFF", 50 CTCSS tones, 107 DCS codes with "N",
// the same codes with "I".
class ToneTable {
public:
    static constexpr int Size = 265;
    static constexpr int FirstCtcss = 1;
    static constexpr int FirstNormalDcs = 51;
    static constexpr int FirstInvertedDcs = 158;

    ToneTable();

    [[nodiscard]] int size() const { return Size; }
    [[nodiscard]] const std::string& at(int index) const { return m_texts.at(index); }
    [[nodiscard]] const std::array<std::string, Size>& texts() const { return m_texts; }
    // Index of a text, letter case ignored.
    [[nodiscard]] std::optional<int> find(std::string_view text) const;
    // Index of what the user typed, blanks at either end ignored: the list's own text in any
    // case, a tone by its value ("100" is "100.0") or a code with its polarity ("d23n" is
    // "D023N"). A code without polarity names nothing.
    [[nodiscard]] std::optional<int> match(std::string_view typed) const;

private:
    [[nodiscard]] std::optional<int> matchTone(std::string_view number) const;
    [[nodiscard]] std::optional<int> matchCode(std::string_view text) const;

    std::array<std::string, Size> m_texts;
};

} // namespace tarn
