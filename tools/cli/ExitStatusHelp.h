#pragma once

#include "tools/cli/CliCommand.h"

#include <initializer_list>
#include <string>

namespace tarn::cli {

// The "Exit status:" part of a verb's --help.
class ExitStatusHelp {
public:
    [[nodiscard]] static std::string describe(std::initializer_list<ExitStatus> statuses);
    [[nodiscard]] static std::string meaning(ExitStatus status);
};

} // namespace tarn::cli
