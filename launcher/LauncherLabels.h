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

    [[nodiscard]] static const LauncherLabels& englishLabels();
    [[nodiscard]] static const LauncherLabels& chineseLabels();
};

} // namespace tarn
