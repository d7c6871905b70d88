#include "tools/cli/CliApp.h"

#include "tools/cli/ApplyCommand.h"
#include "tools/cli/BridgeCommand.h"
#include "tools/cli/CheckCommand.h"
#include "tools/cli/DiffCommand.h"
#include "tools/cli/ExportCommand.h"
#include "tools/cli/ImageFile.h"
#include "tools/cli/ImportCommand.h"
#include "tools/cli/NewCommand.h"
#include "tools/cli/PortsCommand.h"
#include "tools/cli/ReadCommand.h"
#include "tools/cli/ShowCommand.h"
#include "tools/cli/SortCommand.h"
#include "tools/cli/WriteCommand.h"

#include <algorithm>
#include <ostream>

namespace tarn::cli {

CliApp::CliApp() {
    add(std::make_unique<NewCommand>());
    add(std::make_unique<ShowCommand>());
    add(std::make_unique<ApplyCommand>());
    add(std::make_unique<CheckCommand>());
    add(std::make_unique<DiffCommand>());
    add(std::make_unique<ImportCommand>());
    add(std::make_unique<ExportCommand>());
    add(std::make_unique<SortCommand>());
    add(std::make_unique<ReadCommand>());
    add(std::make_unique<WriteCommand>());
    add(std::make_unique<PortsCommand>());
    add(std::make_unique<BridgeCommand>());
}

void CliApp::add(std::unique_ptr<CliCommand> command) {
    m_commands.push_back(std::move(command));
}

void CliApp::printOverview(std::ostream& out) const {
    out << "Usage: tarn-cli VERB [ARGS]\n\nVerbs:\n";
    for (const auto& command : m_commands)
        out << "  " << command->name()
            << std::string(8 - std::min<std::size_t>(7, command->name().size()), ' ')
            << command->summary() << "\n";
    out << "\nChannel files are 8192 bytes; show, apply, import, export, diff and write refuse\n"
           "any other size unless given --any-size (the first 8192 bytes of a larger file).\n"
           "\n'tarn-cli VERB --help' describes a verb.\n";
}

int CliApp::run(const std::vector<std::string>& args, CliContext& context) const {
    if (args.empty()) {
        printOverview(context.err);
        return UsageError;
    }
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        printOverview(context.out);
        return Success;
    }
    const auto found = std::find_if(m_commands.begin(), m_commands.end(), [&](const auto& command) {
        return command->name() == args[0];
    });
    if (found == m_commands.end()) {
        context.err << "tarn-cli: unknown verb '" << args[0] << "'\n";
        printOverview(context.err);
        return UsageError;
    }
    std::vector<std::string> rest(args.begin() + 1, args.end());
    if (ImageFile::readsChannelFiles(args[0])) {
        const auto anySize = std::remove(rest.begin(), rest.end(), std::string("--any-size"));
        context.anySize = anySize != rest.end();
        rest.erase(anySize, rest.end());
    }
    if (std::find_if(rest.begin(), rest.end(), [](const std::string& a) {
            return a == "--help" || a == "-h";
        }) != rest.end()) {
        context.out << (*found)->usage();
        return Success;
    }
    return (*found)->run(rest, context);
}

} // namespace tarn::cli
