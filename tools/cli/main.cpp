#include "tools/cli/CliApp.h"
#include "tools/cli/CliOutput.h"

#include <iostream>
#include <unistd.h>

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    tarn::cli::CliContext context{std::cout, std::cerr,
                                  {},        ::isatty(STDERR_FILENO) == 1,
                                  &std::cin, ::isatty(STDOUT_FILENO) == 1};
    const std::vector<std::string> args(argv + 1, argv + argc);
    const int status = tarn::cli::CliApp().run(args, context);
    // The verbs check their own output; this catches what any of them left unflushed.
    if (!tarn::cli::CliOutput::flushed(std::cout, std::cerr, "to standard output"))
        return status == tarn::cli::Success ? tarn::cli::Failure : status;
    return status;
}
