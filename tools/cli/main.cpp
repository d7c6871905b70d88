#include "tools/cli/CliApp.h"
#include "tools/cli/CliLanguage.h"
#include "tools/cli/CliOutput.h"
#include "tools/cli/TranslatedStreamBuf.h"

#include <iostream>
#include <unistd.h>

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const tarn::cli::CliLanguage language(argc, argv);
    // Messages on stderr in the user's language; standard output is never translated.
    tarn::cli::TranslatedStreamBuf translated(
        *std::cerr.rdbuf(),
        [&language](const std::string& line) { return language.translated(line); });
    std::ostream translatedErr(&translated);
    std::ostream& err = language.translates() ? translatedErr : std::cerr;
    tarn::cli::CliContext context{
        std::cout, err, {}, ::isatty(STDERR_FILENO) == 1, &std::cin, ::isatty(STDOUT_FILENO) == 1};
    const std::vector<std::string> args(argv + 1, argv + argc);
    const int status = tarn::cli::CliApp().run(args, context);
    // The verbs check their own output; this catches what any of them left unflushed.
    if (!tarn::cli::CliOutput::flushed(std::cout, err, "to standard output"))
        return status == tarn::cli::Success ? tarn::cli::Failure : status;
    return status;
}
