#pragma once

#include "tests/support/TempDir.h"
#include "tools/cli/CliApp.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace tarn::cli {

// Runs tarn-cli verbs in process, with their output caught and the row dump kept in a
// temporary folder.
class CliFixture : public ::testing::Test {
protected:
    int run(std::vector<std::string> args) {
        out.str({});
        err.str({});
        CliContext context{out, err, dir.path()};
        context.listPorts = listPorts;
        context.backupFolder = dir / "backups";
        context.traceFolder = dir / "traces";
        return CliApp().run(args, context);
    }

    test::TempDir dir;
    std::ostringstream out;
    std::ostringstream err;
    std::function<std::vector<SystemPort>()> listPorts; // empty: the system's
};

} // namespace tarn::cli
