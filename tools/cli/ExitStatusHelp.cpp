#include "tools/cli/ExitStatusHelp.h"

#include "common/Translate.h"
#include "tools/cli/CliText.h"

namespace tarn::cli {

std::string ExitStatusHelp::meaning(ExitStatus status) {
    switch (status) {
    case Success:
        return CliText::help(TARN_TRANSLATE_NOOP("tarn::cli::Help", "done"));
    case Failure:
        return CliText::help(TARN_TRANSLATE_NOOP("tarn::cli::Help", "a file or data error"));
    case UsageError:
        return CliText::help(TARN_TRANSLATE_NOOP("tarn::cli::Help", "wrong arguments"));
    case NoRadio:
        return CliText::help(TARN_TRANSLATE_NOOP(
            "tarn::cli::Help",
            "no radio, a communication error or a refused radio type; nothing was\n"
            "       written to the radio"));
    case WriteStopped:
        return CliText::help(TARN_TRANSLATE_NOOP(
            "tarn::cli::Help",
            "the write stopped (failed or cancelled) after the radio was partly\n"
            "       written: write it again before use"));
    case CancelledClean:
        return CliText::help(TARN_TRANSLATE_NOOP(
            "tarn::cli::Help", "cancelled before anything was written to the radio"));
    case VerifyMismatch:
        return CliText::help(TARN_TRANSLATE_NOOP(
            "tarn::cli::Help", "the radio read back differs from what was written"));
    case VerifyUnreadable:
        return CliText::help(TARN_TRANSLATE_NOOP(
            "tarn::cli::Help", "the radio could not be read back to verify the write"));
    case Findings:
        return CliText::help(TARN_TRANSLATE_NOOP(
            "tarn::cli::Help", "channels were found outside the model's band or with bytes a save\n"
                               "       would change"));
    }
    return {};
}

std::string ExitStatusHelp::describe(std::initializer_list<ExitStatus> statuses) {
    std::string text = CliText::help(TARN_TRANSLATE_NOOP("tarn::cli::Help", "\nExit status:\n"));
    for (const ExitStatus status : statuses)
        text += "  " + std::to_string(static_cast<int>(status)) + "    " + meaning(status) + "\n";
    return text;
}

} // namespace tarn::cli
