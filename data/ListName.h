#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tarn {

// Names chosen from a fixed list (power, lock, the options of the settings dialogs): typed in
// any letter case, blanks at either end ignored, and stored in the list's own spelling.
class ListName {
public:
    // The index of the entry the text names; nothing for an empty text or no entry.
    [[nodiscard]] static std::optional<std::size_t> find(std::span<const std::string_view> entries,
                                                         std::string_view typed);
    [[nodiscard]] static bool equalIgnoringCase(std::string_view a, std::string_view b);

    // What OK makes of a settings box: an entry; the stored value kept, for a box that
    // opened with no entry and is left empty; or a refusal, for any other text naming none.
    enum class Verdict { Entry, Keep, Refused };
    struct Choice {
        Verdict verdict = Verdict::Refused;
        std::size_t entry = 0;
    };
    [[nodiscard]] static Choice choose(std::span<const std::string_view> entries,
                                       std::string_view shown, bool openedEmpty);
    // "Time out timer(TOT): choose a value from the list"
    [[nodiscard]] static std::string refusal(std::string_view label);
};

} // namespace tarn
