#pragma once

#include <QString>

namespace tarn {

// The last message box the program showed, as the user saw it (caption and text, in the
// interface language), for Help > Report a Problem. Every box of the Qt prompter passes here.
class LastMessage {
public:
    static void record(const QString& caption, const QString& text);
    // Empty until a message has been shown.
    [[nodiscard]] static QString caption();
    [[nodiscard]] static QString text();
    static void clear();
};

} // namespace tarn
