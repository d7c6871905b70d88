#pragma once

#include <optional>
#include <string>

namespace tarn {

class FileOps;

enum class InterfaceLanguage { English, Chinese };

// Where TARN looks for the product profile "QX32_V.INI" that the launcher writes.
struct ProductProfilePlace {
    std::string fromEnvironment; // TARN_PRODUCT_PROFILE, empty when unset
    bool installed = false;      // the program runs from the installation's bin folder
    std::string configHome;      // the user's configuration folder, empty when unknown
    std::string programDirectory;
};

// The product profile's path: the launcher's hand-over first, then the installed copy's
// configuration folder, otherwise beside the program. Empty when there is none.
[[nodiscard]] std::string productProfilePath(const ProductProfilePlace& place);

// The interface language, in this order: the LANGUAGE key of the product profile (a file
// that exists but cannot be read, or another value, gives English); without a file or a key,
// the locale name ("zh..." gives Chinese); else English. The file is never created.
[[nodiscard]] InterfaceLanguage chooseLanguage(const std::string& profilePath,
                                               const std::string& localeName, FileOps& ops);

// Stores the choice in the product profile, creating it when missing; false when the file
// could not be written.
[[nodiscard]] bool storeLanguage(const std::string& profilePath, InterfaceLanguage language,
                                 FileOps& ops);

// The locale that names the language of messages: the first set of LC_ALL, LC_MESSAGES and
// LANG, as getenv reports them; empty when none is.
[[nodiscard]] std::string messagesLocale(const char* (*getenv)(const char*));

// The language of a locale name such as "zh_CN.UTF-8"; nothing for names TARN has no
// language for.
[[nodiscard]] std::optional<InterfaceLanguage> localeLanguage(const std::string& localeName);

} // namespace tarn
