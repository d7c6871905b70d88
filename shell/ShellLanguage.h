#pragma once

#include "profile/ProductLanguage.h"
#include "qtsupport/InterfaceTranslators.h"

#include <string>

namespace tarn {

class Prompter;

// TARN's interface language: chosen at start from the product profile the launcher writes,
// else the locale; switched at run time, when it is stored in that profile again.
class ShellLanguage {
public:
    ShellLanguage(std::string profilePath, Prompter& prompter);

    // Installs the language the profile or localeName asks for.
    void applyAtStart(const std::string& localeName);
    // Installs language and stores it; a profile that cannot be written is told.
    void switchTo(InterfaceLanguage language);
    [[nodiscard]] InterfaceLanguage current() const { return m_current; }

    // The product profile of this program: $TARN_PRODUCT_PROFILE, else the installed
    // copy's configuration folder, else beside the program.
    [[nodiscard]] static std::string profilePathOfThisProgram();

private:
    void install(InterfaceLanguage language);

    std::string m_profilePath;
    Prompter& m_prompter;
    InterfaceTranslators m_translators;
    InterfaceLanguage m_current = InterfaceLanguage::English;
};

} // namespace tarn
