#include "tools/cli/CliApp.h"

#include <iostream>
#include <unistd.h>

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    tarn::cli::CliContext context{std::cout, std::cerr,
                                  {},        ::isatty(STDERR_FILENO) == 1,
                                  &std::cin, ::isatty(STDOUT_FILENO) == 1};
    const std::vector<std::string> args(argv + 1, argv + argc);
    const int status = tarn::cli::CliApp().run(args, context);
    std::cout.flush();
    return std::cout ? status : tarn::cli::Failure;
}
