#pragma once

#include <span>

namespace tarn::cli {

// Patterns of tarn-cli's own messages on stderr, marked for translation; the verbs write
// them in English and stderr is shown translated line by line.
[[nodiscard]] std::span<const char* const> cliMessages();

} // namespace tarn::cli
