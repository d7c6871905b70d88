#include "launcher/LauncherApplication.h"
#include "launcher/LauncherIcon.h"
#include "launcher/LauncherProfileFolder.h"
#include "qtsupport/MessageBoxPrompter.h"
#include "qtsupport/ProcessStarter.h"

#include <QApplication>
#include <QDir>

#include <cstdlib>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Halcyon"));
    QApplication::setApplicationVersion(QStringLiteral("1.0.0.1"));
    QApplication::setWindowIcon(tarn::launcherIcon());
    const tarn::LauncherEnvironment environment{
        QCoreApplication::applicationFilePath().toLocal8Bit().toStdString(),
        argc > 0 ? std::string(argv[0]) : std::string(),
        QDir::currentPath().toLocal8Bit().toStdString(),
        tarn::userConfigHome(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME")),
        TARN_INSTALLED_BINDIR};
    tarn::DetachedProcessStarter starter(QCoreApplication::applicationDirPath());
    tarn::MessageBoxPrompter prompter;
    tarn::LauncherApplication launcher(environment, starter, prompter);
    static_cast<void>(launcher.initInstance());
    return 0;
}
