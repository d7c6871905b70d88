#include "tools/cli/ExitStatusHelp.h"

namespace tarn::cli {

const char* ExitStatusHelp::meaning(ExitStatus status) {
    switch (status) {
    case Success:
        return "done";
    case Failure:
        return "a file or data error";
    case UsageError:
        return "wrong arguments";
    case NoRadio:
        return "no radio, a communication error or a refused radio type; nothing was\n"
               "       written to the radio";
    case WriteStopped:
        return "the write stopped (failed or cancelled) after the radio was partly\n"
               "       written: write it again before use";
    case CancelledClean:
        return "cancelled before anything was written to the radio";
    case VerifyMismatch:
        return "the radio read back differs from what was written";
    case VerifyUnreadable:
        return "the radio could not be read back to verify the write";
    case Findings:
        return "channels were found outside the model's band or with bytes a save\n"
               "       would change";
    }
    return "";
}

std::string ExitStatusHelp::describe(std::initializer_list<ExitStatus> statuses) {
    std::string text = "\nExit status:\n";
    for (const ExitStatus status : statuses)
        text += "  " + std::to_string(static_cast<int>(status)) + "    " + meaning(status) + "\n";
    return text;
}

} // namespace tarn::cli
