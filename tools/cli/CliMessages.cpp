#include "tools/cli/CliMessages.h"

#include "common/Translate.h"

#include <array>

namespace tarn::cli {

namespace {

// More specific patterns first: the first that matches a line is used.
constexpr std::array Messages{
    TARN_TRANSLATE_NOOP("tarn::Prompt", "tarn-cli: unknown verb '%1'"),
    TARN_TRANSLATE_NOOP("tarn::Prompt", "tarn-cli: warning: no backup kept: %1"),
    TARN_TRANSLATE_NOOP("tarn::Prompt", "tarn-cli: backup %1"),
    TARN_TRANSLATE_NOOP("tarn::Prompt", "tarn-cli: cannot write %1"),
    TARN_TRANSLATE_NOOP("tarn::Prompt", "tarn-cli: %1"),
    TARN_TRANSLATE_NOOP("tarn::Prompt", "\"%1\": cannot open: %2"),
    TARN_TRANSLATE_NOOP("tarn::Prompt", "\"%1\": cannot open"),
    TARN_TRANSLATE_NOOP("tarn::Prompt", "\"%1\": cannot read"),
    TARN_TRANSLATE_NOOP("tarn::Prompt", "\"%1\": too large for a channel table"),
};

} // namespace

std::span<const char* const> cliMessages() {
    return Messages;
}

} // namespace tarn::cli
