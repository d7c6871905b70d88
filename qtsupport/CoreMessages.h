#pragma once

#include <QString>

#include <span>
#include <string_view>

namespace tarn {

// The core's messages in the interface language. A message is looked up whole, then (one
// line) as the most specific of the formatted patterns it matches (its arguments translated in
// turn, names and lists of names in the grid's and dialogs' contexts; the core's,
// common/MessageCatalog's and a program's own patterns) or (several lines) line by line, so
// a refusal built of two known lines or a report with a count reads translated too; what has
// no translation stays as the core wrote it. A pattern without a translation of its own still
// passes on its arguments' ("tarn-cli: %1").
class CoreMessages {
public:
    [[nodiscard]] static QString translated(std::string_view text);
    [[nodiscard]] static QString translated(const QString& text);
    // With a program's own formatted messages besides the core's.
    [[nodiscard]] static QString translated(const QString& text,
                                            std::span<const char* const> ownPatterns);
};

} // namespace tarn
