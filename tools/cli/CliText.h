#pragma once

#include <string>

namespace tarn::cli {

// tarn-cli's help (the verb list, each verb's --help and usage) in the interface language.
// Help is read by people, so it follows the locale wherever it is printed; what scripts read
// (tables, JSON, CSV, diff lines, images) never comes through here.
class CliText {
public:
    // A text marked TARN_TRANSLATE_NOOP("tarn::cli::Help", ...), translated when tarn-cli
    // runs in Chinese, else as written.
    [[nodiscard]] static std::string help(const char* source);
};

} // namespace tarn::cli
