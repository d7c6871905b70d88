#include "data/ListName.h"

#include "data/StrictNumber.h"

#include <algorithm>
#include <cctype>

namespace tarn {

std::optional<std::size_t> ListName::find(std::span<const std::string_view> entries,
                                          std::string_view typed) {
    const std::string_view text = StrictNumber::trimmed(typed);
    if (text.empty())
        return std::nullopt;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (equalIgnoringCase(entries[i], text))
            return i;
    }
    return std::nullopt;
}

bool ListName::equalIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::toupper(static_cast<unsigned char>(x)) ==
               std::toupper(static_cast<unsigned char>(y));
    });
}

ListName::Choice ListName::choose(std::span<const std::string_view> entries, std::string_view shown,
                                  bool openedEmpty) {
    if (const auto index = find(entries, shown))
        return {Verdict::Entry, *index};
    if (openedEmpty && StrictNumber::trimmed(shown).empty())
        return {Verdict::Keep, 0};
    return {Verdict::Refused, 0};
}

std::string ListName::refusal(std::string_view label) {
    return std::string(label) + ": choose a value from the list";
}

} // namespace tarn
