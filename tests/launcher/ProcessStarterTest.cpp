#include "qtsupport/ProcessStarter.h"

#include "tests/support/TempDir.h"

#include <QFile>

#include <gtest/gtest.h>

#include <cstdlib>

namespace tarn {
namespace {

using test::TempDir;

class ProcessStarterTest : public ::testing::Test {
protected:
    void SetUp() override {
        const char* path = std::getenv("PATH");
        m_savedPath = path ? path : "";
        qputenv("PATH", QByteArray::fromStdString(onPath.path().string()));
    }
    void TearDown() override { qputenv("PATH", QByteArray::fromStdString(m_savedPath)); }

    static QString program(const TempDir& where, const std::string& name, bool executable = true) {
        where.write(name, "#!/bin/sh\n");
        const QString path = QString::fromStdString(where.file(name));
        if (executable)
            QFile::setPermissions(path, QFile::permissions(path) | QFile::ExeOwner);
        return path;
    }

    TempDir own;
    TempDir onPath;
    std::string m_savedPath;
};

#ifndef _WIN32
TEST_F(ProcessStarterTest, LooksBesideItselfFirstThenOnPath) {
    const DetachedProcessStarter starter(QString::fromStdString(own.path().string()));
    const QString mine = program(own, "both");
    program(onPath, "both");
    const QString fromPath = program(onPath, "elsewhere");
    program(own, "notexec", false);
    const QString notExecutableFallback = program(onPath, "notexec");

    EXPECT_EQ(starter.resolve("both"), mine);
    EXPECT_EQ(starter.resolve("elsewhere"), fromPath);
    EXPECT_EQ(starter.resolve("notexec"), notExecutableFallback);
    EXPECT_EQ(starter.resolve("missing"), QString());
    EXPECT_EQ(starter.resolve(""), QString());
    EXPECT_EQ(starter.resolve(mine), mine);
}
#endif

TEST_F(ProcessStarterTest, MissingProgramDoesNotStart) {
    DetachedProcessStarter starter(QString::fromStdString(own.path().string()));
    EXPECT_FALSE(starter.start("QX520.DLL", {}));
    EXPECT_FALSE(starter.start("", {}));
}

} // namespace
} // namespace tarn
