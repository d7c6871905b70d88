#pragma once

#include <QString>

namespace tarn {

// The texts and check states of the selection dialog in one interface language, and the
// LANGUAGE value that remembers it.
struct LauncherLabels {
    QString caption;
    QString selectProduct;
    QString english;
    QString chinese;
    QString ok;
    QString cancel;
    bool englishChecked;
    const char* storedLanguage;
    // Messages when OK cannot start anything: %1 is the program, or the product's name.
    QString cannotStart;
    QString noProgram;
    QString noProduct;
    // A settings file that could not be written: %1 is its path.
    QString notSaved;

    [[nodiscard]] static const LauncherLabels& englishLabels();
    [[nodiscard]] static const LauncherLabels& chineseLabels();
};

} // namespace tarn
